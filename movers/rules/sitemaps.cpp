#include "movers/rules/sitemaps.h"

#include "movers/pages/page_address.h"

#include <QSet>
#include <QUrl>

namespace {

const QByteArray kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The text of an element: "&", "'", '"', "<" and ">" as entities.
QByteArray escaped(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray urlEntry(const QByteArray& address) {
    return "<url><loc>" + escaped(address) + "</loc></url>\n";
}

QByteArray urlset(const QByteArray& entries) {
    return kHead + "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n" + entries +
           "</urlset>\n";
}

// The addresses as one sitemap, or as numbered ones and their index.
QList<RulesFile> sitemapFiles(const QString& name, const QString& base,
                              const QList<QByteArray>& addresses, const SitemapLimits& limits) {
    const qsizetype frame = urlset({}).size();
    QList<QByteArray> parts{QByteArray()};
    qsizetype inPart = 0;
    for (const QByteArray& address : addresses) {
        const QByteArray entry = urlEntry(address);
        if (inPart == limits.addresses ||
            frame + parts.last().size() + entry.size() > limits.bytes) {
            parts.append(QByteArray());
            inPart = 0;
        }
        parts.last() += entry;
        ++inPart;
    }
    if (parts.size() == 1) {
        return {{name + QStringLiteral(".xml"), urlset(parts.front())}};
    }
    QList<RulesFile> files;
    QByteArray index =
        kHead + "<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    for (qsizetype part = 0; part < parts.size(); ++part) {
        const QString partName = QStringLiteral("%1-%2.xml").arg(name).arg(part + 1);
        files.append({partName, urlset(parts[part])});
        index +=
            "<sitemap><loc>" + escaped(QUrl(base + partName).toEncoded()) + "</loc></sitemap>\n";
    }
    files.prepend({name + QStringLiteral(".xml"), index + "</sitemapindex>\n"});
    return files;
}

} // namespace

QList<RulesFile> Sitemaps(const QString& oldAddress, const QString& newAddress,
                          const QList<Redirect>& redirects, const SitemapLimits& limits) {
    const QUrl newSite(AddressBase(newAddress));
    QList<QByteArray> oldAddresses;
    QList<QByteArray> newAddresses;
    QSet<QByteArray> newSeen;
    for (const Redirect& redirect : redirects) {
        oldAddresses.append(OldPageAddress(oldAddress, redirect.oldPath).toEncoded());
        const QUrl moved(redirect.newAddress);
        const QByteArray address = moved.toEncoded();
        if (moved.host().compare(newSite.host(), Qt::CaseInsensitive) == 0 &&
            moved.port() == newSite.port() && !newSeen.contains(address)) {
            newSeen.insert(address);
            newAddresses.append(address);
        }
    }
    return sitemapFiles(QStringLiteral("sitemap-old"), oldAddress, oldAddresses, limits) +
           sitemapFiles(QStringLiteral("sitemap-new"), AddressBase(newAddress), newAddresses,
                        limits);
}
