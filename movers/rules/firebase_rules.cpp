#include "movers/rules/either_form.h"
#include "movers/rules/json_redirects.h"

// The "redirects" of firebase.json's "hosting", as superstatic (Firebase's open-source server)
// reads them. It matches a rule's "source" as a glob against the request path after decodeURI,
// which decodes every escape but those of ";/?:@&=+$,#"; so each character of the old path
// matches as it is or encoded (EitherFormPattern), and the glob's own characters ("*", "?", "[",
// "{", "(", "!", "+", "@", "|") mean themselves. Matching is case-sensitive, as the old path is.
// superstatic sends encodeURI(destination), with the visitor's query string after a "?" (or
// "&" where the destination holds a "?"), so the destination is the new address decoded.

namespace {

const QString kFile = QStringLiteral("firebase.json");

// Firebase Hosting's documented limit on the redirects of a site, as far as is known.
const RedirectLimit kLimit{.most = 1000,
                           .reason = QStringLiteral("Firebase takes at most 1,000 redirects")};
// superstatic's glob matcher refuses a longer glob at every request that reaches it, and so
// would fail every request after it; JavaScript counts UTF-16 units, as QString does.
constexpr qsizetype kLongestGlob = 65536;

QString source(const Redirect& redirect) {
    return EitherFormPattern(redirect.oldPath, QStringLiteral("@("));
}

// What encodeURI leaves as it is beyond letters and digits, and so what decodeURI does not
// decode: an escape of one of these is sent decoded, which changes the address.
bool isReserved(char byte) {
    return QByteArrayView(";/?:@&=+$,#").contains(byte);
}

// A hex digit's value, or -1.
int hexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    const char upper = char(digit & ~0x20);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// The destination that superstatic sends as the new address, in `text`; or why there is none.
struct Destination {
    QString text;
    QString reason;
};

Destination destination(const QString& address) {
    const QByteArray utf8 = address.toUtf8();
    QByteArray decoded;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '%') {
            decoded += utf8[i];
            continue;
        }
        const int high = i + 2 < utf8.size() ? hexValue(utf8[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(utf8[i + 2]) : -1;
        if (low < 0) {
            return {{}, QStringLiteral("Firebase would send \"%\" in its new address as \"%25\"")};
        }
        const char byte = char(high * 16 + low);
        if (isReserved(byte)) {
            return {{},
                    QStringLiteral("Firebase would send \"%1\" in its new address as \"%2\"")
                        .arg(QString::fromLatin1(utf8.mid(i, 3)), QChar::fromLatin1(byte))};
        }
        decoded += byte;
        i += 2;
    }
    const QString text = QString::fromUtf8(decoded);
    if (text.toUtf8() != decoded) {
        return {{}, QStringLiteral("Firebase cannot send an escape that is not UTF-8")};
    }
    if (text.contains(u'#')) {
        return {{},
                QStringLiteral("Firebase would put the query string after the address's fragment")};
    }
    // A part of the destination's path that begins with ":" makes it a template of the source's
    // parts, which fails; "/http:/" is taken for the start of another address.
    if (text.contains(u"/:")) {
        return {{}, QStringLiteral("Firebase reads \"/:\" in a new address as a placeholder")};
    }
    if (text.contains(u"/http:/") || text.contains(u"/https:/")) {
        return {{}, QStringLiteral("Firebase reads \"/http:/\" in a new address as an address")};
    }
    return {text, {}};
}

QString sentAddress(const Redirect& redirect) {
    return destination(redirect.newAddress).text;
}

QString cannotHold(const Redirect& redirect) {
    if (redirect.oldPath.startsWith(u"/__/")) {
        return QStringLiteral("Firebase keeps the paths from \"/__/\" for itself");
    }
    if (source(redirect).size() > kLongestGlob) {
        return QStringLiteral("superstatic reads no glob longer than 65,536 characters");
    }
    return destination(redirect.newAddress).reason;
}

} // namespace

ServerRules FirebaseRules(const RulesSite& /*site*/, const QList<Redirect>& redirects) {
    return JsonRules({.file = kFile,
                      .cannotHold = &cannotHold,
                      .limit = kLimit,
                      .source = &source,
                      .destination = &sentAddress,
                      .permanence = "\"type\": 301",
                      .before = "{\n  \"hosting\": {\n    \"redirects\": ",
                      .indent = "    ",
                      .after = "\n  }\n}\n"},
                     redirects);
}
