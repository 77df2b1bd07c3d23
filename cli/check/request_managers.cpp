#include "cli/check/request_managers.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

#include <algorithm>

namespace {

// "https://host:port", to tell one server from another.
QString originOf(const QUrl& address) {
    return address
        .adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery |
                  QUrl::RemoveFragment)
        .toString();
}

// A 1xx, which Qt 6.4 takes for a whole answer but for 100 (Continue).
bool isInformational(const QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 100 && status < 200;
}

} // namespace

QNetworkAccessManager* RequestManagers::managerFor(const QUrl& address) {
    if (QNetworkAccessManager* shared = http2.value(originOf(address))) {
        return shared;
    }
    return free.isEmpty() ? new QNetworkAccessManager(&parent) : free.takeLast();
}

void RequestManagers::headReceived(const QNetworkReply& reply) {
    const QString origin = originOf(reply.url());
    if (!reply.attribute(QNetworkRequest::Http2WasUsedAttribute).toBool()) {
        http1.insert(origin);
    } else if (!http2.contains(origin)) {
        http2.insert(origin, new QNetworkAccessManager(&parent));
    }
}

void RequestManagers::release(QNetworkReply* reply) {
    reply->abort(); // nothing when it has finished
    reply->deleteLater();
    QNetworkAccessManager* manager = reply->manager();
    if (http2.value(originOf(reply->request().url())) == manager) {
        return; // the host's one manager, kept for all its requests
    }
    if (isInformational(*reply)) {
        manager->deleteLater(); // its connection, and the reply with it
    } else {
        free << manager;
    }
}

qsizetype RequestManagers::pagesAtATime() const {
    const bool allHttp2 = !http2.isEmpty() && http1.isEmpty();
    const qsizetype atATime = allHttp2 ? limits.http2RequestsAtATime : limits.requestsAtATime;
    return std::max<qsizetype>(1, atATime >> std::min(halvings, 62));
}
