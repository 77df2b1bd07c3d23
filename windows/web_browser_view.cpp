#include "windows/web_browser_view.h"

#include <QUrl>

void WebBrowserView::Navigate(const QString& address) {
    static const QString kAbout = QStringLiteral("about:");
    if (!address.startsWith(kAbout)) {
        setUrl(QUrl::fromUserInput(address));
        return;
    }
    const QString html = address.mid(kAbout.size());
    if (html.isEmpty()) {
        setUrl(QUrl(QStringLiteral("about:blank")));
    } else {
        setHtml(html);
    }
}
