#include "movers/rule_file.h"

// mod_rewrite rather than mod_alias: "Redirect" matches every path below the old one (a
// folder's rule would catch all its files), and "RedirectMatch" escapes the new address again
// ("%25" would be sent as "%2525"). With "NE" the address goes out as written, and an address
// without "?" keeps the visitor's query string. %{REQUEST_URI} is the decoded path whatever
// folder this .htaccess stands in.

namespace {

// The substitution as one unquoted argument: mod_rewrite ends it at a blank, and reads "\" as
// quoting the next character, "$" and "%" as back-references and variables. An address starts
// with "h" or "/" (WriteRules), so never with a quote that would open a quoted argument.
QByteArray substitution(const QString& address) {
    QByteArray text;
    for (const char byte : address.toUtf8()) {
        if (byte == '\\' || byte == '$' || byte == '%' || byte == ' ') {
            text += '\\';
        }
        text += byte;
    }
    return text;
}

QByteArray rule(const Redirect& redirect, int /*number*/) {
    return "RewriteCond %{REQUEST_URI} " + ExactPathPattern(redirect.oldPath) + "\nRewriteRule ^ " +
           substitution(redirect.newAddress) + " [R=301,NE,L]\n";
}

} // namespace

ServerRules ApacheRules(const QList<Redirect>& redirects) {
    static const RuleSyntax syntax{
        .opening = "# Permanent redirects (301) of the pages Zandrift moved, for Apache "
                   "(mod_rewrite): upload this .htaccess with the pages.\n"
                   "RewriteEngine On\n",
        .cannotHold = nullptr,
        .rule = &rule};
    return WriteRules(syntax, redirects);
}
