// The converter window: a level in the plain-text Sokoban notation, pasted in, is saved
// as a four-field level file.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace fw {
class MenuBar;
} // namespace fw

namespace editor {

// The help beside the text field, line by line; two example rows carry the blanks and
// tabs they always had.
extern const QString kConverterHelp;

class convertwindow : public QWidget {
    Q_OBJECT
public:
    explicit convertwindow(const fw::MenuBar& menuBar, QWidget* parent = nullptr);

    QPlainTextEdit* EditField1() const { return m_EditField1; }
    QPushButton* PushButton1() const { return m_PushButton1; }
    QPushButton* PushButton2() const { return m_PushButton2; }

private:
    void PushButton1_Action();
    void PushButton2_Action();
    void saveit(const std::string& content);

    QPlainTextEdit* m_EditField1 = nullptr;
    QPushButton* m_PushButton1 = nullptr;
    QPushButton* m_PushButton2 = nullptr;
};

// The field's text with every row end as a carriage return, as the scan expects.
QString withCarriageReturns(QString text);

} // namespace editor
