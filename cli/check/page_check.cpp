#include "cli/check/page_check.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kMaxRedirects = 5;

int statusOf(const QNetworkReply& reply) {
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); // 0 when none
}

bool isFound(int status) {
    return status >= 200 && status < 300;
}

// A 1xx, which Qt 6.4 takes for a whole answer but for 100 (Continue).
bool isInformational(int status) {
    return status >= 100 && status < 200;
}

// HEAD is not served: the page is asked for with GET.
bool headRefused(int status) {
    return status == 405 || status == 501;
}

// The answer of a reply whose final status is in, or that failed.
PageAnswer answerOf(const QNetworkReply& reply) {
    const int status = statusOf(reply);
    if (isFound(status)) {
        return {true, {}};
    }
    // A failure of the connection or of the redirects (too many, or from https to http) says
    // more than the status of the last answer before it.
    const QNetworkReply::NetworkError error = reply.error();
    const bool networkFailure =
        error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
    if (status > 0 && !networkFailure) {
        return {false, QString::number(status)};
    }
    return {false, reply.errorString()};
}

} // namespace

PageCheck::PageCheck(QStringList addresses, Answered answered, PageCheckLimits limits)
    : addresses(std::move(addresses)), answered(std::move(answered)), limits(limits) {}

void PageCheck::run() {
    while (nextPage < addresses.size() && underWay.size() < limits.requestsAtATime) {
        send(nextPage++, Method::Head);
    }
    if (answeredPages < addresses.size()) {
        loop.exec();
    }
}

void PageCheck::send(qsizetype page, Method method) {
    QNetworkRequest request{QUrl(addresses.at(page))};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    QNetworkAccessManager* manager = freeManager();
    QNetworkReply* reply = method == Method::Head ? manager->head(request) : manager->get(request);
    underWay.insert(reply, {page, method});

    // Goes with the reply, so it never fires for a reply that is gone.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    deadline->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
    QObject::connect(deadline, &QTimer::timeout, reply, [this, reply] {
        conclude(reply, {false, QStringLiteral("timed out")});
    });
    deadline->start(limits.requestTimeoutMs);
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply] { finished(reply); });
    if (method == Method::Get) {
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply,
                         [this, reply] { headReceived(reply); });
    }
}

void PageCheck::finished(QNetworkReply* reply) {
    if (!underWay.contains(reply)) {
        return; // concluded already, and aborted since
    }
    if (underWay.value(reply).method == Method::Head && headRefused(statusOf(*reply))) {
        send(release(reply).page, Method::Get);
        return;
    }
    conclude(reply, answerOf(*reply));
}

void PageCheck::headReceived(QNetworkReply* reply) {
    // A found page is not read. Any other answer is left to finish: its body is a short error
    // page, or it is a redirect, whose next answer follows; a reply that Qt has failed must
    // not be aborted too.
    if (underWay.contains(reply) && isFound(statusOf(*reply))) {
        conclude(reply, answerOf(*reply));
    }
}

void PageCheck::conclude(QNetworkReply* reply, const PageAnswer& answer) {
    if (!underWay.contains(reply)) {
        return;
    }
    const qsizetype page = release(reply).page;
    ++answeredPages;
    answered(page, answer);
    if (nextPage < addresses.size()) {
        send(nextPage++, Method::Head);
    } else if (answeredPages == addresses.size()) {
        loop.quit();
    }
}

PageCheck::Request PageCheck::release(QNetworkReply* reply) {
    const Request request = underWay.take(reply);
    reply->abort(); // nothing when it has finished
    reply->deleteLater();
    QNetworkAccessManager* manager = reply->manager();
    if (isInformational(statusOf(*reply))) {
        manager->deleteLater(); // its connection, and the reply with it
    } else {
        freeManagers << manager;
    }
    return request;
}

QNetworkAccessManager* PageCheck::freeManager() {
    return freeManagers.isEmpty() ? new QNetworkAccessManager(&managers) : freeManagers.takeLast();
}
