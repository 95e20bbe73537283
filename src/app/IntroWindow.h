#pragma once
#include <QStringList>
#include <QUrl>
#include <QWidget>

class NoticeList;
class Panel;
namespace platform {
class WebAddress;
}

// The introduction shown once when the splash ends: how to use the tray
// icon, over a picture, with a P.S. panel that opens the download site. Its
// close box only hides it; the launcher never shows it a second time.
class IntroWindow : public QWidget {
    Q_OBJECT
public:
    explicit IntroWindow(platform::WebAddress& webAddress, QWidget* parent = nullptr);

    // The texts the window shows, one place for all of them.
    static QString heading();
    static QString footer();
    static QStringList welcomeText();
    static QStringList postscriptLines();
    static QString downloadSiteName();
    static QUrl downloadSite();

    NoticeList* welcomeList() const { return welcomeList_; }
    Panel* postscriptPanel() const { return postscriptPanel_; }
    QWidget* focusSink() const { return focusSink_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildLayout();
    void buildPostscript();
    void openDownloadSite();

    platform::WebAddress& webAddress_;
    QWidget* background_ = nullptr;
    QWidget* focusSink_ = nullptr;
    NoticeList* welcomeList_ = nullptr;
    Panel* postscriptPanel_ = nullptr;
};
