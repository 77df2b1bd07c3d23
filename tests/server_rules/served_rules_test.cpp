// The rules files as the real servers read them: each started on 127.0.0.1 with a
// configuration of its own that serves the real program's output folders where the old sites
// stood, one at the root and one below it, and reads the rules files of both.
#include "cli/zandrift_program.h"
#include "movers/folder_tree.h"
#include "odd_site.h"
#include "running_server.h"
#include "server_configurations.h"
#include "support/http/loopback_server.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// A server as a test starts it: its program, its configuration, the name of the rules file it
// reads (".htaccess" stands with the pages), the characters of a new address that it sends
// percent-encoded, and the npm package it is, if it is one.
struct Server {
    QString program;
    RunningServer::Configure configure;
    QString rulesFile;
    QString encodes = {};
    QString package = {};
};

const Server apacheHtaccess{"apache2", &ConfigureApache, ".htaccess"};
const Server apacheServer{"apache2", &ConfigureApacheServer, "redirects.apache.conf"};
const Server nginx{"nginx", &ConfigureNginx, "redirects.nginx"};
const Server caddy{"caddy", &ConfigureCaddy, "redirects.caddy"};
// superstatic sends the destination through encodeURI, which encodes these of what a new
// address holds raw.
const Server superstatic{"node", &ConfigureSuperstatic, "firebase.json", "[]{}`^|",
                         "superstatic/lib/bin/server.js"};

// Sites moved by the real program, one for each old path, served together: the first old
// path's output folder is the document root, and each other one stands at its old path in it
// (a link to it), so that every rules file names its files where they were written.
class ServedSites {
public:
    ServedSites(const QStringList& pages, const QStringList& oldPaths, const QString& rulesFile,
                const QString& address = kTypedAddress, const QStringList& options = {}) {
        EXPECT_TRUE(folder.isValid());
        // Readable by the unprivileged user a server started by root serves as.
        QFile::setPermissions(folder.path(), QFile::permissions(folder.path()) | QFile::ReadOther |
                                                 QFile::ExeOther);
        site.folder = folder.filePath(QStringLiteral("server"));
        QDir().mkpath(site.folder);
        for (qsizetype at = 0; at < oldPaths.size(); ++at) {
            const QString& oldPath = oldPaths[at];
            const MovedSite moved = MoveSite(folder.filePath(QStringLiteral("site%1").arg(at)),
                                             pages, oldPath, address, options);
            if (at == 0) {
                site.root = moved.output;
            } else {
                QDir().mkpath(site.root + oldPath.section(u'/', 0, -3));
                EXPECT_TRUE(QFile::link(moved.output, site.root + oldPath.chopped(1)));
            }
            site.rulesFiles << site.root + oldPath + rulesFile;
            leftOut.insert(oldPath, moved.leftOut);
        }
    }

    QTemporaryDir folder;
    ServedSite site;
    QMap<QString, QMap<QString, QStringList>> leftOut; // by old path, then by rules file
};

// Starts the server on the sites; skips the test where the server is not installed.
#define START_SERVER(running, server, sites)                                                       \
    const QString program = InstalledProgram((server).program);                                    \
    if (program.isEmpty() ||                                                                       \
        (!(server).package.isEmpty() && NodePackage((server).package).isEmpty())) {                \
        GTEST_SKIP() << (server).program.toStdString() << " or its package is not installed";      \
    }                                                                                              \
    const RunningServer running(program, (server).configure, (sites).site);                        \
    ASSERT_NE(running.port, 0) << running.failure.toStdString()

// The addresses a sitemap file names, in order.
QStringList SitemapAddresses(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QStringList addresses;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"loc") {
            addresses << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return addresses;
}

// Each old path, as a browser requests it, is answered 301 with exactly its new address (the
// characters `encodes` percent-encoded), and the query string kept; unless the rules file named
// it as left out, when it is not redirected.
void expectRedirected(quint16 port, const QList<Redirect>& redirects, const QStringList& leftOut,
                      const QString& encodes = {}) {
    for (const Redirect& redirect : redirects) {
        const QByteArray target = BrowserPath(redirect.oldPath);
        for (const QByteArray& query : {QByteArray(), QByteArray("?x=1&y=2")}) {
            const HttpAnswer answer = Get(port, target + query);
            if (leftOut.contains(redirect.oldPath)) {
                EXPECT_NE(answer.status, 301) << target.constData();
                continue;
            }
            EXPECT_EQ(answer.status, 301) << target.constData() << query.constData();
            EXPECT_EQ(answer.location, EncodedInPath(redirect.newAddress, encodes).toUtf8() + query)
                << target.constData() << query.constData();
        }
    }
}

// The odd names at the root and below it, both sites' files read by one server: every old path
// redirected but the pages the file leaves out (`leftOutPages`, relative paths), and nothing
// beside the rules.
void expectServedRules(const Server& server, const QStringList& leftOutPages = {}) {
    const ServedSites sites(OddPages(), kOldSitePaths, server.rulesFile);
    START_SERVER(running, server, sites);
    for (const QString& oldPath : kOldSitePaths) {
        SCOPED_TRACE(oldPath.toStdString());
        const QStringList leftOut = sites.leftOut[oldPath].value(server.rulesFile);
        QStringList expectedLeftOut;
        for (const QString& page : leftOutPages) {
            expectedLeftOut << oldPath + page;
        }
        EXPECT_EQ(leftOut, expectedLeftOut);
        expectRedirected(running.port, OddSiteRedirects(oldPath), leftOut, server.encodes);
        for (const QString& beside : kBesidePaths) {
            EXPECT_NE(Get(running.port, BrowserPath(oldPath + beside)).status, 301)
                << beside.toStdString();
        }
    }
}

} // namespace

TEST(ApacheRules, HtaccessFilesRedirectEveryOldPathOfTwoSites) {
    expectServedRules(apacheHtaccess);
}

TEST(ApacheRules, ServerConfigurationRedirectsEveryOldPathOfTwoSites) {
    expectServedRules(apacheServer);
}

TEST(NginxRules, IncludedFilesRedirectEveryOldPathOfTwoSites) {
    expectServedRules(nginx, {QStringLiteral("price$5.htm")});
}

TEST(CaddyRules, ImportedFilesRedirectEveryOldPathOfTwoSites) {
    expectServedRules(caddy, {QStringLiteral("{draft}.htm")});
}

// superstatic keeps the query string, after decoding and encoding it again.
TEST(FirebaseRules, MergedRedirectsRedirectEveryOldPathOfTwoSites) {
    expectServedRules(superstatic, {":name.htm", "hash#tag.htm", "what?.htm"});
}

// A page six folders of 80 Chinese characters deep, moved to a long address: its rule is longer
// than an nginx word and an Apache line. No server refuses its configuration or fails a request
// for it: each starts, redirects the other page (a rule of its own in Apache's configuration,
// whose map holds no line that long), and redirects the deep page or has it named as left out;
// a file beside it is served.
TEST(ServedRules, ADeepTreeBreaksNoServer) {
    QString deep;
    for (int depth = 0; depth < 6; ++depth) {
        for (int character = 0; character < 80; ++character) {
            deep += QChar(0x4E00 + character);
        }
        deep += u'/';
    }
    const QStringList pages{QStringLiteral("a.htm"), deep + QStringLiteral("page.htm")};
    const QString address = QStringLiteral("https://new.example/") + QString(4000, u'x');
    for (const Server& server : {apacheHtaccess, apacheServer, nginx, caddy}) {
        SCOPED_TRACE(server.rulesFile.toStdString());
        const ServedSites sites(pages, {QStringLiteral("/")}, server.rulesFile, address);
        WriteFile(sites.site.root + u'/' + deep + QStringLiteral("style.css"), "body {}");
        START_SERVER(running, server, sites);
        const QStringList leftOut = sites.leftOut[QStringLiteral("/")].value(server.rulesFile);
        EXPECT_EQ(leftOut,
                  server.program == u"caddy" ? QStringList() : QStringList(u'/' + pages.back()));
        expectRedirected(running.port, PageRedirects("/", NewAddresses(address), pages), leftOut);
        EXPECT_EQ(Get(running.port, BrowserPath(u'/' + deep + QStringLiteral("style.css"))).status,
                  200);
    }
}

// A site moved as sites move: pages renamed and merged into other folders, one moved to another
// host, a picture and a document of odd names redirected with every file; each server follows
// the move map, and the sitemaps hold exactly the old and the new addresses.
TEST(ServedRules, AMovedSitesRenamedPagesAndOtherFilesFollowTheMoveMap) {
    const RenamedSite& renamed = TheRenamedSite();
    QTemporaryDir mapFolder;
    const QStringList options = renamed.options(mapFolder.path());
    const QStringList pages = renamed.pages + renamed.files;
    const QList<Redirect> redirects = renamed.redirects();
    for (const Server& server : {apacheHtaccess, apacheServer, nginx, caddy}) {
        SCOPED_TRACE(server.rulesFile.toStdString());
        const ServedSites sites(pages, {QStringLiteral("/")}, server.rulesFile, kTypedAddress,
                                options);
        EXPECT_EQ(sites.leftOut[QStringLiteral("/")], (QMap<QString, QStringList>()));
        START_SERVER(running, server, sites);
        expectRedirected(running.port, redirects, {});
    }

    // The old sitemap names every old path at the old address, the new one every new address
    // but the one on another host, each once; both well-formed as xmllint reads them.
    const ServedSites sites(pages, {QStringLiteral("/")}, {}, kTypedAddress, options);
    QStringList oldPaths;
    for (const QString& address : SitemapAddresses(sites.site.root + "/sitemap-old.xml")) {
        const QUrl url(address, QUrl::StrictMode);
        EXPECT_EQ(url.adjusted(QUrl::RemovePath).toString(), QStringLiteral("http://old.example"));
        oldPaths << url.path();
    }
    QStringList expectedOldPaths;
    QStringList newAddresses;
    for (const Redirect& redirect : redirects) {
        expectedOldPaths << redirect.oldPath;
        if (!redirect.newAddress.startsWith(QStringLiteral("https://other.example"))) {
            newAddresses << redirect.newAddress;
        }
    }
    newAddresses.removeDuplicates();
    QStringList newSitemap = SitemapAddresses(sites.site.root + "/sitemap-new.xml");
    for (QStringList* list : {&oldPaths, &expectedOldPaths, &newAddresses, &newSitemap}) {
        list->sort(); // in the listing's order, not the test's
    }
    EXPECT_EQ(oldPaths, expectedOldPaths);
    EXPECT_EQ(newSitemap, newAddresses);
    const QString xmllint = InstalledProgram(QStringLiteral("xmllint"));
    if (xmllint.isEmpty()) {
        GTEST_SKIP() << "xmllint is not installed";
    }
    for (const char* name : {"/sitemap-old.xml", "/sitemap-new.xml"}) {
        EXPECT_EQ(QProcess::execute(xmllint, {"--noout", sites.site.root + QLatin1String(name)}), 0)
            << name;
    }
}

// After the move, "--verify" follows every old address of the odd site, as a browser asks for
// it, to its new page on a web server of the test's own: through mover pages served plainly,
// where a delay makes each move temporary, and through each server's rules, a page they leave
// out moving by its mover page.
TEST(ServedRules, VerifyFollowsEveryOldAddressToItsNewPage) {
    LoopbackServer newServer;
    ASSERT_TRUE(newServer.listen());
    const QString address = newServer.url(QStringLiteral("/site0"));
    const qsizetype pages = OddPages().size();
    const auto verify = [&](const QString& oldAddress, const QString& folder) {
        return RunZandriftServing(
            {"--verify", "--recursive", "--old-address", oldAddress, "--address", address, folder},
            folder + QStringLiteral("-home"));
    };
    const auto summary = [pages](qsizetype moving) {
        return QStringLiteral("%1 of %2 old addresses move permanently to their new page")
            .arg(moving)
            .arg(pages);
    };
    for (const int delay : {0, 5}) {
        SCOPED_TRACE(delay);
        const ServedSites sites(OddPages(), {QStringLiteral("/")}, {}, address,
                                {"--delay", QString::number(delay)});
        newServer.serveFolder(sites.folder.path());
        LoopbackServer oldServer;
        ASSERT_TRUE(oldServer.listen());
        oldServer.serveFolder(sites.site.root);
        const ProgramResult result =
            verify(oldServer.url(QStringLiteral("/")), sites.folder.filePath("site0"));
        const QStringList lines = result.outLines();
        if (delay == 0) {
            EXPECT_EQ(lines, QStringList(summary(pages))) << result.err.toStdString();
            EXPECT_EQ(result.exitCode, 0);
            continue;
        }
        // A line for every page, then the two closing lines.
        EXPECT_EQ(lines.filter(QStringLiteral("\trefresh after 5 s (temporary to search engines)"))
                      .size(),
                  pages);
        EXPECT_EQ(lines.mid(pages),
                  QStringList({summary(0), QStringLiteral("%1 delayed refreshes").arg(pages)}));
        EXPECT_EQ(result.exitCode, 1);
    }
    for (const Server& server : {apacheHtaccess, apacheServer, nginx, caddy}) {
        SCOPED_TRACE(server.rulesFile.toStdString());
        const ServedSites sites(OddPages(), kOldSitePaths, server.rulesFile, address);
        newServer.serveFolder(sites.folder.path());
        START_SERVER(running, server, sites);
        for (const QString& oldPath : kOldSitePaths) {
            SCOPED_TRACE(oldPath.toStdString());
            const ProgramResult result =
                verify(QStringLiteral("http://127.0.0.1:%1%2").arg(running.port).arg(oldPath),
                       sites.folder.filePath("site0"));
            EXPECT_EQ(result.outLines(), QStringList(summary(pages)));
            EXPECT_EQ(result.exitCode, 0);
        }
    }
}
