#pragma once
#include <QDBusMessage>
#include <QObject>
#include <QStringList>

// Watches the system's disk service (UDisks2 over D-Bus) for a disc put into
// an optical drive and reports it, as the shell's AutoPlay query does on
// Windows. Without a system bus or UDisks2 it simply never reports.
class AutoPlayWatcher : public QObject {
    Q_OBJECT
public:
    explicit AutoPlayWatcher(QObject* parent = nullptr);

    // Mount points of the file systems on the drive's media, if mounted.
    static QStringList mountPointsOf(const QString& driveObjectPath);

signals:
    void mediaInserted(const QString& driveObjectPath);

private slots:
    void propertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                           const QStringList& invalidated, const QDBusMessage& message);
};
