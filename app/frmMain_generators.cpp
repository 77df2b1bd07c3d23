#include "app/frmMain.h"

#include "app/mover_command.h"

void frmMain::cmdCreate_Click() {
    runMoverCommand(CreateMovers());
}

void frmMain::cmdFrames_Click() {
    runMoverCommand(CreateFrames());
}

void frmMain::runMoverCommand(const MoverCommand& command) {
    moverRunning = true;
    RunMoverCommand(*this, command);
    moverRunning = false;
    if (closeAfterRun) {
        closeAfterRun = false;
        close();
    }
}
