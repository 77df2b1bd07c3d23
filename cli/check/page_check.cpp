#include "cli/check/page_check.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

constexpr int kMaxRedirects = 5;

// The answer of a reply whose final status is in, or that failed.
PageAnswer answerOf(const QNetworkReply& reply) {
    const int status = StatusOf(reply);
    if (IsFound(status)) {
        return {true, {}};
    }
    return {false, NetworkFailure(reply).value_or(QString::number(status))};
}

} // namespace

PageCheck::PageCheck(QStringList addresses, Answered answered, PageCheckLimits limits)
    : PageRequests(addresses.size(), limits), addresses(std::move(addresses)),
      answered(std::move(answered)) {}

void PageCheck::start(qsizetype page) {
    ask(page, Method::Head);
}

void PageCheck::ask(qsizetype page, Method method) {
    QNetworkRequest request{QUrl(addresses.at(page))};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    send(page, request, method);
}

void PageCheck::finished(qsizetype page, QNetworkReply& reply) {
    if (reply.operation() == QNetworkAccessManager::HeadOperation && HeadRefused(StatusOf(reply))) {
        ask(page, Method::Get);
        return;
    }
    conclude(page, answerOf(reply));
}

void PageCheck::timedOut(qsizetype page) {
    conclude(page, {false, QStringLiteral("timed out")});
}

void PageCheck::headReceived(qsizetype page, QNetworkReply& reply) {
    // A found page is not read. Any other answer is left to finish: its body is a short error
    // page, or it is a redirect, whose next answer follows; a reply that Qt has failed must
    // not be aborted too.
    if (reply.operation() == QNetworkAccessManager::GetOperation && IsFound(StatusOf(reply))) {
        conclude(page, answerOf(reply));
    }
}

void PageCheck::conclude(qsizetype page, const PageAnswer& answer) {
    answered(page, answer);
    done(page);
}
