#include "movers/mover_host.h"

#include "movers/undecodable_names.h"

void MoverHost::inputMissing(MoverControl control) {
    MsgBox(control == MoverControl::NewAddress ? QStringLiteral("Give a new address.")
                                               : QStringLiteral("Give a delay in seconds"),
           MsgButtons::OK, MsgIcon::Critical);
    setFocus(control);
}

void MoverHost::undecodablePages(const QByteArrayList& names) {
    MsgBox(UndecodablePagesMessage(names), MsgButtons::OK, MsgIcon::Information);
}

MsgAnswer MoverHost::stepFailed(const FileError& error, const QString& /*path*/) {
    return MsgBox(error.message(), MsgButtons::AbortRetryIgnore, MsgIcon::None);
}

bool MoverHost::replaceExistingFolder(const QString& folder) {
    return MsgBox(folder + QStringLiteral(" already exists. Do you want to delete it?"),
                  MsgButtons::YesNo, MsgIcon::None) == MsgAnswer::Yes;
}

QString ReplacementRefusedMessage(const QString& folder, const QString& reason) {
    return folder + QStringLiteral(" cannot be replaced because ") + reason + u'.';
}

void MoverHost::replacementRefused(const QString& folder, const QString& reason) {
    MsgBox(ReplacementRefusedMessage(folder, reason), MsgButtons::OK, MsgIcon::Critical);
}

void MoverHost::redirectsLeftOut(const QList<LeftOutRedirect>& leftOut) {
    QStringList lines;
    for (const LeftOutRedirect& redirect : leftOut) {
        lines << LeftOutRedirectMessage(redirect);
    }
    MsgBox(lines.join(u'\n'), MsgButtons::OK, MsgIcon::Information);
}

void MoverHost::runDone(const QString& message, MsgIcon icon) {
    MsgBox(message, MsgButtons::OK, icon);
}
