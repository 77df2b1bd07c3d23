#include "movers/rules/rule_file.h"

#include <QHash>

#include <optional>

// Caddy 2.6 compares a map's input with its entries one by one, and tries named matchers one by
// one too, so the file shares its redirects out over smaller maps: one map takes from the decoded
// request path ("{path}") a few characters before its extension as the key of a share, a second
// map gives that key's share, whose map alone compares the whole path. But every map is a
// handler that every request passes, and every placeholder asked for is looked for in each map
// passed, so a map costs each request, a plain file's too, whether its entries are compared or
// not: the shares are as many as make the least of both. A request so costs a few hundred
// comparisons, not the size of the site. The query string is mapped once to "?" and the
// query, or nothing, since Caddy has no placeholder for that. Every name the file gives is its
// own (RulesName), so the files of several folders can be imported into one site block.

namespace {

const QString kFile = QStringLiteral("redirects.caddy");

// The most characters a share's key can hold; fewer make fewer, larger shares.
constexpr int kLongestKey = 3;

// A token of the Caddyfile holding exactly the text: between backticks, where nothing is read as
// an escape; when the text holds a backtick, between double quotes with "\"" for a quote, where a
// backslash stands for itself unless a quote follows it (Caddy reads "\\" as two backslashes, so
// a backslash before a quote, or at the end, cannot be written); nothing when neither can hold
// it.
std::optional<QByteArray> token(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (!utf8.contains('`')) {
        return '`' + utf8 + '`';
    }
    if (utf8.contains("\\\"") || utf8.endsWith('\\')) {
        return std::nullopt;
    }
    return '"' + QByteArray(utf8).replace("\"", "\\\"") + '"';
}

// The key of a path's share as Caddy's regular expression below finds it in the path: the last
// `runes` characters before the extension (the last "." after the last "/", to the end), or
// the whole path when it is no longer than that. Characters are Unicode code points, as Go's
// regular expressions count them.
QString shareKey(const QString& path, int runes) {
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype end = dot > path.lastIndexOf(u'/') ? dot : path.size();
    if (path.toUcs4().size() <= runes) {
        return path;
    }
    qsizetype start = end;
    for (int taken = 0; taken < runes && start > 0; ++taken) {
        --start;
        if (start > 0 && path[start].isLowSurrogate() && path[start - 1].isHighSurrogate()) {
            --start;
        }
    }
    return path.mid(start, end - start);
}

QByteArray keyPattern(int runes) {
    return "`~(?s)(.{0," + QByteArray::number(runes) + "})(?:\\.[^./]*)?$`";
}

// The redirects, shared out by their keys, the shares in the order their first redirect comes.
struct Shares {
    int runes = 1;
    QList<QString> keys;
    QList<QList<Redirect>> redirects;
};

Shares sharedOut(const QList<Redirect>& redirects, int runes) {
    Shares shares{.runes = runes, .keys = {}, .redirects = {}};
    QHash<QString, qsizetype> indexOf;
    for (const Redirect& redirect : redirects) {
        const QString key = shareKey(redirect.oldPath, runes);
        auto at = indexOf.constFind(key);
        if (at == indexOf.cend()) {
            at = indexOf.insert(key, shares.keys.size());
            shares.keys.append(key);
            shares.redirects.append(QList<Redirect>());
        }
        shares.redirects[*at].append(redirect);
    }
    return shares;
}

// What a map passed costs a request, in comparisons of a path with an entry: measured with
// Caddy 2.6 on 100,000 redirects, a thousand maps cost a request about 0.4 ms.
constexpr double kMapCost = 20;

// The shares with the fewest comparisons for a redirect on average: each map passed, half the
// keys, and half the redirects of its share.
Shares bestShares(const QList<Redirect>& redirects) {
    Shares best;
    double fewest = -1;
    for (int runes = 1; runes <= kLongestKey; ++runes) {
        Shares shares = sharedOut(redirects, runes);
        double comparisons = double(shares.keys.size()) * (kMapCost + 0.5);
        for (const QList<Redirect>& share : shares.redirects) {
            comparisons +=
                double(share.size()) * double(share.size()) / 2 / double(redirects.size());
        }
        if (fewest < 0 || comparisons < fewest) {
            fewest = comparisons;
            best = std::move(shares);
        }
    }
    return best;
}

QByteArray map(const QByteArray& source, const QByteArray& destination, const QByteArray& entries,
               bool withDefault = true) {
    return "map " + source + " {" + destination + "} {\n" + entries +
           (withDefault ? "\tdefault \"\"\n" : "") + "}\n";
}

QByteArray lookup(const QByteArray& name, const QList<Redirect>& redirects) {
    const Shares shares = bestShares(redirects);
    QByteArray keys;
    QByteArray shareMaps;
    for (qsizetype share = 0; share < shares.keys.size(); ++share) {
        const QByteArray shareName = name + '_' + QByteArray::number(share + 1);
        keys += '\t' + *token(shares.keys[share]) + " \"{" + shareName + "}\"\n";
        QByteArray entries;
        for (const Redirect& redirect : shares.redirects[share]) {
            entries += '\t' + *token(redirect.oldPath) + ' ' + *token(redirect.newAddress) + '\n';
        }
        shareMaps += map("{path}", shareName, entries);
    }
    return map("{query}", name + "_query", "\t\"~^(.+)$\" \"?${1}\"\n") +
           map("{path}", name + "_key", '\t' + keyPattern(shares.runes) + " \"${1}\"\n", false) +
           map('{' + name + "_key}", name + "_to", keys) + shareMaps + "vars " + name + "_to {" +
           name + "_to}\n@" + name + " not vars {vars." + name + "_to} \"\"\nredir @" + name +
           " {vars." + name + "_to}{" + name + "_query} 301\n";
}

} // namespace

ServerRules CaddyRules(const RulesSite& site, const QList<Redirect>& redirects) {
    const QByteArray name = RulesName(site);
    const auto cannotHold = [&name](const Redirect& redirect) -> QString {
        // Placeholders cannot be escaped, and "{$" is read as an environment variable before
        // anything else.
        if (redirect.newAddress.contains(u'{') || redirect.newAddress.contains(u'}') ||
            redirect.oldPath.contains(u'{') || redirect.oldPath.contains(u'}')) {
            return QStringLiteral("Caddy reads \"{\" and \"}\" in its file as a placeholder");
        }
        if (!token(redirect.oldPath) || !token(redirect.newAddress)) {
            return QStringLiteral(
                "Caddy cannot quote \"`\" with \"\\\" before a quote or at the end");
        }
        // Caddy refuses a map whose entries name its own placeholder.
        if (redirect.oldPath.contains(QLatin1StringView(name)) ||
            redirect.newAddress.contains(QLatin1StringView(name))) {
            return QStringLiteral("it holds the name of the file's placeholders");
        }
        return {};
    };
    ServerRules rules;
    const QList<Redirect> held = HeldRedirects(redirects, kFile, cannotHold, rules.leftOut);
    QByteArray bytes = "# Permanent redirects (301) of the pages Zandrift moved, for Caddy: import "
                       "this file inside the old site's block.\n";
    if (!held.isEmpty()) {
        bytes += lookup(name, held);
    }
    rules.files.append({kFile, bytes});
    return rules;
}
