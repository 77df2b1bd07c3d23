#pragma once

#include "cli/page_answer.h"

#include <QEventLoop>
#include <QHash>
#include <QNetworkAccessManager>
#include <QStringList>

#include <functional>

class QNetworkReply;

// How many requests a check has under way at a time, and how long each one may take.
struct PageCheckLimits {
    qsizetype requestsAtATime = 6;
    int requestTimeoutMs = 10000;
};

// Asks web servers whether pages are at their addresses, with one QNetworkAccessManager on
// the event loop of the thread that runs it. Each page gets a HEAD request, and a GET when
// the server answers HEAD with 405 or 501 (given up once the GET's head is in, since the
// page itself is not needed). Redirects are followed as Qt's default policy allows (never
// from https to http), at most 5 of them. A page is found when the final answer's status is
// 2xx.
//
// At most 6 requests are under way at a time: the manager opens no more than 6 connections
// to one server and holds further requests back until one is free, and a request held back
// would spend its time waiting to be sent. Each request (with its redirects) gets 10 seconds
// from when it is handed to the manager; the manager's transfer timeout only counts time
// without data, so a server that trickles its answer would never run out of it.
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
    // Forgets a request and lets its reply go; a reply still running is aborted.
    Request release(QNetworkReply* reply);

    QStringList addresses;
    Answered answered;
    PageCheckLimits limits;
    qsizetype nextPage = 0;
    qsizetype answeredPages = 0;
    QHash<QNetworkReply*, Request> underWay;
    QNetworkAccessManager manager;
    QEventLoop loop;
};
