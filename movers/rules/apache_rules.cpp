#include "movers/rules/rule_file.h"

#include "movers/files/control_characters.h"

#include <QHash>

#include <algorithm>
#include <optional>

// mod_rewrite rather than mod_alias: "Redirect" matches every path below the old one (a
// folder's rule would catch all its files), and "RedirectMatch" escapes the new address again
// ("%25" would be sent as "%2525"). With "NE" the address goes out as written, and an address
// without "?" keeps the visitor's query string. %{REQUEST_URI} is the decoded path whatever
// folder the rules stand in.
//
// Apache reads a .htaccess again for every request in its folder and below, and tries its rules
// one by one, so each folder's file holds only the redirects of that folder's pages. The
// server's own configuration is read once: there one rule looks the path up in a text map,
// which mod_rewrite keeps each answer of, so a request costs the same with any number of pages.

namespace {

const QString kHtaccess = QStringLiteral(".htaccess");
const QString kConf = QStringLiteral("redirects.apache.conf");
const QString kMap = QStringLiteral("redirects.apache.map");

// Apache refuses a line of its configuration or of a .htaccess longer than this ("Line too
// long"; in a .htaccess every request of the folder then fails).
constexpr qsizetype kLongestLine = 8191;
// mod_rewrite reads a text map's lines into 1,024 bytes with the line end: the rest of a longer
// line would be read as a line of its own.
constexpr qsizetype kLongestMapLine = 1023;

bool isAlphanumeric(uchar byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z');
}

QByteArray hex(uchar byte, const char* digits) {
    QByteArray pair(2, '0');
    pair[0] = digits[byte >> 4];
    pair[1] = digits[byte & 0x0F];
    return pair;
}

// A regular expression matching exactly the decoded path, anchored at both ends ("\z", since
// "$" also matches before a final line feed): letters, digits, "/" and characters beyond ASCII
// as they are; other printable characters after a backslash, which makes each of them mean
// itself; the blank, the backslash and the control characters as "\xHH". So the pattern holds
// no blank that would end the argument, and nothing mod_rewrite reads as quoting.
QByteArray pattern(const QString& path) {
    QByteArray out = "^";
    for (const char byte : path.toUtf8()) {
        const auto unit = uchar(byte);
        if (unit >= 0x80 || isAlphanumeric(unit) || unit == '/') {
            out += byte;
        } else if (unit > ' ' && unit < 0x7F && unit != '\\') {
            out += '\\';
            out += byte;
        } else {
            out += "\\x" + hex(unit, "0123456789ABCDEF");
        }
    }
    return out + "\\z";
}

// The substitution as one unquoted argument: a backslash quotes the next character, so it is
// doubled, and a blank, which would end the argument, gets one; "$" and "%" are written after a
// backslash only where mod_rewrite would read them, before a digit (a back-reference) or "{" (a
// map or a variable). An address starts with "h" or "/" (HeldRedirects), so never with a
// quote that would open a quoted argument.
QByteArray substitution(const QString& address) {
    const QByteArray utf8 = address.toUtf8();
    QByteArray text;
    for (qsizetype at = 0; at < utf8.size(); ++at) {
        const char byte = utf8[at];
        const char next = at + 1 < utf8.size() ? utf8[at + 1] : '\0';
        const bool read =
            (byte == '$' || byte == '%') && ((next >= '0' && next <= '9') || next == '{');
        if (byte == '\\' || byte == ' ' || read) {
            text += '\\';
        }
        text += byte;
    }
    return text;
}

QByteArray condition(const Redirect& redirect) {
    return "RewriteCond %{REQUEST_URI} " + pattern(redirect.oldPath);
}

QByteArray rule(const Redirect& redirect) {
    return "RewriteRule ^ " + substitution(redirect.newAddress) + " [R=301,NE,L]";
}

QByteArray explicitRule(const Redirect& redirect) {
    return condition(redirect) + '\n' + rule(redirect) + '\n';
}

QString cannotHold(const Redirect& redirect) {
    if (condition(redirect).size() > kLongestLine || rule(redirect).size() > kLongestLine) {
        return QStringLiteral("Apache reads no line longer than 8,191 characters");
    }
    return {};
}

// The path as mod_rewrite's "int:escape" writes it, the map's key: letters, digits and
// "$-_.+!*'(),:;@&=/~" as they are, every other byte as "%" and two lower-case hex digits. So the
// key holds no white space, which would end it.
QByteArray escapedPath(const QString& path) {
    static constexpr QByteArrayView kAsTheyAre = "$-_.+!*'(),:;@&=/~";
    QByteArray out;
    for (const char byte : path.toUtf8()) {
        if (isAlphanumeric(uchar(byte)) || kAsTheyAre.contains(byte)) {
            out += byte;
        } else {
            out += '%' + hex(uchar(byte), "0123456789abcdef");
        }
    }
    return out;
}

// The redirect's line of the text map; nothing when a map cannot hold it: a longer line, or an
// address with white space, which would end the value.
std::optional<QByteArray> mapLine(const Redirect& redirect) {
    const QByteArray address = redirect.newAddress.toUtf8();
    const QByteArray line = escapedPath(redirect.oldPath) + ' ' + address;
    const bool whiteSpace = std::any_of(address.cbegin(), address.cend(), [](char byte) {
        return byte == ' ' || (byte >= '\t' && byte <= '\r');
    });
    if (whiteSpace || line.size() > kLongestMapLine) {
        return std::nullopt;
    }
    return line + '\n';
}

// The RewriteMap's source, quoted: the text map where it is written, unless that path holds a
// control character, when the map's name alone (which Apache looks for in its ServerRoot). A
// line or paragraph separator is an ordinary character to Apache's configuration and to the
// file system, so a path holding one still names the map.
QByteArray mapSource(const RulesSite& site) {
    const QString path = site.outputFolder + u'/' + kMap;
    const bool control = std::any_of(path.cbegin(), path.cend(), IsControlCharacter);
    QByteArray text = "txt:" + (control ? kMap : path).toUtf8();
    return '"' + text.replace('\\', "\\\\").replace('"', "\\\"") + '"';
}

const QByteArray kHtaccessOpening = "# Permanent redirects (301) of the pages Zandrift moved, for "
                                    "Apache (mod_rewrite): upload this .htaccess with the pages.\n"
                                    "RewriteEngine On\n";

// One .htaccess a folder: the site's own folder always, every other with redirects.
QList<RulesFile> htaccessFiles(const RulesSite& site, const QList<Redirect>& redirects) {
    QList<RulesFile> files{{kHtaccess, kHtaccessOpening}};
    QHash<QString, qsizetype> fileOf{{QString(), 0}};
    for (const Redirect& redirect : redirects) {
        const QString folder = PageFolder(site, redirect);
        auto at = fileOf.constFind(folder);
        if (at == fileOf.cend()) {
            at = fileOf.insert(folder, files.size());
            files.append({folder + kHtaccess, kHtaccessOpening});
        }
        files[*at].bytes += explicitRule(redirect);
    }
    return files;
}

// The server configuration's file and its map: the redirects the map can hold are looked up in
// it; any other is a rule of its own.
QList<RulesFile> serverFiles(const RulesSite& site, const QList<Redirect>& redirects) {
    const QByteArray name = RulesName(site);
    QByteArray conf =
        "# Permanent redirects (301) of the pages Zandrift moved, for Apache's server "
        "configuration (mod_rewrite): Include this file inside the old site's VirtualHost; it "
        "reads the map redirects.apache.map where the RewriteMap line names it.\n"
        "RewriteEngine On\n"
        "RewriteMap " +
        name + ' ' + mapSource(site) + "\nRewriteMap " + name +
        "_escape int:escape\nRewriteCond ${" + name + ":${" + name +
        "_escape:%{REQUEST_URI}}} ^(.+)$\nRewriteRule ^ %1 [R=301,NE,L]\n";
    QByteArray map = "# The redirects of redirects.apache.conf, one a line: the old path as Apache "
                     "escapes it, and the new address.\n";
    for (const Redirect& redirect : redirects) {
        if (const std::optional<QByteArray> line = mapLine(redirect)) {
            map += *line;
        } else {
            conf += explicitRule(redirect);
        }
    }
    return {{kConf, conf}, {kMap, map}};
}

} // namespace

ServerRules ApacheRules(const RulesSite& site, const QList<Redirect>& redirects) {
    ServerRules rules;
    const QList<Redirect> inFolders =
        HeldRedirects(redirects, kHtaccess, &cannotHold, rules.leftOut);
    const QList<Redirect> inServer = HeldRedirects(redirects, kConf, &cannotHold, rules.leftOut);
    rules.files = htaccessFiles(site, inFolders) + serverFiles(site, inServer);
    return rules;
}
