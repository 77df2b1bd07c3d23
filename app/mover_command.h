#pragma once

struct MoverKind;
class frmMain;

// Runs a mover command on the main window's state: its site folder, page list, new address
// and delay; the page text buffer holds the last page assembled afterwards.
void RunMoverCommand(frmMain& window, const MoverKind& kind);
