#pragma once

#include "cli/check/request_managers.h"

#include <QEventLoop>
#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class QNetworkReply;
class QNetworkRequest;

// The pages' requests of "--check" and "--verify", on the event loop of the thread that runs
// them: what each page asks is its subclass's, how the requests go is this class's.
//
// At most 6 pages are under way at a time (32 where every server speaks HTTP/2), each with one
// request at a time, on the managers of RequestManagers. Each request (with any redirects Qt
// follows for it) gets 10 seconds from when it is handed to its manager; the manager's transfer
// timeout only counts time without data, so a server that trickles its answer would never run
// out of it.
//
// A server that answers 429 (Too Many Requests) or 503 (Service Unavailable) with a Retry-After
// is taken at its word: the request is sent again after the time it asks for (60 seconds at
// most, 3 times a page at most), and the pages under way at a time are halved from then on,
// since the pages of a run are asked of one server. Without Retry-After the answer counts.
//
// Proxies are Qt's default: the system's settings, which on Linux are the http_proxy,
// https_proxy and no_proxy variables as curl and wget read them; the loopback address is
// always asked directly.
class PageRequests {
public:
    PageRequests(const PageRequests&) = delete;
    PageRequests& operator=(const PageRequests&) = delete;

    // Asks about every page, and returns once each is done.
    void run();

protected:
    enum class Method { Head, Get };

    PageRequests(qsizetype pageCount, PageCheckLimits limits);
    virtual ~PageRequests();

    // A page's turn has come: its first request is to be sent.
    virtual void start(qsizetype page) = 0;
    // The page's request is over: its answer is in, or it failed.
    virtual void finished(qsizetype page, QNetworkReply& reply) = 0;
    // The page's request ran out of time; it is let go.
    virtual void timedOut(qsizetype page) = 0;
    // The head of the answer is in, or more of its body.
    virtual void headReceived(qsizetype /*page*/, QNetworkReply& /*reply*/) {}
    virtual void bodyReceived(qsizetype /*page*/, QNetworkReply& /*reply*/) {}

    // Sends the page's next request, letting go of the one before it, if it is still there.
    void send(qsizetype page, const QNetworkRequest& request, Method method);
    // The page is done: its request is let go, and the next page takes its place.
    void done(qsizetype page);

private:
    void startPages();
    // Whether the reply asks for a wait before the request is sent again; if so, it is let go
    // and sent again after the wait.
    bool waitAsked(qsizetype page, QNetworkReply& reply);
    // Whether `reply` is the page's request under way, and not one let go.
    bool current(qsizetype page, const QNetworkReply* reply) const;

    qsizetype pageCount;
    PageCheckLimits limits;
    qsizetype nextPage = 0;
    qsizetype pagesUnderWay = 0;
    qsizetype donePages = 0;
    QHash<qsizetype, QNetworkReply*> underWay; // by page
    QHash<qsizetype, int> waits;               // by page, those a server asked for
    RequestManagers managers;
    QObject waiting; // the context of the waits' timers, so that none fires after the requests
    QEventLoop loop;
};

// The status code of a reply's answer; 0 when none came.
int StatusOf(const QNetworkReply& reply);

// A 2xx: the page is there.
bool IsFound(int status);

// HEAD is not served: the page is asked for with GET.
bool HeadRefused(int status);

// Why a request failed when the failure of the connection (or of the redirects Qt follows: too
// many, or from https to http) says more than the status of an answer: the network's own error
// text. None when a server's answer is what counts.
std::optional<QString> NetworkFailure(const QNetworkReply& reply);
