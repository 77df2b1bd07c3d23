#pragma once

#include "cli/check/page_requests.h"
#include "cli/verify/move_answer.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QUrl>

#include <functional>

// An old address and the new address it is to move to.
struct AddressMove {
    QUrl oldAddress;    // as a browser asks for it
    QString newAddress; // as the page's mover page and rules hold it (NewAddresses::of)
};

// Asks the old site for each old address, as a browser would after the move, and follows what it
// answers (PageRequests: 6 pages under way at a time, or 32 over HTTP/2, 10 seconds a request).
// The old address is asked with GET and the query "zandrift-verify=1" added, so that a query
// dropped on the way shows; redirects are followed here, one request each, not by Qt, so that
// each is seen.
//
// An old address moves permanently to its new page when it answers 301 or 308 with exactly the
// new address and the query (addresses compared as a browser sends them, QUrl's encoded form
// with the default port dropped), or answers 2xx with a page whose head refreshes after 0
// seconds to the new address (FindRefresh, read from the first 64 KB); and the new address
// answers 2xx to HEAD (to GET where HEAD gets 405 or 501, as PageCheck asks). Anything else is
// the first fault on the way (MoveAnswer): a temporary redirect (302, 303, 307), a refresh after
// a delay, a chain of redirects that reaches the new address after more than one (5 followed at
// most), a loop (an address asked again), a wrong target (where the redirects end, or where a
// refresh leads), the query dropped, the new page missing, not redirected, timed out, or the
// network's error.
class MoveCheck : private PageRequests {
public:
    using Answered = std::function<void(qsizetype page, const MoveAnswer& answer)>;

    // `answered` gets each move's answer as it comes, with its index in `moves`.
    MoveCheck(QList<AddressMove> moves, Answered answered, PageCheckLimits limits = {});

    // Asks for every old address, and returns once each has had its answer.
    using PageRequests::run;

private:
    enum class Step { OldAddress, Onward, NewPage };
    // Where a page's requests have got to.
    struct Walk {
        // The new address as a browser sends it, with the query added and without it.
        QByteArray target;
        QByteArray targetWithoutQuery;
        Step step = Step::OldAddress;
        int redirects = 0;           // answered since the old address
        QSet<QByteArray> asked = {}; // the addresses asked, as a browser sends them
        QByteArray page = {};        // the old address's page, from its start
    };

    void start(qsizetype page) override;
    void finished(qsizetype page, QNetworkReply& reply) override;
    void timedOut(qsizetype page) override;
    void headReceived(qsizetype page, QNetworkReply& reply) override;
    void bodyReceived(qsizetype page, QNetworkReply& reply) override;

    void oldAddressAnswered(qsizetype page, QNetworkReply& reply);
    void onwardAnswered(qsizetype page, QNetworkReply& reply);
    void newPageAnswered(qsizetype page, QNetworkReply& reply);
    // The old address's page is read, as far as it is looked at: its refresh is followed.
    void pageRead(qsizetype page, const QNetworkReply& reply);
    // One more redirect, from the old address or after it, to `next`.
    void follow(qsizetype page, const QUrl& next);
    void ask(qsizetype page, const QUrl& address, Step step, Method method = Method::Get);
    void conclude(qsizetype page, const MoveAnswer& answer);

    QList<AddressMove> moves;
    Answered answered;
    QHash<qsizetype, Walk> walks; // of the pages under way
};

// An address as a browser sends it, to compare two: QUrl's encoded form, an empty path as "/",
// the scheme's default port left out.
QByteArray BrowserForm(QUrl address);
