// Every picture the editor fetches by number is in its resources; its tiles are solid.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include "shared/gui/Pictures.h"

TEST(EditorAssets, EveryPictureNumberIsThereAndTilesAreSolid)
{
    int argc = 1;
    char name[] = "test_editor_assets";
    char* argv[] = {name};
    QGuiApplication app(argc, argv);
    // 168..174 are the tiles, drawn on the grid at 50 and on the palette at 60;
    // 175 and 176 are the wall buttons' icons.
    for (int id = 168; id <= 176; ++id) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/pictures/%1.svg").arg(id))) << id;
        const QImage icon = fw::picture(id, {60, 60}, 1.0).toImage();
        ASSERT_FALSE(icon.isNull()) << id;
        EXPECT_EQ(icon.size(), QSize(60, 60)) << id;
    }
    for (int id = 168; id <= 174; ++id) {
        const QImage tile = fw::picture(id, {50, 50}, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        int seeThrough = 0;
        for (int y = 0; y < tile.height(); ++y) {
            for (int x = 0; x < tile.width(); ++x)
                seeThrough += qAlpha(tile.pixel(x, y)) < 255;
        }
        EXPECT_EQ(seeThrough, 0) << id;
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/sounds/168.wav")));
}
