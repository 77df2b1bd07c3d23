#include "windows/frmTextpad.h"

#include "widgets/twips.h"
#include "windows/outer_size_fit.h"

#include <QPlainTextEdit>

frmTextpad::frmTextpad() : txtDisplay(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Orvantis Scratchpad"));
    txtDisplay->setAccessibleName(windowTitle());
    txtDisplay->setAccessibleDescription(windowTitle());
    resize(sizeFromTwips(4680, 3195));
    txtDisplay->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtDisplay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDisplay->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDisplay->setGeometry(rectFromTwips(360, 600, 2175, 1215));
}

void frmTextpad::resizeEvent(QResizeEvent* event) {
    SingleInstanceWindow::resizeEvent(event);
    Form_Resize();
}

// The text box keeps the window's top-left corner and follows the window's outer size.
void frmTextpad::Form_Resize() {
    fitToOuterSize(*this, *txtDisplay, 70.0F, 350.0F);
}
