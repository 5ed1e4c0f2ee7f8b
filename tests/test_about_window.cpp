// The about box: its texts, and the main window hidden while it is open.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "game/windows/AboutBox.h"
#include "shared/gui/SingleWindow.h"
#include "tests/support/ControlTable.h"
#include "tests/support/WidgetTest.h"

using game::about;

namespace {

class AboutBox : public testsupport::WidgetTest {
protected:
    AboutBox() { mainWindow.show(); }

    static QString text(about& box, const char* name) { return box.findChild<QLabel*>(name)->text(); }

    QWidget mainWindow;
};

} // namespace

TEST_F(AboutBox, ShowsTheNameTheRulesAndTheCredits)
{
    about& box = game::showAbout(&mainWindow);
    EXPECT_EQ(text(box, "StaticText1"), "Vesperon 1.1");
    const QStringList lines = text(box, "StaticText2").split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines[0].contains("spooky"));
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "How to play:");
    EXPECT_EQ(lines[3], "The mission is to hunt the ghosts down too their graves so they can rest in peace.");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "You can only force the ghosts forward, but if you happened to hunt a ghost into a corner, "
                        "you can revers one step, only one.");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Well try it out yourself");
    EXPECT_EQ(lines.mid(8, 3), QStringList({"", "", ""}));
    EXPECT_TRUE(lines[11].contains("Tallowick"));
    EXPECT_TRUE(lines[12].contains('@'));
    EXPECT_TRUE(box.findChild<QLabel*>("StaticText2")->wordWrap());
    EXPECT_TRUE(text(box, "StaticText3").contains("Qt"));
    EXPECT_EQ(box.size(), QSize(750, 375));
    EXPECT_TRUE(box.windowTitle().isEmpty());
}

TEST_F(AboutBox, TheButtonAndTheCloseBoxBothShowTheMainWindowAgain)
{
    QString firstTexts;
    for (bool closeBox : {false, true}) {
        about& box = game::showAbout(&mainWindow);
        EXPECT_FALSE(mainWindow.isVisible()) << closeBox;
        const QString texts = text(box, "StaticText1") + text(box, "StaticText2") + text(box, "StaticText3");
        if (firstTexts.isEmpty())
            firstTexts = texts;
        EXPECT_EQ(texts, firstTexts) << "a fresh box shows the same texts";
        if (closeBox)
            box.close();
        else
            QTest::mouseClick(box.findChild<QPushButton*>("PushButton1"), Qt::LeftButton);
        EXPECT_TRUE(mainWindow.isVisible()) << closeBox;
        testsupport::flushDeletes();
        EXPECT_FALSE(fw::SingleWindow<about>::find()) << "closing ends the box";
    }
}

TEST_F(AboutBox, WorksWithoutAMainWindow)
{
    about& box = game::showAbout(nullptr);
    box.close();
    testsupport::flushDeletes();
    EXPECT_FALSE(fw::SingleWindow<about>::find());
}

// The box as the player sees it.

TEST_F(AboutBox, EveryControlStandsAtItsPlaceWithItsCaption)
{
    about& box = game::showAbout(&mainWindow);
    using testsupport::ControlRow;
    const ControlRow controls[] = {
        {"StaticText1", {7, 8, 263, 52}, "Vesperon 1.1", 30, true},
        // The description and the credits are read line by line above.
        {"StaticText2", {7, 55, 504, 298}, text(box, "StaticText2"), 12},
        {"StaticText3", {515, 5, 231, 293}, text(box, "StaticText3"), 12},
        {"PushButton1", {646, 335, 69, 20}, "close", 12},
    };
    testsupport::expectControls(box, controls);
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(0xAB, 0x9B, 0xA7));
}
