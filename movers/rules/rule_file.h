#pragma once

#include "movers/rules/server_rules.h"

#include <functional>

// What every kind of rules file shares.

// Why a file cannot hold a redirect safely, or an empty text when it can.
using CannotHold = std::function<QString(const Redirect&)>;

// The most redirects a host takes in one file, and the reason given for each one beyond them.
struct RedirectLimit {
    qsizetype most = -1; // no limit when negative
    QString reason;
};

// The redirects that every kind and the file `file` can hold, in their order; each of the others
// is added to `leftOut` with the file's name and its reason. Left out by every kind: an old path
// that is not a plain path from "/" (a server merges "//" and resolves "." and ".." before
// matching, so such a rule would never match), an old path already held (only its first rule
// would act, and nginx refuses a second), and a new address with a control character or that is
// not absolute ("http://", "https://", in any case, or a path from "/"), which the servers would
// send on other than the page does. Once `limit.most` redirects are held, every further one is
// left out with `limit.reason`, so the file stays within what its host takes.
QList<Redirect> HeldRedirects(const QList<Redirect>& redirects, const QString& file,
                              const CannotHold& cannotHold, QList<LeftOutRedirect>& leftOut,
                              const RedirectLimit& limit = {});

// Where the path of an address begins: after "scheme://host:port", or at its start.
qsizetype AddressPathStart(const QString& address);

// A kind's rules written as one file: `opening`, then `rule` of each redirect the file holds
// (HeldRedirects), the others left out with their reason.
ServerRules OneFileRules(const QString& file, const QByteArray& opening,
                         const CannotHold& cannotHold, const QList<Redirect>& redirects,
                         QByteArray (*rule)(const Redirect&));

// A name for what a file names inside itself (Caddy's placeholders, Apache's maps), derived from
// the site's old path: "zandrift_" and eight hex digits. The files written for several folders
// of one old site can so stand together in one server's configuration.
QByteArray RulesName(const RulesSite& site);

// Where a rules file that stands with the pages holds a redirect: the folder of its page or file
// relative to the output folder, "" or ending in "/", when the output holds pages there; else
// the nearest folder above it that does, whose rules also act on the folders below it.
QString PageFolder(const RulesSite& site, const Redirect& redirect);
