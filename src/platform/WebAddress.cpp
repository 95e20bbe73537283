#include "platform/WebAddress.h"

#include <QDesktopServices>

namespace platform {

namespace {
WebAddress desktopWebAddress;
WebAddress* installed = nullptr;
} // namespace

void WebAddress::open(const QUrl& address)
{
    // The browser decides how it shows itself; a desktop without one simply
    // opens nothing, and the user is not troubled with a message.
    QDesktopServices::openUrl(address);
}

WebAddress& WebAddress::instance() { return installed ? *installed : desktopWebAddress; }

void WebAddress::install(WebAddress* webAddress) { installed = webAddress; }

} // namespace platform
