#include "app/frmMain.h"

void frmMain::loadCompanionWindows() {}

void frmMain::Form_Unload() {}

void frmMain::cmdBrowse_Click() {}

void frmMain::ShowPreview() {}
