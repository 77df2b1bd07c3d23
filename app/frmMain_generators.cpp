#include "app/frmMain.h"

void frmMain::cmdCreate_Click() {}

void frmMain::cmdFrames_Click() {}
