#pragma once
#include <QColor>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QUrl>

class QTabWidget;
class QWidget;
namespace platform {
class WebAddress;
}

// The "Support FREE Software!" pages: eight tabs of short notices about the
// free software this program is built with and stands on, each with the web
// addresses of the project. A click on an entry's logo, title or address
// opens the address in the browser. The menu opens it modally and destroys
// it when it is closed.
class LinksDialog : public QDialog {
    Q_OBJECT
public:
    struct Entry {
        QString title;
        QStringList description;
        QList<QUrl> addresses; // one or two; the logo and title open the first
        QString logoLetters;   // drawn on the logo panel
        QColor logoColour;
    };
    struct Page {
        QString caption;
        QList<Entry> entries;
        QString banner; // a line along the foot of the page, or empty
    };

    explicit LinksDialog(platform::WebAddress& webAddress, QWidget* parent = nullptr);

    // What the pages say, one place for all of it.
    static const QList<Page>& pages();

    QTabWidget* tabs() const { return tabs_; }

private:
    QWidget* buildPage(const Page& page);
    void buildEntry(QWidget* page, QWidget* focusSink, const Entry& entry, int top);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void openAddress(const QUrl& address);

    platform::WebAddress& webAddress_;
    QTabWidget* tabs_ = nullptr;
};
