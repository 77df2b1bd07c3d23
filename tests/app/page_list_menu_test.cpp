// The page list's context menu shows in the preview window the page that "Create Movers" or
// "Create Frames" writes for a listed page, and writes nothing.
#include "movers/folder_tree.h"
#include "support/main_window_fixture.h"
#include "support/qstring_printer.h"
#include "windows/frmBrowser.h"
#include "windows/web_browser_view.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

const QString kAddress = QStringLiteral("http://127.0.0.1:9/new site"); // nothing answers there

QMenu* openMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

class PageListMenuTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        writeSiteFile(QStringLiteral("50%#off.htm"), "<title>Sale \xe9t\xe9</title>"); // Latin-1
        writeSiteFile(QStringLiteral("index.htm"), "<title>Caf\xc3\xa9 & \"more\"</title>");
        start(sitePath());
    }

    // Through the window, as the window system clicks: that brings the context menu request.
    QMenu* rightClickAt(const QPoint& inList) {
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                          window->lstFiles->viewport()->mapTo(window.get(), inList));
        return openMenu();
    }
    QMenu* rightClick(int row) {
        return rightClickAt(window->lstFiles->visualItemRect(window->lstFiles->item(row)).center());
    }

    // Clicks the entry (0 the redirect page, 1 the framed page) on each listed page, and gives
    // the page text each one shows (which the preview tests follow into the view), with a
    // file's line end.
    QStringList previewEachPage(int entry) {
        QStringList shown;
        for (int row = 0; row < 2; ++row) {
            window->strPage.clear();
            QMenu* menu = rightClick(row);
            EXPECT_NE(menu, nullptr);
            if (menu != nullptr) {
                const QRect place = menu->actionGeometry(menu->actions().value(entry));
                QTest::mouseClick(menu, Qt::LeftButton, {}, place.center());
            }
            shown << window->strPage + QStringLiteral("\r\n");
        }
        return shown;
    }

    // The pages a run wrote into `folder`, read in the encodings it wrote them in.
    QStringList written(const QString& folder) const {
        return {QString::fromLatin1(ReadFile(sitePath(folder + QStringLiteral("/50%#off.htm")))),
                QString::fromUtf8(ReadFile(sitePath(folder + QStringLiteral("/index.htm"))))};
    }
};

} // namespace

TEST_F(PageListMenuTest, ShowsThePageARunWritesWithTheAddressAndDelayGivenAndWritesNothing) {
    giveAddress(kAddress);
    const FolderTree site = ReadFolderTree(sitePath());

    const QStringList framed = previewEachPage(1);
    EXPECT_TRUE(QTest::qWaitFor(
        [] {
            return frmBrowser::instance().brwBrowser->title() == QStringLiteral("Café & \"more\"");
        },
        20000));
    const QStringList redirects = previewEachPage(0); // no delay given: 0
    EXPECT_EQ(ReadFolderTree(sitePath()), site);
    giveDelay(QStringLiteral("7"));
    EXPECT_TRUE(previewEachPage(0).value(1).contains(QStringLiteral("CONTENT=\"7;URL=")));

    boxes.answer({MsgAnswer::OK});
    window->cmdFrames->click();
    EXPECT_EQ(written(QStringLiteral("framedforward")), framed);
    giveDelay(QStringLiteral("0"));
    boxes.answer({MsgAnswer::OK});
    window->cmdCreate->click();
    EXPECT_EQ(written(QStringLiteral("zandrifts")), redirects);
}

TEST_F(PageListMenuTest, OpensOnAPageByMouseAndKeysWithNamedEntriesDisabledWithoutAnAddress) {
    QListWidget& list = *window->lstFiles;
    const std::function<QMenu*()> opens[] = {
        [&list] { // the request the window system sends for the context-menu key
            QContextMenuEvent request(QContextMenuEvent::Keyboard, {}, list.mapToGlobal(QPoint()));
            QApplication::sendEvent(&list, &request);
            return openMenu();
        },
        [&list] {
            QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
            return openMenu();
        },
        [this] { return rightClick(1); },
    };
    EXPECT_EQ(opens[0](), nullptr) << "no page selected";
    EXPECT_EQ(opens[1](), nullptr) << "no page selected";
    EXPECT_EQ(rightClickAt({5, list.viewport()->height() - 5}), nullptr) << "empty space";

    QTest::keyClick(&list, Qt::Key_End);
    for (const std::function<QMenu*()>& open : opens) {
        QMenu* menu = open();
        ASSERT_NE(menu, nullptr);
        QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(menu);
        ASSERT_EQ(entries->childCount(), 2);
        EXPECT_EQ(entries->child(0)->text(QAccessible::Name),
                  QStringLiteral("Preview redirect page"));
        EXPECT_EQ(entries->child(1)->text(QAccessible::Name),
                  QStringLiteral("Preview framed page"));
        EXPECT_TRUE(entries->child(0)->state().disabled && entries->child(1)->state().disabled);
        QTest::keyClick(menu, Qt::Key_Escape);
    }

    giveAddress(kAddress);
    QMenu* menu = opens[1]();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->pos(),
              list.viewport()->mapToGlobal(list.visualItemRect(list.item(1)).bottomLeft()));
    QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_TRUE(window->strPage.startsWith(
        QStringLiteral("<html><head><title>Café & \"more\"</title><frameset")));
}
