// The editor window's layout, editing, saving and opening.
#include "editor/ui/Window1.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include "editor/ui/FileTypes.h"
#include "editor/ui/LastFolder.h"
#include "shared/fw/FolderItem.h"
#include "shared/fw/Text.h"
#include "shared/gui/BoardView.h"
#include "shared/gui/Desktop.h"
#include "shared/gui/LevelCode.h"
#include "shared/gui/MenuBar.h"

namespace editor {
namespace {

using level::CellKind;

constexpr QSize kContentSize{803, 671};
constexpr QColor kBackground{0xFF, 0xDF, 0xDF};
constexpr int kTextPixels = 12;
constexpr int kButtonSide = 60;
constexpr int kIconSide = 50;
constexpr QPoint kBoardAt{55, 33};

const QString kNewLevelName = QStringLiteral("Level 01");
const QString kTitlePrefix = QStringLiteral("Level Editor - ");

// The 44 border cells: row 0, the ends of rows 1 to 10, row 11.
const QString kBorderList = QStringLiteral(
    "0,1,2,3,4,5,6,7,8,9,10,11,12,23,24,35,36,47,48,59,60,71,72,83,84,95,96,107,108,119,120,"
    "131,132,133,134,135,136,137,138,139,140,141,142,143");

struct ToolPlace {
    int index;
    int left;
    int top;
};
// In creation order: the palette is two columns of three.
constexpr std::array<ToolPlace, kToolCount> kToolPlaces = {{
    {0, 656, 47}, {5, 721, 47}, {1, 656, 181}, {2, 721, 181}, {3, 656, 114}, {4, 721, 114},
}};

// The printable characters of Latin-1, each of which a file stores as one byte.
constexpr bool isCodeCharacter(QChar c)
{
    return (c.unicode() >= 32 && c.unicode() <= 126) || (c.unicode() >= 160 && c.unicode() <= 255);
}

QString withoutOtherCharacters(const QString& text)
{
    QString kept;
    for (const QChar c : text) {
        if (isCodeCharacter(c))
            kept += c;
    }
    return kept;
}

// Typed codes hold printable characters only: code 11 would be stored as a carriage return
// and split the file, and a character beyond U+00FF has no byte to be stored as.
class CodeValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return std::all_of(input.cbegin(), input.cend(), isCodeCharacter) ? Acceptable : Invalid;
    }
};

QLabel* makeLabel(QWidget* content, const QString& name, const QString& text, QRect place)
{
    auto* label = new QLabel(text, content);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    return label;
}

} // namespace

QString notSavedMessage(const QString& path)
{
    return QStringLiteral("The level was not saved: \"%1\" could not be written.").arg(QDir::toNativeSeparators(path));
}

void takeCodeCharacters(QLineEdit& field)
{
    field.setValidator(new CodeValidator(&field));
    // A refused key must not pass unnoticed: on another keyboard layout it may be every key.
    QObject::connect(&field, &QLineEdit::inputRejected, &field, &fw::Beep);
    // A code read from a file may hold any byte; the validator then lets every edit
    // through, so an edit of such a code drops what no typed code may hold.
    QObject::connect(&field, &QLineEdit::textEdited, &field, [&field](const QString& edited) {
        const QString kept = withoutOtherCharacters(edited);
        if (kept != edited)
            field.setText(kept);
    });
}

QString plainTitle(const QString& text)
{
    QString escaped = text;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return escaped;
}

Window1::Window1(const fw::MenuBar& menuBar, LastFolder& lastFolder, QWidget* parent)
    : QWidget(parent)
    , m_lastFolder(lastFolder)
{
    setObjectName(QStringLiteral("Window1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint);
    setWindowTitle(QStringLiteral("Level Editor"));
    QFont text = font();
    text.setPixelSize(kTextPixels);
    setFont(text);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(menuBar.createMenuBarFor(this));

    auto* content = new QWidget(this);
    content->setFixedSize(kContentSize);
    QPalette colours = content->palette();
    colours.setColor(QPalette::Window, kBackground);
    content->setPalette(colours);
    content->setAutoFillBackground(true);
    layout->addWidget(content);

    m_ban = new fw::BoardView(m_grid, &tilePicture, content);
    m_ban->setObjectName(QStringLiteral("ban"));
    m_ban->move(kBoardAt);
    connect(m_ban, &fw::BoardView::cellPressed, this, &Window1::ban_MouseDown);

    m_ram = makeLabel(content, QStringLiteral("ram"), kBorderList, {745, 14, 44, 20});
    m_ram->hide();
    makeLabel(content, QStringLiteral("StaticText1"), QStringLiteral("Tallowick"), {727, 645, 100, 20});

    m_EditField1 = new QLineEdit(content);
    m_EditField1->setObjectName(QStringLiteral("EditField1"));
    m_EditField1->setGeometry(655, 425, 125, 22);
    m_EditField1->setEchoMode(QLineEdit::Password);
    fw::acceptAnyLength(*m_EditField1);
    takeCodeCharacters(*m_EditField1);

    makeLabel(content, QStringLiteral("StaticText2"), QStringLiteral("Levelcode:"), {655, 405, 100, 20});

    for (const ToolPlace& place : kToolPlaces) {
        QToolButton* button = makeButton(content, pictureId(kToolTiles.at(place.index)), place.left, place.top);
        button->setObjectName(QStringLiteral("tools%1").arg(place.index));
        button->setChecked(place.index == 0);
        connect(button, &QToolButton::clicked, this, [this, index = place.index] { tools_Action(index); });
        m_tools.at(static_cast<std::size_t>(place.index)) = button;
    }

    m_extras = makeButton(content, kFramepicId, 655, 292);
    m_extras->setObjectName(QStringLiteral("extras"));
    m_extras->setChecked(true);
    connect(m_extras, &QToolButton::clicked, this, &Window1::extras_Action);

    m_extras2 = makeButton(content, kFramepic2Id, 721, 292);
    m_extras2->setObjectName(QStringLiteral("extras2"));
    m_extras2->setChecked(true);
    connect(m_extras2, &QToolButton::clicked, this, &Window1::extras2_Action);

    auto* group = new QGroupBox(content);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(649, 33, 140, 600);
    // Only a frame: beneath the buttons it surrounds, so that presses reach them.
    group->lower();

    setLvlname(kNewLevelName);
}

QToolButton* Window1::makeButton(QWidget* content, int id, int left, int top)
{
    auto* button = new QToolButton(content);
    button->setGeometry(left, top, kButtonSide, kButtonSide);
    button->setCheckable(true);
    button->setIcon(iconOf(id, kIconSide));
    button->setIconSize({kIconSide, kIconSide});
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return button;
}

void Window1::tools_Action(int index)
{
    m_vilkentool = index;
    for (QToolButton* button : m_tools)
        button->setChecked(false);
    m_tools.at(static_cast<std::size_t>(index))->setChecked(true);
}

void Window1::ban_MouseDown(int cell)
{
    const CellKind tile = kToolTiles.at(static_cast<std::size_t>(m_vilkentool));
    setCell(cell, m_grid[static_cast<std::size_t>(cell)] == tile ? CellKind::back : tile);
}

void Window1::extras_Action()
{
    // Both wall buttons always show pressed.
    m_extras->setChecked(true);
    const std::string border = m_ram->text().toStdString();
    const int n = fw::CountFields(border, ",");
    for (int f = 1; f <= n; ++f)
        setCell(fw::ValInt32(fw::NthField(border, ",", f)), CellKind::wal);
}

void Window1::extras2_Action()
{
    m_extras2->setChecked(true);
    for (int cell = 0; cell < level::kCells; ++cell)
        setCell(cell, CellKind::wal);
}

void Window1::cleaneditor()
{
    for (int cell = 0; cell < level::kCells; ++cell)
        setCell(cell, CellKind::back);
    setLvlname(kNewLevelName);
    m_EditField1->clear();
}

void Window1::savelevel()
{
    // The level as it stood when the codes were confirmed, before the dialog waits.
    // The field holds Latin-1 only: what it shows comes from a file or through the validator.
    const std::string code = fw::codeBytes(m_EditField1->text()).value_or(std::string());
    const std::string content = level::writeLevelFile(m_grid, code);
    const auto path =
        fw::GetSaveFolderItem(this, QString::fromLatin1(FileTypes::R11o), m_lastFolder.proposal(m_lvlname));
    if (!path)
        return;
    if (!fw::FolderItem(*path).WriteText(content)) {
        fw::MsgBox(this, notSavedMessage(*path));
        return;
    }
    m_lastFolder.remember(*path);
    setLvlname(QFileInfo(*path).fileName());
}

void Window1::openlevel()
{
    const auto path = fw::GetOpenFolderItem(this, m_lastFolder.path());
    if (!path)
        return;
    const auto content = fw::FolderItem(*path).ReadAll();
    if (!content) {
        fw::MsgBox(this, QStringLiteral("\"%1\" could not be opened.").arg(QDir::toNativeSeparators(*path)));
        return;
    }
    m_lastFolder.remember(*path);
    setLvlname(QFileInfo(*path).fileName());
    m_opened = level::readLevel(*content);
    {
        // A stored code may hold what no key may type; Qt reports that as a refused key.
        const QSignalBlocker noBeep(m_EditField1);
        m_EditField1->setText(fw::codeText(level::decodeLevelCode(m_opened.readlvldata[6])));
    }
    m_grid = level::drawOpenedLevel(m_opened);
    m_ban->update();
}

void Window1::setCell(std::int64_t cell, level::CellKind kind)
{
    if (!level::onBoard(cell))
        return;
    m_grid[static_cast<std::size_t>(cell)] = kind;
    m_ban->updateCell(static_cast<int>(cell));
}

void Window1::setLvlname(const QString& name)
{
    m_lvlname = name;
    setWindowTitle(kTitlePrefix + plainTitle(name));
}

} // namespace editor
