// ShowPreview: the page text buffer shown in the page preview window's web view.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/frmBrowser.h"
#include "windows/web_browser_view.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QWebEnginePage>

#include <memory>
#include <optional>

using PreviewTest = CompanionWindowTest;

namespace {

constexpr int kPageTimeout = 20000; // milliseconds; the first page starts the web engine

QString page(const QString& title) {
    return QStringLiteral("<html><head><title>%1</title></head><body><p>%1</p></body></html>")
        .arg(title);
}

// Waits until the view shows a page with this title.
bool showsTitle(const frmBrowser& preview, const QString& title) {
    return QTest::qWaitFor([&] { return preview.brwBrowser->title() == title; }, kPageTimeout);
}

QString shownText(const frmBrowser& preview) {
    auto text = std::make_shared<std::optional<QString>>();
    preview.brwBrowser->page()->toPlainText([text](const QString& plain) { *text = plain; });
    if (!QTest::qWaitFor([&] { return text->has_value(); }, kPageTimeout)) {
        return QStringLiteral("(no answer from the view)");
    }
    return **text;
}

int shownPreviewWindows() {
    int shown = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        shown += qobject_cast<const frmBrowser*>(widget) != nullptr && widget->isVisible();
    }
    return shown;
}

} // namespace

TEST_F(PreviewTest, ShowsThePageTextAsAPage) {
    start();
    window->strPage = page(QStringLiteral("Old home page"));

    window->ShowPreview();

    frmBrowser& preview = frmBrowser::instance();
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.parentWidget(), nullptr);
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Orvantis Browser"));
    EXPECT_TRUE(showsTitle(preview, QStringLiteral("Old home page")))
        << preview.brwBrowser->title().toStdString();
}

TEST_F(PreviewTest, ShowsCharactersThatMeanSomethingInAnAddressAsWritten) {
    start();
    window->strPage = page(QStringLiteral("100% #1 ?a=b&c"));

    window->ShowPreview();

    EXPECT_TRUE(showsTitle(frmBrowser::instance(), QStringLiteral("100% #1 ?a=b&c")))
        << frmBrowser::instance().brwBrowser->title().toStdString();
}

TEST_F(PreviewTest, ShowingTwiceShowsOneWindowWithTheSecondPage) {
    start();
    window->strPage = page(QStringLiteral("First"));
    window->ShowPreview();
    frmBrowser* first = &frmBrowser::instance();
    ASSERT_TRUE(showsTitle(*first, QStringLiteral("First")));

    window->strPage = page(QStringLiteral("Second"));
    window->ShowPreview();

    EXPECT_EQ(&frmBrowser::instance(), first);
    EXPECT_EQ(shownPreviewWindows(), 1);
    EXPECT_TRUE(showsTitle(*first, QStringLiteral("Second")));
    EXPECT_EQ(shownText(*first), QStringLiteral("Second"));
}

TEST_F(PreviewTest, AfterTheCloseBoxShowingOpensAFreshWindowWithTheCurrentPage) {
    start();
    window->strPage = page(QStringLiteral("Before"));
    window->ShowPreview();
    QPointer<frmBrowser> closed = &frmBrowser::instance();
    ASSERT_TRUE(showsTitle(*closed, QStringLiteral("Before")));

    closed->close();
    EXPECT_FALSE(frmBrowser::isLoaded());
    destroyUnloadedWindows();
    EXPECT_TRUE(closed.isNull());

    window->strPage = page(QStringLiteral("After"));
    window->ShowPreview();
    EXPECT_TRUE(frmBrowser::instance().isVisible());
    EXPECT_TRUE(showsTitle(frmBrowser::instance(), QStringLiteral("After")));
}

TEST_F(PreviewTest, AnEmptyPageTextShowsABlankPage) {
    start();
    window->strPage = page(QStringLiteral("Something"));
    window->ShowPreview();
    ASSERT_TRUE(showsTitle(frmBrowser::instance(), QStringLiteral("Something")));

    window->strPage.clear();
    window->ShowPreview();

    const frmBrowser& preview = frmBrowser::instance();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return preview.brwBrowser->url() == QUrl(QStringLiteral("about:blank")); },
        kPageTimeout));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownText(preview).isEmpty(); }, kPageTimeout));
}

TEST_F(PreviewTest, AnAddressOtherThanAboutIsLoaded) {
    start();
    const QString file = writeSiteFile(QStringLiteral("old.htm"), page("On disk").toUtf8());
    frmBrowser& preview = frmBrowser::instance();

    preview.brwBrowser->Navigate(file);

    EXPECT_TRUE(showsTitle(preview, QStringLiteral("On disk")));
}

TEST_F(PreviewTest, KeepsTheViewAtTheTopLeftCornerLessTheMarginsOfTheOuterSize) {
    start();
    window->ShowPreview();
    frmBrowser& preview = frmBrowser::instance();

    for (const QSize size : {QSize(400, 300), QSize(641, 377), QSize(2, 2)}) {
        preview.resize(size);
        const QSize outer = preview.frameGeometry().size();
        // 50 and 200 twips are 3⅓ and 13⅓ pixels.
        const QSize expected(std::max(0, qRound(outer.width() - 50.0 / 15)),
                             std::max(0, qRound(outer.height() - 200.0 / 15)));
        EXPECT_EQ(preview.brwBrowser->geometry(), QRect(QPoint(0, 0), expected))
            << size.width() << "x" << size.height();
    }
}

TEST_F(PreviewTest, FitsTheViewBeforeTheWindowIsFirstSeen) {
    start();
    window->ShowPreview();

    const frmBrowser& preview = frmBrowser::instance();
    EXPECT_EQ(preview.brwBrowser->pos(), QPoint(0, 0));
    EXPECT_GT(preview.brwBrowser->width(), 129) << "129 pixels is the designed width";
}
