// One of the main window's clickable text labels: darker and larger while the pointer is
// on it, and a press reports itself.
#pragma once

#include <QColor>
#include <QLabel>

namespace game {

inline constexpr QColor kLabelRed{0xFF, 0x00, 0x00};
inline constexpr QColor kLabelHover{112, 10, 0};
inline constexpr QColor kLabelRest{225, 0, 0};
inline constexpr int kLabelTextSize = 21;
inline constexpr int kLabelHoverTextSize = 22;

class MenuLabel : public QLabel {
    Q_OBJECT
public:
    MenuLabel(const QString& caption, QWidget* parent);

    QColor textColor() const;
    int textSize() const { return font().pixelSize(); }

    void MouseEnter();
    void MouseExit();

signals:
    void MouseDown();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setLook(const QColor& color, int size);
};

} // namespace game
