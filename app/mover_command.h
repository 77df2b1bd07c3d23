#pragma once

#include "movers/pages/mover_kinds.h"
#include "platform/message_box_types.h"

#include <QString>

class frmMain;

// How the main window ends a run of a command that went past every step.
struct MoverEnding {
    QString doneMessage;
    MsgIcon doneIcon = MsgIcon::None;
    bool saysDoneBeforeOpening = false; // else the output folder opens first
    bool closesMainWindow = false;
};

// A command of the main window: the pages it writes and how it ends.
struct MoverCommand {
    MoverKind kind;
    MoverEnding ending;
};

// "Create Movers": redirect pages, then the output folder opens, "I'm done!", and the main
// window closes, which ends the program.
MoverCommand CreateMovers();
// "Create Frames": framed-forwarding pages, then "done", and the output folder opens; the main
// window stays open.
MoverCommand CreateFrames();

// Runs a command on the main window's state: its site folder, page list, new address and
// delay; the page text buffer holds the last page assembled afterwards.
void RunMoverCommand(frmMain& window, const MoverCommand& command);
