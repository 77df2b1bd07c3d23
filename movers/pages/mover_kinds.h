#pragma once

#include "movers/pages/mover_pages.h"

#include <QString>

// What sets the two kinds of mover page apart for a run.
struct MoverKind {
    QString folderName;      // the output subfolder of the site folder
    bool needsDelay = false; // whether a delay must have been given
    QString (*assemblePage)(const PageFields&) = nullptr;
};

// Redirect pages, into "zandrifts"; they need a delay.
MoverKind RedirectPages();

// Framed-forwarding pages, into "framedforward".
MoverKind FramedForwardPages();
