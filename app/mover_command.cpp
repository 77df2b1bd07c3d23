#include "app/mover_command.h"

#include "app/frmMain.h"
#include "app/main_window_mover_port.h"
#include "movers/files/disk_files.h"
#include "movers/run/mover_run.h"

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

MoverCommand CreateMovers() {
    return {.kind = RedirectPages(),
            .ending = {.doneMessage = QStringLiteral("I'm done!"),
                       .doneIcon = MsgIcon::Information,
                       .saysDoneBeforeOpening = false,
                       .closesMainWindow = true}};
}

MoverCommand CreateFrames() {
    return {.kind = FramedForwardPages(),
            .ending = {.doneMessage = QStringLiteral("done"),
                       .doneIcon = MsgIcon::None,
                       .saysDoneBeforeOpening = true,
                       .closesMainWindow = false}};
}

void RunMoverCommand(frmMain& window, const MoverCommand& command) {
    const MoverInputs inputs{.siteFolder = window.txtMap->text(),
                             .pageNames = listedPages(*window.lstFiles),
                             .newAddress = window.strNewAddress,
                             .delay = window.intDelay,
                             .delayGiven = window.delayGiven()};
    MainWindowMoverPort port(window, command.ending);
    DiskFiles files;
    const MoverOutcome outcome = MoverRun(command.kind, port, files).run(inputs);
    if (!outcome.lastPage.isEmpty()) {
        window.strPage = outcome.lastPage;
    }
}
