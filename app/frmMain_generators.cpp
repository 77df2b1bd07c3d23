#include "app/frmMain.h"

#include "app/mover_command.h"
#include "movers/mover_kinds.h"

void frmMain::cmdCreate_Click() {
    runMoverCommand(RedirectPages());
}

void frmMain::cmdFrames_Click() {
    runMoverCommand(FramedForwardPages());
}

void frmMain::runMoverCommand(const MoverKind& kind) {
    moverRunning = true;
    RunMoverCommand(*this, kind);
    moverRunning = false;
    if (closeAfterRun) {
        closeAfterRun = false;
        close();
    }
}
