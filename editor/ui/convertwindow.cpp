// The converter window's layout, scan and save.
#include "editor/ui/convertwindow.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "editor/ui/FileTypes.h"
#include "editor/ui/LastFolder.h"
#include "editor/ui/Window1.h"
#include "shared/fw/FolderItem.h"
#include "shared/gui/Desktop.h"
#include "shared/gui/MenuBar.h"
#include "shared/level/CellKind.h"
#include "shared/level/Converter.h"

namespace editor {
namespace {

constexpr int kTextPixels = 12;
constexpr int kSmallPixels = 10;
// One pixel per tab, so that the eighteen tabs of the example set the note a little
// apart on the row it belongs to; at Qt's usual 80 pixels they would wrap into lines
// that push the help's last lines out of the label.
constexpr qreal kHelpTabStop = 1;

QFont withPixels(QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return font;
}

// The help beside the text field; two rows of the example keep the blanks and tabs that
// follow them.
const QString kConverterHelp = QStringLiteral(
    "Paste standard sokoban levelcode.\n"
    "for instance:\n"
    "\n"
    " #####\n"
    " ###   ##\n"
    "##   #  ##                      \n"
    "#  * * * #\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t(max 12x12)\n"
    "#+  $ *  #\n"
    "#### * ###\n"
    "   #  ##\n"
    "   ####\n"
    "\n"
    "Dont include levelname or levelinfo.\n"
    "Convert one level a time.");

// What the designer is told of a level too large for the board.
QString tooLargeMessage(level::SokobanSize size)
{
    const auto count = [](std::size_t n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    return QStringLiteral("This level does not fit the board: it is %1 wide and %2 high, and the board has "
                          "%3 columns and %4 rows. Nothing was saved.")
        .arg(count(size.columns, "column", "columns"), count(size.rows, "row", "rows"))
        .arg(level::kColumns)
        .arg(level::kRows);
}

QString noLevelMessage()
{
    return QStringLiteral("There is no level in this text: it holds none of the level characters (# @ + $ * .). "
                          "Nothing was saved.");
}

} // namespace

QTextOption HelpText::textOption() const
{
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WordWrap);
    option.setTabStopDistance(kHelpTabStop);
    return option;
}

QRectF HelpText::textBounds() const
{
    QPixmap scratch(1, 1);
    QPainter painter(&scratch);
    painter.setFont(font());
    return painter.boundingRect(QRectF(contentsRect()), text(), textOption());
}

void HelpText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(contentsRect()), text(), textOption());
}

QString withCarriageReturns(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text;
}

convertwindow::convertwindow(const fw::MenuBar& menuBar, LastFolder& lastFolder, QWidget* parent)
    : QWidget(parent)
    , m_lastFolder(lastFolder)
{
    setObjectName(QStringLiteral("convertwindow"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint);
    setWindowTitle(QStringLiteral("Sokoban Levelconverter,"));
    setFixedSize(482, 280);
    setFont(withPixels(font(), kTextPixels));

    m_EditField1 = new QPlainTextEdit(this);
    m_EditField1->setObjectName(QStringLiteral("EditField1"));
    m_EditField1->setGeometry(20, 21, 246, 239);
    m_EditField1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_EditField1->setLineWrapMode(QPlainTextEdit::NoWrap);

    m_PushButton1 = new QPushButton(QStringLiteral("Convert and Save"), this);
    m_PushButton1->setObjectName(QStringLiteral("PushButton1"));
    m_PushButton1->setGeometry(356, 245, 108, 20);
    m_PushButton1->setFont(withPixels(font(), kSmallPixels));
    m_PushButton1->setAutoDefault(false);
    connect(m_PushButton1, &QPushButton::clicked, this, &convertwindow::PushButton1_Action);

    auto* help = new HelpText(kConverterHelp, this);
    help->setObjectName(QStringLiteral("StaticText1"));
    help->setTextFormat(Qt::PlainText);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    help->setGeometry(285, 23, 163, 197);
    help->setFont(withPixels(font(), kSmallPixels));

    m_PushButton2 = new QPushButton(QStringLiteral("close"), this);
    m_PushButton2->setObjectName(QStringLiteral("PushButton2"));
    m_PushButton2->setGeometry(288, 245, 55, 20);
    m_PushButton2->setAutoDefault(false);
    connect(m_PushButton2, &QPushButton::clicked, this, &convertwindow::PushButton2_Action);

    menuBar.attachShortcuts(this);
}

void convertwindow::PushButton1_Action()
{
    const std::string text = withCarriageReturns(m_EditField1->toPlainText()).toStdString();
    const auto file = level::convertSokobanLevel(text);
    if (!file) {
        const level::SokobanSize size = level::sokobanLevelSize(text);
        fw::MsgBox(this, size.isEmpty() ? noLevelMessage() : tooLargeMessage(size));
        return;
    }
    saveit(*file);
}

void convertwindow::PushButton2_Action()
{
    close();
}

void convertwindow::saveit(const std::string& content)
{
    const auto path = fw::GetSaveFolderItem(this, QString::fromLatin1(FileTypes::R11o),
                                            m_lastFolder.proposal(QStringLiteral("Level")));
    if (!path)
        return;
    if (!fw::FolderItem(*path).WriteText(content)) {
        fw::MsgBox(this, notSavedMessage(*path));
        return;
    }
    m_lastFolder.remember(*path);
}

} // namespace editor
