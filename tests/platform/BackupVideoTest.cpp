// Video lessons on the backup engine: libmpv draws into the native window the ui gives it. This
// needs an X display; under the offscreen platform it skips, and CTest runs it again on Xvfb.
#include "PlatformTestSupport.h"
#include "TestMedia.h"

#include "platform/PlatformEngines.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using platformtest::TestMedia;
using platformtest::waitUntil;
using Engine = ports::MediaEngines::Engine;
using Role = ports::MediaEngines::Role;

// The share of a window's pixels in strong colours: the test picture's bars, never the black
// background of an empty video window.
double colourfulShare(const QWidget& window) {
    const QImage image =
        window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    if (image.isNull() || image.width() * image.height() == 0) {
        return 0;
    }
    qint64 colourful = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.hsvSaturation() > 100 && colour.value() > 80) {
                ++colourful;
            }
        }
    }
    return double(colourful) / (double(image.width()) * image.height());
}

TEST(BackupEngineVideo, DrawsTheWmvIntoTheWindowItIsGivenAndStopsWhenDetached) {
    platformtest::ensureApplication();
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs an X display (CTest runs it under Xvfb)";
    }
    if (!platformtest::soundServerReachable()) {
        GTEST_SKIP() << platformtest::noSoundServer;
    }
    ASSERT_TRUE(TestMedia::instance().valid()) << TestMedia::instance().error().toStdString();

    QWidget window;
    window.setAttribute(Qt::WA_NativeWindow);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(320, 240);
    window.show();
    ASSERT_TRUE(waitUntil([&] { return window.windowHandle()->isExposed(); }, 5000));
    EXPECT_LT(colourfulShare(window), 0.01) << "an empty video window is black";

    platform::PlatformEngines engines;
    auto player = engines.createPlayer(Engine::Backup, Role::Video);
    player->setVideoSurface(&window);
    player->open(TestMedia::instance().clipWmv());
    player->setPosition(500);
    player->play();
    double share = 0;
    EXPECT_TRUE(waitUntil(
        [&] {
            share = colourfulShare(window);
            return share > 0.3;
        },
        10000))
        << "colourful share of the window: " << share;
    EXPECT_GE(player->position(), 500 - 30);
    player->setVideoSurface(nullptr);
    window.update();
    EXPECT_TRUE(waitUntil(
        [&] {
            share = colourfulShare(window);
            return share < 0.01;
        },
        5000))
        << "detached, the window still shows the video: " << share;
}

} // namespace
