#include "app/frmMain.h"

#include "app/mover_command.h"
#include "movers/mover_kinds.h"

void frmMain::cmdCreate_Click() {
    RunMoverCommand(*this, RedirectPages());
}

void frmMain::cmdFrames_Click() {
    RunMoverCommand(*this, FramedForwardPages());
}
