#include "windows/frmBrowser.h"

#include "widgets/twips.h"
#include "windows/outer_size_fit.h"
#include "windows/web_browser_view.h"

frmBrowser::frmBrowser() : brwBrowser(new WebBrowserView(this)) {
    setWindowTitle(QStringLiteral("Orvantis Browser"));
    brwBrowser->setAccessibleName(windowTitle());
    brwBrowser->setAccessibleDescription(windowTitle());
    resize(sizeFromTwips(4680, 3195));
    brwBrowser->setGeometry(rectFromTwips(600, 1320, 1935, 735));
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
    SingleInstanceWindow::resizeEvent(event);
    Form_Resize();
}

// The view keeps the window's top-left corner and follows the window's outer size.
void frmBrowser::Form_Resize() {
    fitToOuterSize(*this, *brwBrowser, 50.0F, 200.0F);
}
