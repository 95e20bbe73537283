#include "platform/ConfigDir.h"

#include <QDir>

namespace platform {

QString configDir()
{
    const QString own = qEnvironmentVariable("ORVIK_CONFIG_DIR");
    if (!own.isEmpty())
        return own;
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/orvik2000");
}

} // namespace platform
