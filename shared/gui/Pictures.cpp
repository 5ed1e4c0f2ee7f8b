// The picture cache.
#include "shared/gui/Pictures.h"

#include <iostream>
#include <map>
#include <set>
#include <tuple>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace fw {
namespace {

using Key = std::tuple<int, int, int, qreal, bool>;

QPixmap render(int id, QSize size, qreal dpr, bool whiteTransparent)
{
    // A missing picture is asked for at every repaint: look before Qt's reader, which
    // would complain each time.
    const QString path = QStringLiteral(":/pictures/%1.svg").arg(id);
    QSvgRenderer renderer;
    if (!QFile::exists(path) || !renderer.load(path)) {
        static std::set<int> reported;
        if (reported.insert(id).second)
            std::cerr << "vesperon: picture " << id << " is missing from the program's resources\n";
        return {};
    }
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (whiteTransparent) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF && qAlpha(line[x]) == 255)
                    line[x] = 0;
            }
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

const QPixmap& cached(int id, QSize size, qreal dpr, bool whiteTransparent)
{
    static std::map<Key, QPixmap> cache;
    static const QPixmap none;
    const Key key{id, size.width(), size.height(), dpr, whiteTransparent};
    auto it = cache.find(key);
    if (it == cache.end()) {
        QPixmap made = render(id, size, dpr, whiteTransparent);
        if (made.isNull())
            return none;
        it = cache.emplace(key, std::move(made)).first;
    }
    return it->second;
}

} // namespace

const QPixmap& picture(int id, QSize size, qreal devicePixelRatio)
{
    return cached(id, size, devicePixelRatio, false);
}

const QPixmap& pictureWhiteTransparent(int id, QSize size, qreal devicePixelRatio)
{
    return cached(id, size, devicePixelRatio, true);
}

} // namespace fw
