// Built into the program itself (its own main.cpp) for the start-up benchmark: once the
// main window has been painted for the first time and that event is done, prints
// "painted", the process's peak resident memory in KiB and the processor time it has used,
// and quits.
#include "app/frmMain.h"
#include "harness.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted && event->type() == QEvent::Paint && qobject_cast<frmMain*>(watched)) {
            painted = true;
            QTimer::singleShot(0, [] {
                std::printf("painted %ld %.6f\n", PeakResidentKiB(), CpuSeconds());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool painted = false;
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(
        new FirstPaintProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
