#include "movers/page_title.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <sys/stat.h>

using Module1::GetPageTitle;
using Module1::ReadPageTitle;
using Module1::RemoveLineBreaks;

namespace {

class PageTitleTest : public ::testing::Test {
protected:
    QString page(const QByteArray& bytes) {
        const QString path = folder.filePath(QStringLiteral("page%1.htm").arg(++pages));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString titleOf(const QByteArray& bytes) { return GetPageTitle(page(bytes)); }

    QTemporaryDir folder;
    int pages = 0;
};

// The title of a path, or nothing when reading it takes longer than a few seconds. A read
// that never ends is left running on its own thread, so the test fails instead of hanging.
std::optional<QString> titleWithinSeconds(const QString& path) {
    auto title = std::make_shared<std::promise<QString>>();
    std::future<QString> result = title->get_future();
    std::thread([title, path] { title->set_value(GetPageTitle(path)); }).detach();
    if (result.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        return std::nullopt;
    }
    return result.get();
}

} // namespace

TEST(RemoveLineBreaks, DropsCarriageReturnsAndTurnsLineFeedsIntoSpaces) {
    EXPECT_EQ(RemoveLineBreaks(QStringLiteral("Annual\r\nreport")),
              QStringLiteral("Annual report"));
    EXPECT_EQ(RemoveLineBreaks(QStringLiteral("a\n\nb")), QStringLiteral("a  b"));
    EXPECT_EQ(RemoveLineBreaks(QStringLiteral("a\rb")), QStringLiteral("ab"));
    EXPECT_EQ(RemoveLineBreaks(QStringLiteral("a\r\n\r\nb")), QStringLiteral("a  b"));
    EXPECT_EQ(RemoveLineBreaks(QStringLiteral("\r\r\r")), QString());
    EXPECT_EQ(RemoveLineBreaks(QString()), QString());
}

TEST(RemoveLineBreaks, TakesTextsOfAnyLength) {
    const QString longText = QString(40000, u'x') + u'\n' + QString(40000, u'y');
    const QString flat = RemoveLineBreaks(longText);
    ASSERT_EQ(flat.size(), 80001);
    EXPECT_EQ(flat[40000], u' ');
}

TEST_F(PageTitleTest, KeepsTheTitleTextExactlyAsThePageHoldsIt) {
    EXPECT_EQ(titleOf("<HTML><HEAD><TITLE>About Us</TITLE></HEAD>"), QStringLiteral("About Us"));
    EXPECT_EQ(titleOf("<title>Welcome, friends</title>"), QStringLiteral("Welcome, friends"));
    EXPECT_EQ(titleOf("<title>\"Quoted\", 'too'</title>"), QStringLiteral("\"Quoted\", 'too'"));
    EXPECT_EQ(titleOf("<title>  Home  </title>"), QStringLiteral("  Home  "));
    EXPECT_EQ(titleOf("<title> </title>"), QStringLiteral(" "));
    EXPECT_EQ(titleOf("<title>Fish &amp; <b>chips</b></title>"),
              QStringLiteral("Fish &amp; <b>chips</b>"));
    EXPECT_EQ(titleOf("<title>a<title>b</title>"), QStringLiteral("a<title>b"));
}

TEST_F(PageTitleTest, FlattensTheLineBreaksOfATitleOverSeveralLines) {
    EXPECT_EQ(titleOf("<title>\r\nAnnual\r\nreport</title>"), QStringLiteral(" Annual report"));
    EXPECT_EQ(titleOf("<title>\nAnnual\nreport</title>"), QStringLiteral(" Annual report"));
}

TEST_F(PageTitleTest, GivesThePathWhenThereIsNoUsableTitle) {
    for (const QByteArray& bytes :
         {QByteArray("<title></title>"), QByteArray("<html><body>no title</body></html>"),
          QByteArray("<title>never closed"), QByteArray("</title><title>late</title>"),
          QByteArray("<title lang=en>attributes</title>"), QByteArray("<title>\r\r</title>"),
          QByteArray()}) {
        const QString path = page(bytes);
        EXPECT_EQ(GetPageTitle(path), path) << bytes.toStdString();
    }
}

TEST_F(PageTitleTest, GivesThePathForAFileThatCannotBeRead) {
    const QString missing = folder.filePath(QStringLiteral("missing.htm"));
    EXPECT_EQ(GetPageTitle(missing), missing);
    const QString aFolder = folder.filePath(QStringLiteral("folder.htm"));
    ASSERT_TRUE(QDir().mkdir(aFolder));
    EXPECT_EQ(GetPageTitle(aFolder), aFolder);
}

TEST_F(PageTitleTest, GivesThePathAtOnceForADeviceOrAPipe) {
    const QString fifo = folder.filePath(QStringLiteral("fifo.htm"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& target :
         {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), fifo}) {
        const QString path = folder.filePath(QStringLiteral("link.htm"));
        QFile::remove(path);
        ASSERT_TRUE(QFile::link(target, path));
        EXPECT_EQ(titleWithinSeconds(path), path) << target.toStdString();
        EXPECT_EQ(titleWithinSeconds(target), target);
    }
}

TEST_F(PageTitleTest, FindsTitlesFarIntoThePageAndAcrossReadBoundaries) {
    const QByteArray farAway = QByteArray(40000, ' ') + "<title>Far away</title>";
    EXPECT_EQ(titleOf(farAway), QStringLiteral("Far away"));
    // Tags straddling the 64 KiB chunks in which the page is read.
    for (int shift = 1; shift < 9; ++shift) {
        const QByteArray split =
            QByteArray(65536 - shift, 'x') + "<TiTlE>Split" + QByteArray(70000, '.') + "</tItLe>";
        EXPECT_EQ(titleOf(split), QStringLiteral("Split") + QString(70000, u'.')) << shift;
    }
    const QByteArray closeSplit = QByteArray(65530, 'x') + "<title>T</title>";
    EXPECT_EQ(titleOf(closeSplit), QStringLiteral("T"));
}

TEST_F(PageTitleTest, DecodesUtf8PagesAsUtf8AndOtherPagesByteForByteAsLatin1) {
    const Module1::PageTitle utf8 = ReadPageTitle(page("<title>\xC3\x9C"
                                                       "ber uns</title>"));
    EXPECT_EQ(utf8.text, QStringLiteral("\u00DCber uns"));
    EXPECT_FALSE(utf8.latin1);

    const Module1::PageTitle latin1 = ReadPageTitle(page("<title>\xDC"
                                                         "ber uns</title>"));
    EXPECT_EQ(latin1.text, QStringLiteral("\u00DCber uns"));
    EXPECT_TRUE(latin1.latin1);
    EXPECT_EQ(latin1.text.toLatin1(), QByteArray("\xDC"
                                                 "ber uns"));

    // A Latin-1 byte in the head before the title makes the page Latin-1.
    const Module1::PageTitle head = ReadPageTitle(page("<meta x=\"\xE9\"><title>Caf\xE9</title>"));
    EXPECT_EQ(head.text, QStringLiteral("Caf\u00E9"));
    EXPECT_TRUE(head.latin1);
}

TEST_F(PageTitleTest, ReadsNoFurtherThanTheFirstClosingTag) {
    // Bytes far behind the title are never read, so they cannot change its decoding.
    const QByteArray page = "<title>\xC3\xA9t\xC3\xA9</title>" + QByteArray(300000, 'z') + "\xFF";
    const Module1::PageTitle title = ReadPageTitle(this->page(page));
    EXPECT_EQ(title.text, QStringLiteral("\u00E9t\u00E9"));
    EXPECT_FALSE(title.latin1);
}
