#pragma once

#include "cli/check/page_answer.h"
#include "cli/check/page_requests.h"

#include <QStringList>

#include <functional>

// Asks web servers whether pages are at their addresses (PageRequests: 6 at a time, or 32 over
// HTTP/2, 10 seconds a request). Each page gets a HEAD request, and a GET when the server answers
// HEAD with 405 or 501 (given up once the GET's head is in, since the page itself is not needed).
// Redirects are followed as Qt's default policy allows (never from https to http), at most 5 of
// them. A page is found when the final answer's status is 2xx.
class PageCheck : private PageRequests {
public:
    using Answered = std::function<void(qsizetype page, const PageAnswer& answer)>;

    // `answered` gets each page's answer as it comes, with the page's index in `addresses`.
    PageCheck(QStringList addresses, Answered answered, PageCheckLimits limits = {});

    // Asks for every address, and returns once each has had its answer.
    using PageRequests::run;

private:
    void start(qsizetype page) override;
    void finished(qsizetype page, QNetworkReply& reply) override;
    void timedOut(qsizetype page) override;
    void headReceived(qsizetype page, QNetworkReply& reply) override;

    void ask(qsizetype page, Method method);
    // Gives the page its answer and lets the next page's request take the free place.
    void conclude(qsizetype page, const PageAnswer& answer);

    QStringList addresses;
    Answered answered;
};
