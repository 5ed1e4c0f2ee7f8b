// The converter window: pasted Sokoban levels saved as four-field level files.
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>

#include "tests/support/EditorFixture.h"
#include "tests/support/TempTree.h"

using testsupport::EditorTest;

namespace {

const QString kHelpLines[] = {
    "Paste standard sokoban levelcode.",
    "for instance:",
    "",
    " #####",
    " ###   ##",
    "##   #  ##" + QString(22, ' '),
    "#  * * * #" + QString(18, '\t') + "(max 12x12)",
    "#+  $ *  #",
    "#### * ###",
    "   #  ##",
    "   ####",
    "",
    "Dont include levelname or levelinfo.",
    "Convert one level a time.",
};

} // namespace

class Converter : public EditorTest {
protected:
    editor::convertwindow& open()
    {
        trigger("fileconvert");
        return *converter();
    }
    // Pastes text into the field as the designer would.
    void paste(const QString& text)
    {
        QApplication::clipboard()->setText(text);
        open().EditField1()->paste();
    }
    void convertTo(const QString& name)
    {
        desktop.savePaths.push_back(path(name));
        QTest::mouseClick(open().PushButton1(), Qt::LeftButton);
    }
};

TEST_F(Converter, TheWindowHasItsTitleSizeAndHelp)
{
    editor::convertwindow& w = open();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Sokoban Levelconverter,");
    EXPECT_EQ(w.size(), QSize(482, 280));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.EditField1()->geometry(), QRect(20, 21, 246, 239));
    EXPECT_EQ(w.PushButton1()->text(), "Convert and Save");
    EXPECT_EQ(w.PushButton1()->font().pixelSize(), 10);
    EXPECT_EQ(w.PushButton2()->text(), "close");
    EXPECT_EQ(w.PushButton2()->geometry(), QRect(288, 245, 55, 20));
    const auto* help = w.findChild<editor::HelpText*>("StaticText1");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->font().pixelSize(), 10);
    EXPECT_EQ(help->geometry(), QRect(285, 23, 163, 197));
    EXPECT_LE(help->textBounds().bottom(), help->contentsRect().bottom() + 1.0) << "every line can be read";
    const QStringList lines = help->text().split('\n');
    ASSERT_EQ(lines.size(), 14);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(lines[i], kHelpLines[i]) << "line " << i + 1;
}

// A level pasted with each kind of row end converts row by row.
class PastedRows : public Converter, public ::testing::WithParamInterface<const char*> {};

TEST_P(PastedRows, BecomeBoardRows)
{
    QString text = QStringLiteral("#@\n$.\n+*\n");
    text.replace("\n", QString::fromLatin1(GetParam()));
    paste(text);
    convertTo("Level");
    EXPECT_EQ(read("Level"), "0\r1,24\r12,25\r13,24,25\r");
}

constexpr const char* kLineEndNames[] = {"LF", "CRLF", "CR"};
INSTANTIATE_TEST_SUITE_P(LineEnds, PastedRows, ::testing::Values("\n", "\r\n", "\r"),
                         [](const auto& info) { return kLineEndNames[info.index]; });

TEST_F(Converter, TheSameTextConvertsAgainAndTheEditorIsLeftAlone)
{
    paste("#  #");
    convertTo("one");
    convertTo("two");
    ASSERT_EQ(desktop.saveDialogs.size(), 2u);
    EXPECT_EQ(desktop.saveDialogs[0].fileType, "R11o");
    EXPECT_EQ(desktop.saveDialogs[0].proposedPath, QDir::current().filePath("Level"));
    EXPECT_EQ(read("one"), "0,3\r\r\r\r");
    EXPECT_EQ(read("two"), read("one"));
    EXPECT_EQ(open().EditField1()->toPlainText(), "#  #");
    EXPECT_EQ(editorWindow().windowTitle(), "Level Editor - Level 01");
    EXPECT_EQ(editorWindow().grid(), level::Grid{});
}

TEST_F(Converter, CancellingWritesNothing)
{
    paste("#");
    QTest::mouseClick(open().PushButton1(), Qt::LeftButton);
    EXPECT_EQ(desktop.saveDialogs.size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(Converter, ASaveThatCannotWriteSaysSo)
{
    QDir(dir.path()).mkpath("taken/inside");
    paste("#");
    convertTo("taken");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].contains(QDir::toNativeSeparators(path("taken"))));
    EXPECT_TRUE(desktop.messages[0].contains("not saved"));
    EXPECT_TRUE(QFileInfo(path("taken/inside")).isDir());
}

TEST_F(Converter, ASaveOnAFullDiskSaysSoAndKeepsTheOldFileByteForByte)
{
    write("old", "0\r1\r2\r3\r");
    paste("#####\r#@$.#\r#####");
    {
        const testsupport::FullDisk full;
        convertTo("old");
    }
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].contains(QDir::toNativeSeparators(path("old"))));
    EXPECT_TRUE(desktop.messages[0].contains("not saved"));
    EXPECT_EQ(read("old"), "0\r1\r2\r3\r");
}

TEST_F(Converter, ConvertAgainBringsBackTheOpenWindowAndCloseEndsIt)
{
    editor::convertwindow* first = &open();
    paste("#@");
    EXPECT_EQ(&open(), first);
    EXPECT_EQ(first->EditField1()->toPlainText(), "#@");
    QTest::mouseClick(first->PushButton2(), Qt::LeftButton);
    flushDeletes();
    EXPECT_EQ(converter(), nullptr);
    EXPECT_TRUE(open().EditField1()->toPlainText().isEmpty());
}

// Only a level that fits the board is converted.

TEST_F(Converter, ATwelveByTwelveLevelWithBlanksAfterItsRowsConvertsWhole)
{
    QStringList rows;
    for (int row = 0; row < 12; ++row)
        rows << QString(12, '#') + "   ";
    paste(rows.join('\n'));
    convertTo("full");
    std::string walls;
    for (int cell = 0; cell < 144; ++cell)
        walls.append(cell == 0 ? "" : ",").append(std::to_string(cell));
    EXPECT_EQ(read("full"), walls + "\r\r\r\r");
    EXPECT_TRUE(desktop.messages.empty());
}

struct TooLarge {
    const char* name;
    QString text;
    const char* size;
};

void PrintTo(const TooLarge& c, std::ostream* out)
{
    *out << c.name;
}

class ALevelTooLarge : public Converter, public ::testing::WithParamInterface<TooLarge> {};

TEST_P(ALevelTooLarge, IsRefusedWithItsSizeAndNothingIsWritten)
{
    paste(GetParam().text);
    convertTo("Level");
    EXPECT_TRUE(desktop.saveDialogs.empty()) << "no file is asked for";
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0], QStringLiteral("This level does not fit the board: it is %1, and the board has 12 "
                                                  "columns and 12 rows. Nothing was saved.")
                                       .arg(QLatin1String(GetParam().size)));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, ALevelTooLarge,
    ::testing::Values(TooLarge{"ThirteenColumns", "#  $  .  @  #   \n#", "13 columns wide and 2 rows high"},
                      TooLarge{"ThirteenRows", QString("#\n").repeated(13), "1 column wide and 13 rows high"},
                      TooLarge{"ThirteenColumnsIndented", "  #  $  .  @  #", "13 columns wide and 1 row high"},
                      TooLarge{"ThirteenRowsBelowABlankLine", "\n" + QString(" #\n").repeated(13),
                               "1 column wide and 13 rows high"}),
    [](const auto& info) { return std::string(info.param.name); });

// A text with no level in it is refused before any file is asked for.
class ATextWithNoLevel : public Converter, public ::testing::WithParamInterface<const char*> {};

TEST_P(ATextWithNoLevel, IsRefusedAndNothingIsWritten)
{
    paste(QString::fromLatin1(GetParam()));
    convertTo("Level");
    EXPECT_TRUE(desktop.saveDialogs.empty()) << "no file is asked for";
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0], "There is no level in this text: it holds none of the level characters "
                                   "(# @ + $ * .). Nothing was saved.");
}

constexpr const char* kNoLevelNames[] = {"Empty", "BlanksTabsAndLineBreaks", "ALevelNameOnly"};
INSTANTIATE_TEST_SUITE_P(Texts, ATextWithNoLevel, ::testing::Values("", "  \n\t\n \t \r\n\n", "Level 1"),
                         [](const auto& info) { return kNoLevelNames[info.index]; });

// Margins pasted with a level: kept where the level fits with them, dropped where it fits
// only without them.

TEST_F(Converter, ALevelPastedLowerAndIndentedThatFitsKeepsItsPlace)
{
    paste("\n  #@\n  $.");
    convertTo("Level");
    EXPECT_EQ(read("Level"), "14\r15\r26\r27\r");
}

struct Margins {
    const char* name;
    QString before;
    QString indent;
    QString lineEnd;
};

void PrintTo(const Margins& c, std::ostream* out)
{
    *out << c.name;
}

class ATwelveByTwelveLevelPasted : public Converter, public ::testing::WithParamInterface<Margins> {};

TEST_P(ATwelveByTwelveLevelPasted, ConvertsAsWithoutItsMargins)
{
    const QStringList level = {
        "#          #", " @$", "", "", "", "", "", "", "", "", "          .", "#          #",
    };
    QStringList indented;
    for (const QString& row : level)
        indented << GetParam().indent + row;
    paste(GetParam().before + indented.join(GetParam().lineEnd));
    convertTo("Level");
    EXPECT_EQ(read("Level"), "0,11,132,143\r13\r14\r130\r");
    EXPECT_TRUE(desktop.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ATwelveByTwelveLevelPasted,
    ::testing::Values(Margins{"AsItIs", "", "", "\n"}, Margins{"BelowABlankLine", "\n", "", "\n"},
                      Margins{"IndentedByTwoBlanks", "", "  ", "\n"},
                      Margins{"BelowABlankLineAndIndented", "\n", "  ", "\n"},
                      Margins{"BelowLinesOfBlanksAndIndentedWithCRLF", "  \r\n\t\r\n", "  ", "\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });
