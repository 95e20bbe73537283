#include "platform/AutoPlayWatcher.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>

namespace {
const QString Service = QStringLiteral("org.freedesktop.UDisks2");
const QString DriveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");
} // namespace

AutoPlayWatcher::AutoPlayWatcher(QObject* parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    // An empty path matches the properties of every drive object.
    bus.connect(Service, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList, QDBusMessage)));
}

void AutoPlayWatcher::propertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                                        const QStringList&, const QDBusMessage& message)
{
    if (interfaceName != DriveInterface || !changed.value(QStringLiteral("MediaAvailable")).toBool())
        return;
    QDBusInterface drive(Service, message.path(), DriveInterface, QDBusConnection::systemBus());
    if (drive.isValid() && drive.property("Optical").toBool())
        emit mediaInserted(message.path());
}

QStringList AutoPlayWatcher::mountPointsOf(const QString& driveObjectPath)
{
    QStringList mountPoints;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return mountPoints;
    QDBusMessage call = QDBusMessage::createMethodCall(Service, QStringLiteral("/org/freedesktop/UDisks2"),
        QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return mountPoints;

    // a{oa{sa{sv}}}: object -> interface -> property -> value
    const QDBusArgument objects = reply.arguments().constFirst().value<QDBusArgument>();
    objects.beginMap();
    while (!objects.atEnd()) {
        QDBusObjectPath path;
        QMap<QString, QVariantMap> interfaces;
        objects.beginMapEntry();
        objects >> path;
        objects.beginMap();
        while (!objects.atEnd()) {
            QString name;
            QVariantMap properties;
            objects.beginMapEntry();
            objects >> name >> properties;
            objects.endMapEntry();
            interfaces.insert(name, properties);
        }
        objects.endMap();
        objects.endMapEntry();

        const QVariantMap block = interfaces.value(QStringLiteral("org.freedesktop.UDisks2.Block"));
        if (!interfaces.contains(QStringLiteral("org.freedesktop.UDisks2.Filesystem"))
            || qvariant_cast<QDBusObjectPath>(block.value(QStringLiteral("Drive"))).path() != driveObjectPath)
            continue;
        const QVariant points = interfaces.value(QStringLiteral("org.freedesktop.UDisks2.Filesystem"))
                                    .value(QStringLiteral("MountPoints"));
        const QDBusArgument list = points.value<QDBusArgument>();
        QList<QByteArray> raw;
        list >> raw;
        for (QByteArray point : raw) {
            // Mount points come as NUL-terminated byte strings.
            while (point.endsWith('\0'))
                point.chop(1);
            mountPoints << QString::fromLocal8Bit(point);
        }
    }
    objects.endMap();
    return mountPoints;
}
