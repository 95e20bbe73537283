#pragma once
#include <QList>
#include <QUrl>

namespace platform {

// Opens a web address in the user's browser through the desktop. The
// program never fetches anything itself, and whether a browser came up is
// the desktop's business: the outcome is ignored. Tests hand the windows a
// recording double instead, so no test ever starts a browser.
class WebAddress {
public:
    virtual ~WebAddress() = default;

    virtual void open(const QUrl& address);

    static WebAddress& instance();
    // Installs a replacement (not owned); nullptr restores the desktop's.
    static void install(WebAddress* webAddress);
};

// Test double: records every address it is asked to open, in order.
class RecordingWebAddress : public WebAddress {
public:
    void open(const QUrl& address) override { opened.append(address); }

    QList<QUrl> opened;
};

} // namespace platform
