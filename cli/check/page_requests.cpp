#include "cli/check/page_requests.h"

#include "cli/check/retry_after.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kMostWaits = 3;

} // namespace

PageRequests::PageRequests(qsizetype pageCount, PageCheckLimits limits)
    : pageCount(pageCount), limits(limits), managers(limits) {}

PageRequests::~PageRequests() = default;

void PageRequests::run() {
    startPages();
    if (donePages < pageCount) {
        loop.exec();
    }
}

void PageRequests::startPages() {
    while (nextPage < pageCount && pagesUnderWay < managers.pagesAtATime()) {
        ++pagesUnderWay;
        start(nextPage++);
    }
}

void PageRequests::send(qsizetype page, const QNetworkRequest& request, Method method) {
    if (QNetworkReply* previous = underWay.take(page)) {
        managers.release(previous);
    }
    QNetworkAccessManager* manager = managers.managerFor(request.url());
    QNetworkReply* reply = method == Method::Head ? manager->head(request) : manager->get(request);
    underWay.insert(page, reply);

    // Goes with the reply, so it never fires for a reply that is gone.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    deadline->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
    QObject::connect(deadline, &QTimer::timeout, reply, [this, page, reply] {
        if (current(page, reply)) {
            managers.release(underWay.take(page));
            timedOut(page);
        }
    });
    deadline->start(limits.requestTimeoutMs);
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, page, reply] {
        if (current(page, reply) && !waitAsked(page, *reply)) {
            finished(page, *reply);
        }
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this, page, reply] {
        managers.headReceived(*reply);
        if (current(page, reply)) {
            headReceived(page, *reply);
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [this, page, reply] {
        if (current(page, reply)) {
            bodyReceived(page, *reply);
        }
    });
}

bool PageRequests::waitAsked(qsizetype page, QNetworkReply& reply) {
    const int status = StatusOf(reply);
    if ((status != 429 && status != 503) || waits.value(page) == kMostWaits) {
        return false;
    }
    const std::optional<qint64> wait =
        RetryAfterMs(reply.rawHeader("Retry-After"), QDateTime::currentDateTimeUtc());
    if (!wait) {
        return false;
    }
    ++waits[page];
    managers.halve();
    const QNetworkRequest request = reply.request();
    const Method method =
        reply.operation() == QNetworkAccessManager::HeadOperation ? Method::Head : Method::Get;
    managers.release(underWay.take(page));
    QTimer::singleShot(int(std::min<qint64>(*wait, limits.longestWaitMs)), &waiting,
                       [this, page, request, method] { send(page, request, method); });
    return true;
}

void PageRequests::done(qsizetype page) {
    if (QNetworkReply* reply = underWay.take(page)) {
        managers.release(reply);
    }
    waits.remove(page);
    --pagesUnderWay;
    if (++donePages == pageCount) {
        loop.quit();
    } else {
        startPages();
    }
}

bool PageRequests::current(qsizetype page, const QNetworkReply* reply) const {
    return underWay.value(page) == reply;
}

int StatusOf(const QNetworkReply& reply) {
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); // 0 when none
}

bool IsFound(int status) {
    return status >= 200 && status < 300;
}

bool HeadRefused(int status) {
    return status == 405 || status == 501;
}

std::optional<QString> NetworkFailure(const QNetworkReply& reply) {
    const QNetworkReply::NetworkError error = reply.error();
    const bool networkFailure =
        error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
    if (StatusOf(reply) > 0 && !networkFailure) {
        return std::nullopt;
    }
    return reply.errorString();
}
