#include "movers/rules/either_form.h"
#include "movers/rules/json_redirects.h"

// The "redirects" of vercel.json, as @vercel/routing-utils compiles them. A "source" is a
// path-to-regexp pattern, compiled case-sensitively into a regular expression that must match
// the whole request path; so each character of the old path matches as it is or encoded
// (EitherFormPattern), and the pattern's own characters (":name", "(", "{", "*", "+", "?")
// mean themselves. "permanent" makes the answer 308. The destination is sent as it is written,
// but its path and query are read as a pattern too: a ":name" or a group there that the source
// does not hold makes Vercel refuse the whole file, so ":", "(" and ")" after the host are
// percent-encoded. Vercel passes the visitor's query string on by itself.

namespace {

const QString kFile = QStringLiteral("vercel.json");

// The limits of vercel.json's schema in @vercel/routing-utils: the redirects of the file, and
// the characters of a source or a destination.
const RedirectLimit kLimit{
    .most = 2048, .reason = QStringLiteral("Vercel takes at most 2,048 redirects in vercel.json")};
constexpr qsizetype kLongestText = 4096;

QString source(const Redirect& redirect) {
    return EitherFormPattern(redirect.oldPath, QStringLiteral("("));
}

QString destination(const Redirect& redirect) {
    const QString& address = redirect.newAddress;
    QString out = address;
    const qsizetype start = AddressPathStart(address);
    const qsizetype end = address.contains(u'#') ? address.indexOf(u'#') : address.size();
    // From the end, so that what is replaced does not move what is still to come.
    for (qsizetype i = end - 1; i >= start; --i) {
        const QChar c = out[i];
        if (c == u':' || c == u'(' || c == u')') {
            out.replace(i, 1, u'%' + QString::number(c.unicode(), 16).toUpper());
        }
    }
    return out;
}

// JSON Schema counts characters as code points.
qsizetype characters(const QString& text) {
    return text.toUcs4().size();
}

QString cannotHold(const Redirect& redirect) {
    if (characters(source(redirect)) > kLongestText) {
        return QStringLiteral("Vercel reads no source longer than 4,096 characters");
    }
    if (characters(destination(redirect)) > kLongestText) {
        return QStringLiteral("Vercel reads no destination longer than 4,096 characters");
    }
    return {};
}

} // namespace

ServerRules VercelRules(const RulesSite& /*site*/, const QList<Redirect>& redirects) {
    return JsonRules({.file = kFile,
                      .cannotHold = &cannotHold,
                      .limit = kLimit,
                      .source = &source,
                      .destination = &destination,
                      .permanence = "\"permanent\": true",
                      .before = "{\n  \"redirects\": ",
                      .indent = "  ",
                      .after = "\n}\n"},
                     redirects);
}
