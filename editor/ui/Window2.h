// The level code confirmation window: the code is typed once more before a level is saved.
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace editor {

class App;

class Window2 : public QWidget {
    Q_OBJECT
public:
    explicit Window2(App& app, QWidget* parent = nullptr);

    QLineEdit* EditField1() const { return m_EditField1; }
    QPushButton* PushButton1() const { return m_PushButton1; }
    QPushButton* PushButton2() const { return m_PushButton2; }

private:
    // Both buttons confirm: the same code closes the window and saves, another does not.
    void PushButton1_Action();
    void PushButton2_Action();
    void confirm();

    App& m_app;
    QPushButton* m_PushButton1 = nullptr;
    QLineEdit* m_EditField1 = nullptr;
    QPushButton* m_PushButton2 = nullptr;
};

} // namespace editor
