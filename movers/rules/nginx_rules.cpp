#include "movers/rules/rule_file.h"

// "location =" compares the decoded, normalized request path byte for byte, case included, and
// "$is_args$args" passes the visitor's query string on ("?" and the query, or nothing). nginx
// keeps exact locations in a tree it searches by halves, so a request costs about the same
// with 100,000 of them as with none.

namespace {

const QString kFile = QStringLiteral("redirects.nginx");

// nginx reads a word of at most 4,095 bytes, quotes included; a longer one makes it refuse the
// whole configuration ("too long parameter").
constexpr qsizetype kLongestWord = 4095;

// A double-quoted nginx string: "\"", "\\", "\n", "\r" and "\t" are its escapes; every other
// byte stands for itself.
QByteArray quoted(const QString& text) {
    QByteArray out = "\"";
    for (const char byte : text.toUtf8()) {
        switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += byte;
        }
    }
    return out + '"';
}

QByteArray returned(const Redirect& redirect) {
    return quoted(redirect.newAddress + QStringLiteral("$is_args$args"));
}

QString cannotHold(const Redirect& redirect) {
    // nginx has no escape for "$" in a return text: it would read the rest as a variable.
    if (redirect.newAddress.contains(u'$')) {
        return QStringLiteral("nginx reads \"$\" in an address as a variable");
    }
    if (quoted(redirect.oldPath).size() > kLongestWord ||
        returned(redirect).size() > kLongestWord) {
        return QStringLiteral("nginx reads no word longer than 4,095 bytes");
    }
    return {};
}

} // namespace

ServerRules NginxRules(const RulesSite& /*site*/, const QList<Redirect>& redirects) {
    return OneFileRules(kFile,
                        "# Permanent redirects (301) of the pages Zandrift moved, for nginx: "
                        "include this file inside the old site's server block.\n",
                        &cannotHold, redirects, [](const Redirect& redirect) {
                            return "location = " + quoted(redirect.oldPath) + " { return 301 " +
                                   returned(redirect) + "; }\n";
                        });
}
