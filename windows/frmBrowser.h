#pragma once

#include "windows/single_instance_window.h"

class WebBrowserView;

// The page preview window: one web view that fills the window and shows a page.
class frmBrowser final : public SingleInstanceWindow<frmBrowser> {
    Q_OBJECT

public:
    WebBrowserView* const brwBrowser;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend SingleInstanceWindow<frmBrowser>;
    frmBrowser();

    void Form_Resize();
};
