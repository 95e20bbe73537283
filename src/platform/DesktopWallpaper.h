#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

enum class WallpaperPlacement { Tiled, Centred };

// How the program reaches the desktop's own tools: programs started without
// waiting, a program whose output is wanted (with a short time limit), and
// Plasma's scripting call on the session bus. Tests install a recording
// double, so no test ever changes a real desktop.
class DesktopRunner {
public:
    virtual ~DesktopRunner() = default;

    virtual bool isInstalled(const QString& program) const;
    virtual void start(const QString& program, const QStringList& arguments);
    // The program's standard output, or nothing when it fails or takes more
    // than two seconds.
    virtual QString capture(const QString& program, const QStringList& arguments);
    virtual void evaluatePlasmaScript(const QString& script);

    static DesktopRunner& instance();
    // Installs a replacement (not owned) and returns the one it replaces;
    // nullptr restores the real one.
    static DesktopRunner* install(DesktopRunner* runner);
};

// Asks the running desktop to show file as its wallpaper. desktopNames is
// the session's XDG_CURRENT_DESKTOP (a colon-separated list such as
// "ubuntu:GNOME"). GNOME and its relatives and MATE are told through
// gsettings, KDE Plasma through its scripting call, Xfce through
// xfconf-query for every monitor it knows; any other desktop through feh or
// xwallpaper when one is installed. Whether the desktop took it is not
// checked: the wallpaper simply shows, or does not.
void applyWallpaper(DesktopRunner& runner, const QString& desktopNames, const QString& file,
                    WallpaperPlacement placement);

// Test double: records every request as one line ("gsettings set ...",
// "plasma: <script>") and answers capture() from the outputs a test sets.
class RecordingDesktopRunner : public DesktopRunner {
public:
    bool isInstalled(const QString& program) const override { return installed.contains(program); }
    void start(const QString& program, const QStringList& arguments) override;
    QString capture(const QString& program, const QStringList& arguments) override;
    void evaluatePlasmaScript(const QString& script) override;

    QStringList installed;
    QString capturedOutput; // what every capture() returns
    QStringList requests;
};

} // namespace platform
