#include "cli/verify/move_check.h"

#include "movers/pages/page_refresh.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// Redirects followed after the old address's, to tell a chain from a loop.
constexpr int kMaxRedirects = 5;
// How much of an old address's page is read for its refresh.
constexpr qsizetype kPageHeadLimit = 64 * 1024;

const QString kVerifyQuery = QStringLiteral("zandrift-verify=1");

// The address with the query of a verification added to its own.
QUrl withVerifyQuery(QUrl address) {
    address.setQuery(address.hasQuery() ? address.query(QUrl::FullyEncoded) + u'&' + kVerifyQuery
                                        : kVerifyQuery);
    return address;
}

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool isPermanent(int status) {
    return status == 301 || status == 308;
}

// Where a redirect leads, relative to the address that answered it; empty without a Location.
QUrl locationOf(const QNetworkReply& reply) {
    const QByteArray location = reply.rawHeader("Location");
    return location.isEmpty() ? QUrl() : reply.url().resolved(QUrl::fromEncoded(location));
}

QString readable(const QUrl& address) {
    return QString::fromUtf8(BrowserForm(address));
}

} // namespace

QByteArray BrowserForm(QUrl address) {
    const QString scheme = address.scheme();
    if ((scheme == u"http" && address.port() == 80) ||
        (scheme == u"https" && address.port() == 443)) {
        address.setPort(-1);
    }
    if (address.path().isEmpty() && !address.host().isEmpty()) {
        address.setPath(QStringLiteral("/"));
    }
    return address.toEncoded();
}

MoveCheck::MoveCheck(QList<AddressMove> moves, Answered answered, PageCheckLimits limits)
    : PageRequests(moves.size(), limits), moves(std::move(moves)), answered(std::move(answered)) {}

void MoveCheck::start(qsizetype page) {
    const QUrl newAddress(moves.at(page).newAddress);
    walks.insert(page, {.target = BrowserForm(withVerifyQuery(newAddress)),
                        .targetWithoutQuery = BrowserForm(newAddress)});
    ask(page, withVerifyQuery(moves.at(page).oldAddress), Step::OldAddress);
}

void MoveCheck::ask(qsizetype page, const QUrl& address, Step step, Method method) {
    Walk& walk = walks[page];
    walk.step = step;
    walk.asked.insert(BrowserForm(address));
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    send(page, request, method);
}

void MoveCheck::finished(qsizetype page, QNetworkReply& reply) {
    if (const std::optional<QString> failure = NetworkFailure(reply)) {
        conclude(page, NetworkError(*failure));
        return;
    }
    switch (walks[page].step) {
    case Step::OldAddress:
        oldAddressAnswered(page, reply);
        break;
    case Step::Onward:
        onwardAnswered(page, reply);
        break;
    case Step::NewPage:
        newPageAnswered(page, reply);
        break;
    }
}

void MoveCheck::timedOut(qsizetype page) {
    conclude(page, TimedOut());
}

void MoveCheck::headReceived(qsizetype page, QNetworkReply& reply) {
    // A new page found is not read, as PageCheck does not read it.
    if (walks[page].step == Step::NewPage &&
        reply.operation() == QNetworkAccessManager::GetOperation && IsFound(StatusOf(reply))) {
        conclude(page, Moved());
    }
}

void MoveCheck::bodyReceived(qsizetype page, QNetworkReply& reply) {
    Walk& walk = walks[page];
    if (walk.step != Step::OldAddress || !IsFound(StatusOf(reply))) {
        return;
    }
    walk.page += reply.read(kPageHeadLimit - walk.page.size());
    if (walk.page.size() == kPageHeadLimit) {
        pageRead(page, reply); // no more of a long page is read
    }
}

void MoveCheck::oldAddressAnswered(qsizetype page, QNetworkReply& reply) {
    const int status = StatusOf(reply);
    if (IsFound(status)) {
        bodyReceived(page, reply);
        pageRead(page, reply);
        return;
    }
    const QUrl next = locationOf(reply);
    const Walk& walk = walks[page];
    if (!isRedirect(status) || next.isEmpty()) {
        conclude(page, NotRedirected(status));
    } else if (!isPermanent(status)) {
        conclude(page, TemporaryRedirect(status));
    } else if (BrowserForm(next) == walk.target) {
        ask(page, next, Step::NewPage, Method::Head);
    } else if (BrowserForm(next) == walk.targetWithoutQuery) {
        conclude(page, QueryDropped());
    } else {
        follow(page, next);
    }
}

void MoveCheck::onwardAnswered(qsizetype page, QNetworkReply& reply) {
    const QUrl next = locationOf(reply);
    if (isRedirect(StatusOf(reply)) && !next.isEmpty()) {
        follow(page, next);
    } else {
        conclude(page, WrongTarget(readable(reply.url())));
    }
}

void MoveCheck::newPageAnswered(qsizetype page, QNetworkReply& reply) {
    const int status = StatusOf(reply);
    if (reply.operation() == QNetworkAccessManager::HeadOperation && HeadRefused(status)) {
        ask(page, reply.url(), Step::NewPage);
    } else {
        conclude(page, IsFound(status) ? Moved() : NewPageMissing(status));
    }
}

void MoveCheck::pageRead(qsizetype page, const QNetworkReply& reply) {
    const Walk& walk = walks[page];
    const std::optional<PageRefresh> refresh = FindRefresh(walk.page);
    if (!refresh || refresh->url.isEmpty()) {
        conclude(page, NotRedirected(StatusOf(reply)));
        return;
    }
    const QUrl next = reply.url().resolved(QUrl(refresh->url));
    const QByteArray form = BrowserForm(next);
    if (form != walk.target && form != walk.targetWithoutQuery) {
        conclude(page, WrongTarget(readable(next)));
    } else if (refresh->seconds > 0) {
        conclude(page, DelayedRefresh(refresh->seconds));
    } else {
        ask(page, next, Step::NewPage, Method::Head);
    }
}

void MoveCheck::follow(qsizetype page, const QUrl& next) {
    Walk& walk = walks[page];
    ++walk.redirects;
    const QByteArray form = BrowserForm(next);
    if (form == walk.target || form == walk.targetWithoutQuery) {
        conclude(page, Chain(walk.redirects, kMaxRedirects));
    } else if (walk.asked.contains(form)) {
        conclude(page, Loop());
    } else if (walk.redirects > kMaxRedirects) {
        conclude(page, Chain(walk.redirects, kMaxRedirects));
    } else {
        ask(page, next, Step::Onward);
    }
}

void MoveCheck::conclude(qsizetype page, const MoveAnswer& answer) {
    walks.remove(page);
    answered(page, answer);
    done(page);
}
