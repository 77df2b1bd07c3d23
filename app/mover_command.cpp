#include "app/mover_command.h"

#include "app/frmMain.h"
#include "app/main_window_mover_host.h"
#include "movers/disk_files.h"
#include "movers/mover_run.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

QStringList listedPages(const QListWidget& list) {
    QStringList names;
    names.reserve(list.count());
    for (int row = 0; row < list.count(); ++row) {
        names << list.item(row)->text();
    }
    return names;
}

} // namespace

void RunMoverCommand(frmMain& window, const MoverKind& kind) {
    const MoverInputs inputs{.siteFolder = window.txtMap->text(),
                             .pageNames = listedPages(*window.lstFiles),
                             .newAddress = window.strNewAddress,
                             .delay = window.intDelay,
                             .delayGiven = window.delayGiven()};
    MainWindowMoverHost host(window);
    DiskFiles files;
    MoverRun(kind, host, files).run(inputs, window.strPage);
}
