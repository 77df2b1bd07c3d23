#include "movers/rule_file.h"

// Caddy's "path" matcher ignores case and reads "%" and "[" as patterns, so each old path is an
// anchored "path_regexp", which matches the decoded path case for case. Caddy 2.6 has no
// placeholder for "?" and the query only when there is one, so the file maps the query string
// to that text once ("{moved_page_query}") and every redirect appends it.

namespace {

// Between double quotes of a Caddyfile "\"" is a quote; the address holds no backslash
// (cannotHold), which would otherwise escape the closing quote.
QByteArray quoted(const QString& text) {
    QByteArray out = "\"";
    for (const char byte : text.toUtf8()) {
        if (byte == '"') {
            out += '\\';
        }
        out += byte;
    }
    return out + '"';
}

QString cannotHold(const Redirect& redirect) {
    // Placeholders cannot be escaped here, and "{$" is read as an environment variable before
    // anything else.
    if (redirect.newAddress.contains(u'{') || redirect.newAddress.contains(u'}')) {
        return QStringLiteral("Caddy reads \"{\" and \"}\" in an address as a placeholder");
    }
    if (redirect.newAddress.contains(u'\\')) {
        return QStringLiteral("Caddy's quotes cannot hold \"\\\" in an address");
    }
    return {};
}

QByteArray rule(const Redirect& redirect, int number) {
    const QByteArray matcher = "@moved_page_" + QByteArray::number(number);
    return matcher + " path_regexp \"" + ExactPathPattern(redirect.oldPath) + "\"\nredir " +
           matcher + ' ' + quoted(redirect.newAddress + QStringLiteral("{moved_page_query}")) +
           " 301\n";
}

} // namespace

ServerRules CaddyRules(const QList<Redirect>& redirects) {
    static const RuleSyntax syntax{
        .opening = "# Permanent redirects (301) of the pages Zandrift moved, for Caddy: import "
                   "this file inside the old site's block.\n"
                   "map {query} {moved_page_query} {\n"
                   "\t\"~^(.+)$\" \"?${1}\"\n"
                   "\tdefault \"\"\n"
                   "}\n",
        .cannotHold = &cannotHold,
        .rule = &rule};
    return WriteRules(syntax, redirects);
}
