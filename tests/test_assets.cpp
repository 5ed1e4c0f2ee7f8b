// Every picture the game fetches by number is in its resources.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>

#include "shared/gui/Pictures.h"

TEST(GameAssets, EveryPictureNumberIsThere)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QGuiApplication app(argc, argv);
    for (int id : {169, 170, 171, 172, 173, 175, 176, 177, 178, 179, 180, 181, 182, 183}) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/pictures/%1.svg").arg(id))) << id;
        EXPECT_FALSE(fw::picture(id, {50, 50}, 2.0).isNull()) << id;
    }
    EXPECT_EQ(fw::picture(182, {50, 50}, 2.0).size(), QSize(100, 100));
    EXPECT_EQ(&fw::picture(182, {50, 50}, 2.0), &fw::picture(182, {50, 50}, 2.0));
}
