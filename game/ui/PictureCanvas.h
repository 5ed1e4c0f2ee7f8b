// A canvas showing one of the program's pictures from its top-left corner; a canvas
// smaller than the picture shows only that part of it.
#pragma once

#include <QSize>
#include <QWidget>

namespace game {

class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    PictureCanvas(int pictureId, QSize pictureSize, bool whiteTransparent, QWidget* parent);

    int pictureId() const { return m_pictureId; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_pictureId;
    QSize m_pictureSize;
    bool m_whiteTransparent;
};

} // namespace game
