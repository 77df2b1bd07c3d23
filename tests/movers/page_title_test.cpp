#include "movers/pages/page_title.h"
#include "movers/pages/tag_search.h"
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
    // Texts of any length.
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
    // The page is read 4 KiB first, then up to 256 KiB, then 256 KiB at a time; tags straddle
    // each of those ends.
    for (const int end : {4096, 262144, 524288}) {
        for (int shift = 1; shift < 9; ++shift) {
            const QByteArray openSplit =
                QByteArray(end - shift, 'x') + "<TiTlE>Split" + QByteArray(70000, '.') + "</tItLe>";
            EXPECT_EQ(titleOf(openSplit), QStringLiteral("Split") + QString(70000, u'.'))
                << end << " " << shift;
            const QByteArray closeSplit =
                "<title>T" + QByteArray(end - shift - 8, 'x') + "</title>";
            EXPECT_EQ(titleOf(closeSplit), u'T' + QString(end - shift - 8, u'x'))
                << end << " " << shift;
        }
    }
}

// UTF-8 pages are read as UTF-8, other pages byte for byte as Latin-1.
TEST_F(PageTitleTest, DecodesAsUtf8WhenThePageUpToItsFirstClosingTagIsUtf8) {
    const QByteArray ete = "\xC3\xA9t\xC3\xA9";
    const QByteArray far(100000, ' ');
    const struct {
        QByteArray page;
        bool latin1;
    } pages[] = {
        {"<title>\303\234ber uns</title>", false},
        {"<title>\334ber uns</title>", true},
        // A Latin-1 byte in the head before the title makes the page Latin-1.
        {"<meta x=\"\xE9\"><title>Caf\xE9</title>", true},
        // Bytes behind the first "</title>", near or far, do not count.
        {"<title>" + ete + "</title>\xFF", false},
        {"<title>" + ete + "</title>" + QByteArray(300000, 'z') + "\xFF", false},
        // Titles and heads longer than what one read holds.
        {"<title>" + far + ete + "</title>", false},
        {far + "<title>" + ete + "</title>", false},
        {"\xE9" + far + "<title>" + ete + "</title>", true},
        {"<title>" + far + "\xE9</title>", true},
        {"\xC3<title>" + far + ete + "</title>", true},
    };
    for (const auto& [bytes, latin1] : pages) {
        const Module1::PageTitle title = ReadPageTitle(page(bytes));
        EXPECT_EQ(title.latin1, latin1) << bytes.left(20).toStdString();
        EXPECT_EQ(latin1 ? title.text.toLatin1() : title.text.toUtf8(),
                  bytes.mid(bytes.indexOf("<title>") + 7,
                            bytes.indexOf("</title>") - bytes.indexOf("<title>") - 7));
    }
}

// The search looks at 64 positions at a time, 16 at once: a tag is found at every position of
// such blocks and across their ends, in any case, and a tag cut off at the end is not.
TEST(FindTag, FindsTheFirstTagAtAnyPositionAndNoTagCutOff) {
    for (qsizetype at = 0; at < 150; ++at) {
        for (const QByteArray& tag : {QByteArray("</title>"), QByteArray("</TiTle>")}) {
            // "<" with "t" two bytes on, as a tag begins, but no tag.
            const QByteArray text = QByteArray("<at").repeated(50).first(at) + tag + "<at";
            EXPECT_EQ(FindTag(text, "</title>"), at) << at << tag.constData();
            EXPECT_EQ(FindTag(text.first(at + tag.size() - 1), "</title>"), -1) << at;
        }
    }
}
