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

namespace {

constexpr int kPageTimeout = 20000; // milliseconds; the first page starts the web engine

QString page(const QString& title) {
    return QStringLiteral("<html><head><title>%1</title></head><body><p>%1</p></body></html>")
        .arg(title);
}

class PreviewTest : public CompanionWindowTest {
protected:
    // Puts a page with this title in the page text buffer and shows the preview.
    frmBrowser& preview(const QString& title) {
        window->strPage = page(title);
        window->ShowPreview();
        return frmBrowser::instance();
    }
};

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

    const frmBrowser& shown = preview(QStringLiteral("Old home page"));

    EXPECT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.parentWidget(), nullptr);
    EXPECT_EQ(shown.windowTitle(), QStringLiteral("Orvantis Browser"));
    EXPECT_TRUE(showsTitle(shown, QStringLiteral("Old home page")))
        << shown.brwBrowser->title().toStdString();
}

TEST_F(PreviewTest, ShowsCharactersThatMeanSomethingInAnAddressAsWritten) {
    start();

    const frmBrowser& shown = preview(QStringLiteral("100% #1 ?a=b&c"));

    EXPECT_TRUE(showsTitle(shown, QStringLiteral("100% #1 ?a=b&c")))
        << shown.brwBrowser->title().toStdString();
}

TEST_F(PreviewTest, ShowingTwiceShowsOneWindowWithTheSecondPage) {
    start();
    frmBrowser* first = &preview(QStringLiteral("First"));
    ASSERT_TRUE(showsTitle(*first, QStringLiteral("First")));

    EXPECT_EQ(&preview(QStringLiteral("Second")), first);
    EXPECT_EQ(shownPreviewWindows(), 1);
    EXPECT_TRUE(showsTitle(*first, QStringLiteral("Second")));
    EXPECT_EQ(shownText(*first), QStringLiteral("Second"));
}

TEST_F(PreviewTest, AfterTheCloseBoxShowingOpensAFreshWindowWithTheCurrentPage) {
    start();
    QPointer<frmBrowser> closed = &preview(QStringLiteral("Before"));
    ASSERT_TRUE(showsTitle(*closed, QStringLiteral("Before")));

    closed->close();
    EXPECT_FALSE(frmBrowser::isLoaded());
    destroyUnloadedWindows();
    EXPECT_TRUE(closed.isNull());

    const frmBrowser& fresh = preview(QStringLiteral("After"));
    EXPECT_TRUE(fresh.isVisible());
    EXPECT_TRUE(showsTitle(fresh, QStringLiteral("After")));
}

TEST_F(PreviewTest, AnEmptyPageTextShowsABlankPage) {
    start();
    ASSERT_TRUE(showsTitle(preview(QStringLiteral("Something")), QStringLiteral("Something")));

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
