#include "movers/pages/mover_kinds.h"

MoverKind RedirectPages() {
    return {.folderName = QStringLiteral("zandrifts"),
            .needsDelay = true,
            .assemblePage = &RedirectPage};
}

MoverKind FramedForwardPages() {
    return {.folderName = QStringLiteral("framedforward"),
            .needsDelay = false,
            .assemblePage = &FramedForwardPage};
}
