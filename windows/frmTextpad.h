#pragma once

#include "windows/single_instance_window.h"

class QPlainTextEdit;

// The scratchpad window: one editable text box that fills the window. Nothing in the
// program shows it; it stands ready for text.
class frmTextpad final : public SingleInstanceWindow<frmTextpad> {
    Q_OBJECT

public:
    QPlainTextEdit* const txtDisplay;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend SingleInstanceWindow<frmTextpad>;
    frmTextpad();

    void Form_Resize();
};
