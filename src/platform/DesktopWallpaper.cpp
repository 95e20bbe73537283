#include "platform/DesktopWallpaper.h"

#include <QDBusInterface>
#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace platform {

namespace {

DesktopRunner realRunner;
DesktopRunner* installedRunner = nullptr;

bool namesInclude(const QStringList& names, std::initializer_list<const char*> wanted)
{
    for (const QString& name : names)
        for (const char* w : wanted)
            if (name.compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

void setThroughGSettings(DesktopRunner& runner, const QString& schema, const QString& file,
                         WallpaperPlacement placement, bool asUri)
{
    const QString options = placement == WallpaperPlacement::Tiled ? QStringLiteral("wallpaper")
                                                                   : QStringLiteral("centered");
    const QString gsettings = QStringLiteral("gsettings");
    if (!file.isEmpty()) {
        if (asUri) {
            const QString uri = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
            runner.start(gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-uri"), uri});
            // Newer GNOME shows a picture of its own in dark style.
            runner.start(gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-uri-dark"), uri});
        } else {
            runner.start(gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-filename"), file});
        }
    }
    runner.start(gsettings, {QStringLiteral("set"), schema, QStringLiteral("picture-options"), options});
}

QString javaScriptString(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'\\' || c == u'"')
            quoted += u'\\';
        if (c.unicode() < 0x20) {
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            continue;
        }
        quoted += c;
    }
    return quoted + u'"';
}

void setThroughPlasma(DesktopRunner& runner, const QString& file, WallpaperPlacement placement)
{
    // Plasma's fill modes: 3 tiles the picture, 6 centres it unscaled.
    const int fillMode = placement == WallpaperPlacement::Tiled ? 3 : 6;
    QString script = QStringLiteral(
        "var all = desktops();"
        "for (var i = 0; i < all.length; i++) {"
        " var d = all[i];"
        " d.wallpaperPlugin = \"org.kde.image\";"
        " d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];");
    if (!file.isEmpty())
        script += QStringLiteral(" d.writeConfig(\"Image\", %1);")
                      .arg(javaScriptString(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)));
    script += QStringLiteral(" d.writeConfig(\"FillMode\", %1); }").arg(fillMode);
    runner.evaluatePlasmaScript(script);
}

void setThroughXfconf(DesktopRunner& runner, const QString& file, WallpaperPlacement placement)
{
    const QString xfconf = QStringLiteral("xfconf-query");
    const QString listing = runner.capture(
        xfconf, {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-l")});
    // Image style 1 centres, 2 tiles.
    const QString style = placement == WallpaperPlacement::Tiled ? QStringLiteral("2") : QStringLiteral("1");
    for (const QString& line : listing.split(u'\n', Qt::SkipEmptyParts)) {
        const QString property = line.trimmed();
        if (!property.startsWith(QLatin1String("/backdrop/")))
            continue;
        if (property.endsWith(QLatin1String("/last-image")) && !file.isEmpty())
            runner.start(xfconf, {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"),
                                  QStringLiteral("-p"), property, QStringLiteral("-s"), file});
        else if (property.endsWith(QLatin1String("/image-style")))
            runner.start(xfconf, {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"),
                                  QStringLiteral("-p"), property, QStringLiteral("-s"), style});
    }
}

void setThroughRootWindowTool(DesktopRunner& runner, const QString& file, WallpaperPlacement placement)
{
    if (file.isEmpty())
        return;
    const bool tiled = placement == WallpaperPlacement::Tiled;
    if (runner.isInstalled(QStringLiteral("feh")))
        runner.start(QStringLiteral("feh"),
                     {tiled ? QStringLiteral("--bg-tile") : QStringLiteral("--bg-center"), file});
    else if (runner.isInstalled(QStringLiteral("xwallpaper")))
        runner.start(QStringLiteral("xwallpaper"),
                     {tiled ? QStringLiteral("--tile") : QStringLiteral("--center"), file});
}

} // namespace

bool DesktopRunner::isInstalled(const QString& program) const
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

void DesktopRunner::start(const QString& program, const QStringList& arguments)
{
    if (isInstalled(program))
        QProcess::startDetached(program, arguments);
}

QString DesktopRunner::capture(const QString& program, const QStringList& arguments)
{
    if (!isInstalled(program))
        return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(500);
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void DesktopRunner::evaluatePlasmaScript(const QString& script)
{
    QDBusInterface shell(QStringLiteral("org.kde.plasmashell"), QStringLiteral("/PlasmaShell"),
                         QStringLiteral("org.kde.PlasmaShell"), QDBusConnection::sessionBus());
    if (shell.isValid())
        shell.asyncCall(QStringLiteral("evaluateScript"), script);
}

DesktopRunner& DesktopRunner::instance() { return installedRunner ? *installedRunner : realRunner; }

DesktopRunner* DesktopRunner::install(DesktopRunner* runner)
{
    return std::exchange(installedRunner, runner);
}

void applyWallpaper(DesktopRunner& runner, const QString& desktopNames, const QString& file,
                    WallpaperPlacement placement)
{
    const QStringList names = desktopNames.split(u':', Qt::SkipEmptyParts);
    if (namesInclude(names, {"KDE"}))
        setThroughPlasma(runner, file, placement);
    else if (namesInclude(names, {"XFCE"}))
        setThroughXfconf(runner, file, placement);
    else if (namesInclude(names, {"MATE"}))
        setThroughGSettings(runner, QStringLiteral("org.mate.background"), file, placement, false);
    else if (namesInclude(names, {"X-Cinnamon", "Cinnamon"}))
        setThroughGSettings(runner, QStringLiteral("org.cinnamon.desktop.background"), file, placement, true);
    else if (namesInclude(names, {"GNOME", "Unity", "Budgie", "Pantheon"}))
        setThroughGSettings(runner, QStringLiteral("org.gnome.desktop.background"), file, placement, true);
    else
        setThroughRootWindowTool(runner, file, placement);
}

void RecordingDesktopRunner::start(const QString& program, const QStringList& arguments)
{
    requests.append((QStringList{program} + arguments).join(u' '));
}

QString RecordingDesktopRunner::capture(const QString& program, const QStringList& arguments)
{
    requests.append(QStringLiteral("capture: ") + (QStringList{program} + arguments).join(u' '));
    return capturedOutput;
}

void RecordingDesktopRunner::evaluatePlasmaScript(const QString& script)
{
    requests.append(QStringLiteral("plasma: ") + script);
}

} // namespace platform
