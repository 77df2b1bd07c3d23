#pragma once

#include "cli/check/page_answer.h"

#include <QEventLoop>
#include <QHash>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QStringList>

#include <functional>

class QNetworkReply;

// How many requests a check has under way at a time, and how long each one may take.
struct PageCheckLimits {
    qsizetype requestsAtATime = 6;
    int requestTimeoutMs = 10000;
};

// Asks web servers whether pages are at their addresses, on the event loop of the thread
// that runs it. Each page gets a HEAD request, and a GET when the server answers HEAD with
// 405 or 501 (given up once the GET's head is in, since the page itself is not needed).
// Redirects are followed as Qt's default policy allows (never from https to http), at most 5
// of them. A page is found when the final answer's status is 2xx.
//
// At most 6 requests are under way at a time, each on a QNetworkAccessManager of its own that
// has nothing else to do, so no request waits inside a manager for a free connection while
// its time runs. A manager is kept for a later request, which uses its connection again, but
// for one whose answer was informational (1xx): Qt takes that for the whole answer and keeps
// the connection for the next request, which a server that switched protocols on it (101)
// never answers. That manager is let go, and its connection with it. Each request (with its
// redirects) gets 10 seconds from when it is handed to its manager; the manager's transfer
// timeout only counts time without data, so a server that trickles its answer would never
// run out of it.
//
// Proxies are Qt's default: the system's settings, which on Linux are the http_proxy,
// https_proxy and no_proxy variables as curl and wget read them; the loopback address is
// always asked directly. HTTP/2 is Qt's default too: used where an https server offers it.
class PageCheck {
public:
    using Answered = std::function<void(qsizetype page, const PageAnswer& answer)>;

    // `answered` gets each page's answer as it comes, with the page's index in `addresses`.
    PageCheck(QStringList addresses, Answered answered, PageCheckLimits limits = {});

    // Asks for every address, and returns once each has had its answer.
    void run();

private:
    enum class Method { Head, Get };
    struct Request {
        qsizetype page;
        Method method;
    };

    void send(qsizetype page, Method method);
    void finished(QNetworkReply* reply);
    void headReceived(QNetworkReply* reply);
    // Gives the page its answer and lets the next page's request take the free place.
    void conclude(QNetworkReply* reply, const PageAnswer& answer);
    // Forgets a request and lets its reply go; a reply still running is aborted. Its manager
    // is free for the next request, or let go after an informational answer.
    Request release(QNetworkReply* reply);
    // A manager with no request under way: a free one, or a new one.
    QNetworkAccessManager* freeManager();

    QStringList addresses;
    Answered answered;
    PageCheckLimits limits;
    qsizetype nextPage = 0;
    qsizetype answeredPages = 0;
    QHash<QNetworkReply*, Request> underWay;
    QObject managers; // the parent of every manager, so that they go with the check
    QList<QNetworkAccessManager*> freeManagers;
    QEventLoop loop;
};
