#include "movers/rules/page_redirects.h"

#include <QSet>

namespace {

bool isIndexPage(const QString& name) {
    return name.compare(u"index.htm", Qt::CaseInsensitive) == 0 ||
           name.compare(u"index.html", Qt::CaseInsensitive) == 0;
}

} // namespace

QList<Redirect> PageRedirects(const QString& oldPath, const NewAddresses& addresses,
                              const QStringList& pages) {
    QList<Redirect> redirects;
    QSet<QString> foldersRedirected;
    for (const QString& page : pages) {
        redirects.append({oldPath + page, addresses.of(page)});
        const qsizetype slash = page.lastIndexOf(u'/');
        const QString folder = page.left(slash + 1); // "" or ending in "/"
        if (isIndexPage(page.mid(slash + 1)) && !foldersRedirected.contains(folder)) {
            foldersRedirected.insert(folder);
            const QString folderPath = folder.isEmpty() ? folder : folder.chopped(1);
            redirects.append({oldPath + folder, addresses.ofFolder(folderPath, page)});
        }
    }
    return redirects;
}
