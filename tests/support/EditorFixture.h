// What the editor's window tests share: one QApplication for the test program, a desktop
// whose file dialogs answer with chosen paths and whose message boxes are recorded, and a
// fresh editor application object for every test.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include "editor/ui/App.h"
#include "editor/ui/Window1.h"
#include "editor/ui/Window2.h"
#include "editor/ui/convertwindow.h"
#include "shared/gui/BoardView.h"
#include "shared/gui/Desktop.h"
#include "shared/gui/SingleWindow.h"
#include "tests/support/WidgetTest.h"

namespace testsupport {

class DialogDesktop : public fw::Desktop {
public:
    DialogDesktop() { fw::setDesktop(this); }
    ~DialogDesktop() override { fw::setDesktop(nullptr); }
    DialogDesktop(const DialogDesktop&) = delete;
    DialogDesktop& operator=(const DialogDesktop&) = delete;

    struct SaveDialog {
        QString fileType;
        QString proposedPath;
    };

    std::optional<QString> saveFile(QWidget*, const QString& fileType, const QString& proposedPath) override
    {
        saveDialogs.push_back({fileType, proposedPath});
        return next(savePaths);
    }
    std::optional<QString> openFile(QWidget* parent, const QString& folder) override
    {
        openParents.push_back(parent);
        openFolders.push_back(folder);
        return next(openPaths);
    }
    void msgBox(QWidget*, const QString& text) override { messages.push_back(text); }
    void beep() override { ++beeps; }
    void showUrl(const QUrl&) override {}

    // The answers of the coming dialogs, in order; none left means Cancel.
    std::deque<std::optional<QString>> savePaths;
    std::deque<std::optional<QString>> openPaths;

    std::vector<SaveDialog> saveDialogs;
    std::vector<QWidget*> openParents;
    std::vector<QString> openFolders; // where each open dialog started
    std::vector<QString> messages;
    int beeps = 0;

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& answers)
    {
        std::optional<QString> answer;
        if (!answers.empty()) {
            answer.swap(answers.front());
            answers.pop_front();
        }
        return answer;
    }
};

class EditorTest : public WindowTest {
protected:
    editor::Window1& editorWindow() { return app.window1(); }
    editor::Window2* window2() const { return fw::SingleWindow<editor::Window2>::find(); }
    editor::convertwindow* converter() const { return fw::SingleWindow<editor::convertwindow>::find(); }

    void chooseTool(int index) { QTest::mouseClick(editorWindow().tools(index), Qt::LeftButton); }
    void press(int cell)
    {
        QTest::mouseClick(editorWindow().ban(), Qt::LeftButton, {}, fw::cellRect(cell).center());
    }
    void placeAll(int tool, std::initializer_list<int> cells)
    {
        chooseTool(tool);
        for (int cell : cells)
            press(cell);
    }

    void trigger(const char* item) { app.MenuBar1().Child(QString::fromLatin1(item))->trigger(); }

    // Types the code into the editor, then confirms it in the confirmation window.
    void saveAs(const QString& path, const QString& code = {})
    {
        desktop.savePaths.push_back(path);
        trigger("Filesave");
        QTest::keyClicks(window2()->EditField1(), code);
        QTest::mouseClick(window2()->PushButton1(), Qt::LeftButton);
        flushDeletes();
    }

    // Lets windows that were closed end, as the event loop would.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const std::string& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string read(const QString& name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
    }

    QApplication& qt = widgetApp();
    QTemporaryDir dir;
    DialogDesktop desktop;
    editor::App app;
};

} // namespace testsupport
