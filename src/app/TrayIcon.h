#pragma once
#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <optional>

// The hand in the notification area. A left click asks for the program menu,
// a right click asks to end the program; other clicks (a double click's
// second press among them) do nothing. Where the desktop has no
// notification area, available() says so and the launcher does without.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static inline const QString Tip = QStringLiteral("Orvik 2000 v1.01");

    // icon is asked for when the icon is first shown.
    explicit TrayIcon(std::function<QIcon()> icon, QObject* parent = nullptr);

    bool available() const;
    // Overrides the desktop's answer (tests, desktops that misreport it).
    void setAvailable(bool available) { forcedAvailable_ = available; }

    void show();
    void hide();
    bool isShown() const;
    QString tip() const;

    // What a click on the icon does, as the desktop reports it.
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

signals:
    void menuRequested();
    void endRequested();

private:
    std::function<QIcon()> icon_;
    QSystemTrayIcon* tray_ = nullptr;
    std::optional<bool> forcedAvailable_;
};
