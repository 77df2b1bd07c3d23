#include "movers/rule_file.h"

// "location =" compares the decoded, normalized request path byte for byte, case included, and
// "$is_args$args" passes the visitor's query string on ("?" and the query, or nothing).

namespace {

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

// nginx has no escape for "$" in a return text: it would read the rest as a variable.
QString cannotHold(const Redirect& redirect) {
    if (redirect.newAddress.contains(u'$')) {
        return QStringLiteral("nginx reads \"$\" in an address as a variable");
    }
    return {};
}

QByteArray rule(const Redirect& redirect, int /*number*/) {
    return "location = " + quoted(redirect.oldPath) + " { return 301 " +
           quoted(redirect.newAddress + QStringLiteral("$is_args$args")) + "; }\n";
}

} // namespace

ServerRules NginxRules(const QList<Redirect>& redirects) {
    static const RuleSyntax syntax{
        .opening = "# Permanent redirects (301) of the pages Zandrift moved, for nginx: include "
                   "this file inside the old site's server block.\n",
        .cannotHold = &cannotHold,
        .rule = &rule};
    return WriteRules(syntax, redirects);
}
