#include "movers/mover_host.h"

MsgAnswer MoverHost::stepFailed(const FileError& error, const QString& /*path*/) {
    return MsgBox(error.message(), MsgButtons::AbortRetryIgnore, MsgIcon::None);
}

bool MoverHost::replaceExistingFolder(const QString& folder) {
    return MsgBox(folder + QStringLiteral(" already exists. Do you want to delete it?"),
                  MsgButtons::YesNo, MsgIcon::None) == MsgAnswer::Yes;
}
