#pragma once

#include "movers/message_box_types.h"
#include "movers/mover_pages.h"

#include <QString>

// What sets one mover command apart from the other.
struct MoverKind {
    QString folderName;      // the output subfolder of the site folder
    bool needsDelay = false; // whether a delay must have been given
    QString (*assemblePage)(const PageFields&) = nullptr;
    QString doneMessage;
    MsgIcon doneIcon = MsgIcon::None;
    bool saysDoneBeforeOpening = false; // else the folder opens first
    bool closesMainWindow = false;
};

// "Create Movers": redirect pages into "zandrifts", then "I'm done!" and the program ends.
MoverKind RedirectPages();

// "Create Frames": framed-forwarding pages into "framedforward", "done", and the main window
// stays open.
MoverKind FramedForwardPages();
