#include "movers/run/mover_port.h"

QString ReplacementRefusedMessage(const QString& folder, const QString& reason) {
    return folder + QStringLiteral(" cannot be replaced because ") + reason + u'.';
}
