#pragma once

#include <QWebEngineView>

// The page preview's web view, navigated by address text.
class WebBrowserView final : public QWebEngineView {
public:
    using QWebEngineView::QWebEngineView;

    // Goes to `address`. "about:" followed by HTML text shows that text as a page, exactly
    // as written (no character of it is taken as part of an address); "about:" alone shows
    // a blank page; any other address is loaded as a URL.
    void Navigate(const QString& address);
};
