// The editor's menus: every item, its binding by name, and shortcuts in every window.
#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>

#include "tests/support/EditorFixture.h"

using testsupport::EditorTest;

namespace {

struct Item {
    const char* name;
    const char* caption;
    const char* shortcut;
};

const std::vector<Item> kFileMenu = {
    {"Filenew", "New Level", "Ctrl+N"}, {"Fileopen", "Open", "Ctrl+O"}, {"Filesave", "Save As", "Ctrl+S"},
    {"UntitledMenu1", "-", ""},         {"fileconvert", "Convert", "Ctrl+K"}, {"FileQuit", "Quit", "Ctrl+Q"},
};
const std::vector<Item> kEditMenu = {
    {"EditUndo", "&Undo", "Ctrl+Z"}, {"UntitledMenu0", "-", ""},       {"EditCut", "Cu&t", "Ctrl+X"},
    {"EditCopy", "&Copy", "Ctrl+C"}, {"EditPaste", "&Paste", "Ctrl+V"}, {"EditClear", "Clear", ""},
};

void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

} // namespace

using Menus = EditorTest;

TEST_F(Menus, TheBarHoldsEveryItemInOrderAllEnabled)
{
    const auto& menus = app.MenuBar1().menus();
    ASSERT_EQ(menus.size(), 2u);
    const std::pair<const char*, const std::vector<Item>*> expected[] = {{"FileMenu", &kFileMenu},
                                                                          {"EditMenu", &kEditMenu}};
    for (std::size_t m = 0; m < 2; ++m) {
        EXPECT_EQ(menus[m].action->objectName(), expected[m].first);
        EXPECT_TRUE(menus[m].action->isEnabled());
        const std::vector<Item>& items = *expected[m].second;
        ASSERT_EQ(menus[m].items.size(), static_cast<qsizetype>(items.size()));
        for (std::size_t i = 0; i < items.size(); ++i) {
            const QAction* action = menus[m].items[static_cast<qsizetype>(i)];
            EXPECT_EQ(action->objectName(), items[i].name);
            EXPECT_EQ(action->isSeparator(), std::string(items[i].caption) == "-") << items[i].name;
            EXPECT_EQ(action->text(), action->isSeparator() ? "" : items[i].caption) << "a separator shows no title";
            EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(items[i].shortcut))) << items[i].name;
            EXPECT_TRUE(action->isEnabled()) << items[i].name;
        }
    }
    EXPECT_EQ(menus[0].action->text(), "&File");
    EXPECT_EQ(menus[1].action->text(), "&Edit");
    EXPECT_EQ(app.MenuBar1().Child("FileQuit")->menuRole(), QAction::QuitRole);

    const auto* bar = editorWindow().findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    EXPECT_EQ(bar->actions()[1]->text(), "&Edit");
}

TEST_F(Menus, EachFileItemRunsTheHandlerBoundToItsName)
{
    chooseTool(1);
    press(60);
    trigger("Filenew");
    EXPECT_EQ(editorWindow().grid(), level::Grid{});

    trigger("Fileopen");
    EXPECT_EQ(desktop.openParents.size(), 1u);

    EXPECT_EQ(window2(), nullptr);
    trigger("Filesave");
    ASSERT_NE(window2(), nullptr);
    EXPECT_TRUE(window2()->isVisible());
    EXPECT_TRUE(desktop.saveDialogs.empty()) << "Save As only asks for the code again";

    EXPECT_EQ(converter(), nullptr);
    trigger("fileconvert");
    ASSERT_NE(converter(), nullptr);
    EXPECT_TRUE(converter()->isVisible());
}

TEST_F(Menus, SaveAsAgainBringsBackTheOpenConfirmationWithItsText)
{
    trigger("Filesave");
    editor::Window2* first = window2();
    QTest::keyClicks(first->EditField1(), "half");
    trigger("Filesave");
    EXPECT_EQ(window2(), first);
    EXPECT_EQ(first->EditField1()->text(), "half");
    EXPECT_EQ(QApplication::topLevelWidgets().count(first), 1);
}

struct Shortcut {
    const char* name;
    int key;
};

class ShortcutsInFront : public EditorTest, public ::testing::WithParamInterface<bool> {
protected:
    // The confirmation window or the converter, in front.
    QWidget& front()
    {
        trigger(GetParam() ? "Filesave" : "fileconvert");
        QWidget* window = GetParam() ? static_cast<QWidget*>(window2()) : converter();
        bringToFront(*window);
        return *window;
    }
};

TEST_P(ShortcutsInFront, ActOnTheEditor)
{
    QWidget& window = front();
    chooseTool(0);
    press(5);
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(editorWindow().grid(), level::Grid{}) << "Cmd+N";

    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(desktop.openParents.size(), 1u) << "Cmd+O";

    bringToFront(window);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_NE(window2(), nullptr) << "Cmd+S";
    EXPECT_TRUE(window2()->isVisible());

    bringToFront(window);
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    ASSERT_NE(converter(), nullptr) << "Cmd+K";
    EXPECT_TRUE(converter()->isVisible());
}

TEST_P(ShortcutsInFront, QuitEndsTheEventLoop)
{
    QWidget& window = front();
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QTimer::singleShot(5000, &qt, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, ShortcutsInFront, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Window2" : "convertwindow"; });

TEST_F(Menus, WithTheEditorClosedTheOthersStayAndOpenMakesAFreshEditor)
{
    trigger("Filesave");
    trigger("fileconvert");
    chooseTool(2);
    press(1);
    editorWindow().close();
    flushDeletes();
    EXPECT_EQ(fw::SingleWindow<editor::Window1>::find(), nullptr);
    ASSERT_NE(window2(), nullptr);
    ASSERT_NE(converter(), nullptr);
    EXPECT_TRUE(window2()->isVisible());
    EXPECT_TRUE(converter()->isVisible());

    trigger("Fileopen");
    ASSERT_EQ(desktop.openParents.size(), 1u);
    auto* fresh = fw::SingleWindow<editor::Window1>::find();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(desktop.openParents[0], fresh) << "the fresh window is there before the dialog";
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(fresh->grid(), level::Grid{});
    EXPECT_EQ(fresh->windowTitle(), "Level Editor - Level 01");
}

TEST_F(Menus, EditItemsWorkOnTheFocusedFieldAndNeverOnTheGrid)
{
    trigger("Filesave");
    bringToFront(*window2());
    QLineEdit* field = window2()->EditField1();
    field->setFocus();
    QTest::keyClicks(field, "code");
    field->selectAll();
    trigger("EditCut");
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), "code");
    trigger("EditPaste");
    trigger("EditPaste");
    EXPECT_EQ(field->text(), "codecode");

    chooseTool(0);
    press(3);
    const level::Grid drawn = editorWindow().grid();
    bringToFront(editorWindow());
    editorWindow().setFocus();
    trigger("EditUndo");
    EXPECT_EQ(editorWindow().grid(), drawn);
}

// Clear from the Edit menu takes away the selected part of the focused text and keeps the
// rest, in a one-line field and in the converter's text area alike.
TEST_F(Menus, ClearDeletesTheSelectionOnly)
{
    trigger("Filesave");
    bringToFront(*window2());
    QLineEdit* field = window2()->EditField1();
    field->setFocus();
    QTest::keyClicks(field, "keepGONEkeep");
    field->setSelection(4, 4);
    ASSERT_EQ(QApplication::focusWidget(), field);
    trigger("EditClear");
    EXPECT_EQ(field->text(), "keepkeep");

    trigger("fileconvert");
    bringToFront(*converter());
    QPlainTextEdit* area = converter()->EditField1();
    area->setFocus();
    area->setPlainText("#####\n#@$.#\n#####");
    QTextCursor cursor = area->textCursor();
    cursor.setPosition(7);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    area->setTextCursor(cursor);
    ASSERT_EQ(QApplication::focusWidget(), area);
    trigger("EditClear");
    EXPECT_EQ(area->toPlainText(), QStringLiteral("#####\n#.#\n#####"));
}
