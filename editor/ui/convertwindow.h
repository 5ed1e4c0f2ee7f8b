// The converter window: a level in the plain-text Sokoban notation, pasted in, is saved
// as a four-field level file.
#pragma once

#include <QLabel>
#include <QString>
#include <QTextOption>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace fw {
class MenuBar;
} // namespace fw

namespace editor {

class LastFolder;

// The help's static text; its tabs advance to stops one pixel apart.
class HelpText : public QLabel {
public:
    using QLabel::QLabel;
    QTextOption textOption() const;
    // Where the text lies when drawn inside the label.
    QRectF textBounds() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class convertwindow : public QWidget {
    Q_OBJECT
public:
    // The save dialog starts in lastFolder, and each file saved moves it.
    convertwindow(const fw::MenuBar& menuBar, LastFolder& lastFolder, QWidget* parent = nullptr);

    QPlainTextEdit* EditField1() const { return m_EditField1; }
    QPushButton* PushButton1() const { return m_PushButton1; }
    QPushButton* PushButton2() const { return m_PushButton2; }

private:
    void PushButton1_Action();
    void PushButton2_Action();
    void saveit(const std::string& content);

    LastFolder& m_lastFolder;
    QPlainTextEdit* m_EditField1 = nullptr;
    QPushButton* m_PushButton1 = nullptr;
    QPushButton* m_PushButton2 = nullptr;
};

// The field's text with every row end as a carriage return, as the scan expects.
QString withCarriageReturns(QString text);

} // namespace editor
