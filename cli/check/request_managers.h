#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// How many pages a check has under way at a time (over HTTP/1.1, and where every server asked
// speaks HTTP/2), how long each request may take, and how long it waits at most when a server
// asks it to.
struct PageCheckLimits {
    qsizetype requestsAtATime = 6;
    qsizetype http2RequestsAtATime = 32;
    int requestTimeoutMs = 10000;
    int longestWaitMs = 60000;
};

// The QNetworkAccessManagers the pages' requests go on, and how many pages may be under way.
//
// A request to a host that has answered over HTTP/2 (which Qt negotiates over TLS where the
// server offers it) goes on that host's one manager, whose one connection carries the requests
// side by side; once every host asked has answered so, 32 pages are under way at a time. Any
// other request goes on a manager that has nothing else to do, which keeps one HTTP/1.1
// connection, so that no request waits inside a manager for a free connection while its time
// runs: 6 at a time. Such a manager is kept for a later request, which uses its connection
// again, but for one whose answer was informational (1xx): Qt takes that for the whole answer
// and keeps the connection for the next request, which a server that switched protocols on it
// (101) never answers. That manager is let go, and its connection with it.
class RequestManagers {
public:
    explicit RequestManagers(const PageCheckLimits& limits) : limits(limits) {}

    // The manager for a request to `address`.
    QNetworkAccessManager* managerFor(const QUrl& address);
    // Learns from an answer's head whether its host speaks HTTP/2.
    void headReceived(const QNetworkReply& reply);
    // Lets a reply go; one still running is aborted. Its manager is free for the next request,
    // or let go after an informational answer.
    void release(QNetworkReply* reply);
    // A server asked to be left alone for a while: half as many pages from now on, 1 at least.
    void halve() { ++halvings; }
    qsizetype pagesAtATime() const;

private:
    PageCheckLimits limits;
    int halvings = 0;
    QObject parent; // of every manager, so that they go with this
    QList<QNetworkAccessManager*> free;
    QHash<QString, QNetworkAccessManager*> http2; // by the host's origin
    QSet<QString> http1;                          // the hosts' origins
};
