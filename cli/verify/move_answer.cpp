#include "cli/verify/move_answer.h"

#include <QStringList>

namespace {

MoveAnswer fault(MoveFault kind, const QString& reason) {
    return {false, kind, reason};
}

QString withStatus(const char* words, int status) {
    return QStringLiteral("%1 (%2)").arg(QLatin1String(words)).arg(status);
}

// The names of the kinds, in the singular and the plural, in the order of MoveFault.
struct KindName {
    const char* one;
    const char* many;
};
constexpr std::array<KindName, kMoveFaultKinds> kKindNames{{
    {"temporary redirect", "temporary redirects"},
    {"delayed refresh", "delayed refreshes"},
    {"chain of redirects", "chains of redirects"},
    {"loop", "loops"},
    {"wrong target", "wrong targets"},
    {"dropped query", "dropped queries"},
    {"missing new page", "missing new pages"},
    {"address not redirected", "addresses not redirected"},
    {"time-out", "time-outs"},
    {"network error", "network errors"},
}};

} // namespace

MoveAnswer Moved() {
    return {};
}

MoveAnswer TemporaryRedirect(int status) {
    return fault(MoveFault::TemporaryRedirect, withStatus("temporary redirect", status));
}

MoveAnswer DelayedRefresh(int seconds) {
    return fault(MoveFault::DelayedRefresh,
                 QStringLiteral("refresh after %1 s (temporary to search engines)").arg(seconds));
}

MoveAnswer Chain(int redirects, int followed) {
    return fault(MoveFault::Chain,
                 redirects > followed
                     ? QStringLiteral("chain of more than %1 redirects").arg(followed)
                     : QStringLiteral("chain of %1 redirects").arg(redirects));
}

MoveAnswer Loop() {
    return fault(MoveFault::Loop, QStringLiteral("loop"));
}

MoveAnswer WrongTarget(const QString& address) {
    return fault(MoveFault::WrongTarget, QStringLiteral("wrong target: ") + address);
}

MoveAnswer QueryDropped() {
    return fault(MoveFault::QueryDropped, QStringLiteral("query dropped"));
}

MoveAnswer NewPageMissing(int status) {
    return fault(MoveFault::NewPageMissing, withStatus("new page missing", status));
}

MoveAnswer NotRedirected(int status) {
    return fault(MoveFault::NotRedirected, withStatus("not redirected", status));
}

MoveAnswer TimedOut() {
    return fault(MoveFault::TimedOut, QStringLiteral("timed out"));
}

MoveAnswer NetworkError(const QString& text) {
    return fault(MoveFault::NetworkError, text);
}

void MoveFaultCounts::add(const MoveAnswer& answer) {
    if (!answer.moves) {
        ++counts[std::size_t(answer.fault)];
    }
}

QString MoveFaultCounts::text() const {
    QStringList parts;
    for (std::size_t kind = 0; kind < kMoveFaultKinds; ++kind) {
        if (counts[kind] > 0) {
            parts << QString::number(counts[kind]) + u' ' +
                         QLatin1String(counts[kind] == 1 ? kKindNames[kind].one
                                                         : kKindNames[kind].many);
        }
    }
    return parts.join(QStringLiteral(", "));
}
