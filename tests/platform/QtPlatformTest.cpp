#include "colormodels/modColorModels.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "platform/QtScreenMetrics.h"
#include "platform/QtSystemColors.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(QtColor, ConvertsBothWays) {
    EXPECT_EQ(QtColor::ToQColor(0x8BD9FE), QColor(0xFE, 0xD9, 0x8B));
    EXPECT_EQ(QtColor::FromQColor(QColor(0xFE, 0xD9, 0x8B, 0x10)), 0x8BD9FE);
    EXPECT_EQ(QtColor::ToQColor(OleColor::FromBits(0x7F000000)), QColor(0, 0, 0));
}

TEST(QtSystemColors, ReadsThePaletteWhenAsked) {
    const QPalette saved = QApplication::palette();
    auto previous = SystemColors::Install(std::make_unique<Platform::QtSystemColors>());

    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    QApplication::setPalette(palette);
    EXPECT_EQ(modColorModels::TranslateColor(OleColor::SystemColor(15)),
              OleColor::Rgb(1, 2, 3)); // button face
    EXPECT_EQ(modColorModels::TranslateColor(OleColor::SystemColor(5)), OleColor::Rgb(4, 5, 6)); // window
    for (int i = 0; i <= SystemColors::MaxIndex; ++i) {
        EXPECT_TRUE(SystemColors::OleTranslateColor(OleColor::SystemColor(i))) << i;
    }

    QApplication::setPalette(saved);
    SystemColors::Install(std::move(previous));
}

TEST(QtScreenMetrics, TwipsFollowTheLogicalDpi) {
    const Platform::QtScreenMetrics metrics;
    EXPECT_GT(metrics.TwipsPerPixelX(), 0.0);
    EXPECT_DOUBLE_EQ(metrics.TwipsPerPixelX() * QGuiApplication::primaryScreen()->logicalDotsPerInchX(),
                     1440.0);
    EXPECT_EQ(metrics.ScreenGeometryAt(std::nullopt), QGuiApplication::primaryScreen()->geometry());
}

} // namespace

namespace {

TEST(PictureBox, KeepsAnImageOfItsSizeClearedToBackColor) {
    PictureBox box;
    box.SetBackColor(0x0000FF);
    box.resize(30, 20);
    EXPECT_EQ(box.ScaleWidth(), 30);
    EXPECT_EQ(box.ScaleHeight(), 20);
    EXPECT_EQ(box.Image().pixelColor(29, 19), QColor(255, 0, 0));
    box.Image().setPixelColor(3, 4, QColor(1, 2, 3));
    box.SetBackColor(OleColor::SystemColor(5));
    EXPECT_EQ(box.Image().pixelColor(3, 4), QColor(1, 2, 3)); // drawing stays until cleared
    box.Cls();
    EXPECT_EQ(box.Image().pixelColor(3, 4), QtColor::ToQColor(OleColor::SystemColor(5)));
}

} // namespace
