#include "movers/mover_kinds.h"

MoverKind RedirectPages() {
    return {.folderName = QStringLiteral("zandrifts"),
            .needsDelay = true,
            .assemblePage = &RedirectPage,
            .doneMessage = QStringLiteral("I'm done!"),
            .doneIcon = MsgIcon::Information,
            .saysDoneBeforeOpening = false,
            .closesMainWindow = true};
}

MoverKind FramedForwardPages() {
    return {.folderName = QStringLiteral("framedforward"),
            .needsDelay = false,
            .assemblePage = &FramedForwardPage,
            .doneMessage = QStringLiteral("done"),
            .doneIcon = MsgIcon::None,
            .saysDoneBeforeOpening = true,
            .closesMainWindow = false};
}
