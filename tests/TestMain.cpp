#include "platform/DesktopWallpaper.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test process runs on the offscreen platform with its own empty
// configuration folder, so no test sees another's settings or the user's,
// and no window opened in a test changes the desktop's wallpaper.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    if (qgetenv("ORVIK_MIDI").isEmpty())
        qputenv("ORVIK_MIDI", "none");
    QTemporaryDir configDir;
    qputenv("ORVIK_CONFIG_DIR", configDir.path().toLocal8Bit());
    platform::RecordingDesktopRunner desktop;
    platform::DesktopRunner::install(&desktop);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
