// The mover pages in a real browser engine: a redirect page takes the browser to its new
// page, also from a web server that names no charset, and a framed-forwarding page shows the
// new page inside its frame "redirect".
#include "movers/pages/mover_pages.h"
#include "movers/pages/page_address.h"
#include "support/http/loopback_server.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>

namespace {

constexpr int kTimeoutMs = 30000;
constexpr char kNewPage[] =
    "<html><head><title>Arrived at the new page</title></head><body>new</body></html>";

class MoverPagesInBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("old")));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("new")));
        write(QStringLiteral("new/page.htm"), kNewPage);
        ASSERT_TRUE(server.listen());
        server.serveFolder(dir.path());
    }

    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QString newPageAddress() const {
        return QUrl::fromLocalFile(dir.filePath(QStringLiteral("new/page.htm"))).toString();
    }

    bool arrived() const { return view.title() == QStringLiteral("Arrived at the new page"); }

    // Loads an old page and waits until `done` holds or the time is up.
    bool loadAndWaitFor(const QString& oldName, const std::function<bool()>& done) {
        return loadAndWaitFor(QUrl::fromLocalFile(dir.filePath(oldName)), done);
    }

    bool loadAndWaitFor(const QUrl& page, const std::function<bool()>& done) {
        view.load(page);
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done()) {
                loop.quit();
            }
        });
        QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
        poll.start(50);
        loop.exec();
        return done();
    }

    // The result of a script in the shown page, as text.
    QString evaluate(const QString& script) {
        QString result;
        QEventLoop loop;
        view.page()->runJavaScript(script, [&](const QVariant& value) {
            result = value.toString();
            loop.quit();
        });
        QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        return result;
    }

    QTemporaryDir dir;
    LoopbackServer server; // serves `dir`, with no charset
    QWebEngineView view;
};

} // namespace

TEST_F(MoverPagesInBrowserTest, ARedirectPageWithoutDelayArrivesAtTheNewPage) {
    write(QStringLiteral("old/page.htm"),
          PageFileBytes(RedirectPage({QStringLiteral("Old page"), 0, newPageAddress()}), false));

    EXPECT_TRUE(loadAndWaitFor(QStringLiteral("old/page.htm"), [this] { return arrived(); }))
        << "title shown: " << view.title().toStdString();
    EXPECT_EQ(view.url().toString(), newPageAddress());
}

// A server that sends no charset for pages (as Debian's Apache does by default) leaves the
// browser to guess the page's encoding, so raw UTF-8 in the page name would be read as
// another encoding's letters and send the visitor to a page that does not exist. A blank at the
// end of a name would be trimmed, and a byte order mark at its start dropped, were they not
// encoded: each name reaches its own page, not the page whose name lacks the character.
TEST_F(MoverPagesInBrowserTest, ARedirectPageOfAnOddNameArrivesAtThatPageFromAServer) {
    write(QStringLiteral("new/x.htm"), "<html><head><title>Another page</title></head></html>");
    for (const QString& name : {QStringLiteral("\u00DCber uns.htm"), QStringLiteral("x.htm "),
                                QStringLiteral("\uFEFFx.htm")}) {
        SCOPED_TRACE(name.toStdString());
        write(QStringLiteral("new/") + name, kNewPage);
        write(QStringLiteral("old/") + name,
              PageFileBytes(RedirectPage({QStringLiteral("Old page"), 0,
                                          PageAddress(server.url(QStringLiteral("/new/")), name)}),
                            false));

        // The page before shows the same title, so the wait is for this page's own address.
        const QString newPage = server.url(QStringLiteral("/new/") + EncodePageName(name));
        EXPECT_TRUE(loadAndWaitFor(
            QUrl(server.url(QStringLiteral("/old/") + EncodePageName(name))),
            [&] { return arrived() && view.url().toString(QUrl::FullyEncoded) == newPage; }))
            << "shown: " << view.url().toString(QUrl::FullyEncoded).toStdString();
    }
}

TEST_F(MoverPagesInBrowserTest, AFramedPageShowsTheNewPageInsideItsFrame) {
    write(
        QStringLiteral("old/page.htm"),
        PageFileBytes(FramedForwardPage({QStringLiteral("Old page"), 0, newPageAddress()}), false));
    const QString frameTitle =
        QStringLiteral("(function() { try { return window.frames['redirect'].document.title; }"
                       " catch (e) { return 'no access: ' + e; } })()");

    EXPECT_TRUE(loadAndWaitFor(
        QStringLiteral("old/page.htm"),
        [&] { return evaluate(frameTitle) == QStringLiteral("Arrived at the new page"); }))
        << "frame title: " << evaluate(frameTitle).toStdString();
    EXPECT_EQ(view.title(), QStringLiteral("Old page"));
    EXPECT_EQ(view.url(), QUrl::fromLocalFile(dir.filePath(QStringLiteral("old/page.htm"))));
    EXPECT_EQ(evaluate(QStringLiteral("window.frames['redirect'].location.href")),
              newPageAddress());
}

// An old link with a query and a fragment lands on the same query and fragment at the new
// address, through either kind of page read from a web server, and the old redirect page does
// not stay in the history.
TEST_F(MoverPagesInBrowserTest, KeptQueryAndFragmentReachTheNewPageThroughEitherKind) {
    const QString address = server.url(QStringLiteral("/new/page.htm"));
    const PageFields fields{QStringLiteral("Old page"), 0, address, {true, true}};
    struct Kind {
        QString (*page)(const PageFields&);
        QString newPage; // the expression of the new page's window in the old page
    };
    for (const Kind& kind :
         {Kind{&RedirectPage, QStringLiteral("window")},
          Kind{&FramedForwardPage, QStringLiteral("window.frames['redirect']")}}) {
        write(QStringLiteral("old/page.htm"), PageFileBytes(kind.page(fields), false));
        const QString seen =
            QStringLiteral("(function() { try { var w = %1; return w.document.title"
                           " + ' ' + w.location.search + w.location.hash; }"
                           " catch (e) { return 'no access: ' + e; } })()")
                .arg(kind.newPage);
        const QString expected = QStringLiteral("Arrived at the new page ?a=1&b=2#part");

        EXPECT_TRUE(loadAndWaitFor(QUrl(server.url(QStringLiteral("/old/page.htm?a=1&b=2#part"))),
                                   [&] { return evaluate(seen) == expected; }))
            << kind.newPage.toStdString() << " shows: " << evaluate(seen).toStdString();
        if (kind.page == &RedirectPage) {
            EXPECT_FALSE(view.history()->canGoBack()) << "the redirect page left the history";
        }
    }
}
