// The companion windows over a run: loaded hidden with the main window's icon at start-up,
// loaded afresh from their design after an unload, and unloaded when the main window
// closes, so that the program ends.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/frmBrowse.h"
#include "windows/frmBrowser.h"
#include "windows/frmTextpad.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

using LifecycleTest = CompanionWindowTest;

namespace {

bool showsIcon(const QWidget& window, const QIcon& icon) {
    return window.windowIcon().pixmap(32).toImage() == icon.pixmap(32).toImage();
}

bool hasDesignIcon(const QWidget& window) {
    return !window.testAttribute(Qt::WA_SetWindowIcon) &&
           window.windowIcon().cacheKey() == QApplication::windowIcon().cacheKey();
}

// Runs the application's event loop, does `step` inside it, and gives the loop's exit
// code: 0 once the last window has closed, 1 when the program still runs after a while.
int runProgramUntilItEnds(const std::function<void()>& step) {
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stillRunning.start(10000);
    QTimer::singleShot(0, step);
    return QApplication::exec();
}

QList<QWidget*> visibleWindows() {
    QList<QWidget*> visible;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            visible << widget;
        }
    }
    return visible;
}

} // namespace

TEST_F(LifecycleTest, StartUpLoadsTheThreeCompanionWindowsHiddenWithTheMainWindowsIcon) {
    start();

    ASSERT_TRUE(frmBrowse::isLoaded());
    ASSERT_TRUE(frmBrowser::isLoaded());
    ASSERT_TRUE(frmTextpad::isLoaded());
    const QIcon icon = window->windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const QWidget* companion : std::initializer_list<const QWidget*>{
             &loadedPicker(), &frmBrowser::instance(), &frmTextpad::instance()}) {
        EXPECT_FALSE(companion->isVisible()) << companion->windowTitle().toStdString();
        EXPECT_TRUE(showsIcon(*companion, icon)) << companion->windowTitle().toStdString();
    }
    EXPECT_EQ(visibleWindows(), QList<QWidget*>({window.get()}));
}

TEST_F(LifecycleTest, APickerLoadedAgainByBrowseIsAFreshOneWithTheDefaultIcon) {
    start(sitePath());
    QPointer<frmBrowse> first = &browse();
    first->cmdCancel->click();
    destroyUnloadedWindows();
    ASSERT_TRUE(first.isNull());

    frmBrowse& again = browse();

    EXPECT_TRUE(hasDesignIcon(again));
    EXPECT_FALSE(showsIcon(again, window->windowIcon()));
    EXPECT_TRUE(showsIcon(frmBrowser::instance(), window->windowIcon()));
}

TEST_F(LifecycleTest, ClosingTheMainWindowWithThePickerOpenClosesEverythingAndEndsTheProgram) {
    start(sitePath());
    QPointer<frmBrowse> picker = &browse();
    QPointer<frmBrowser> preview = &frmBrowser::instance();

    EXPECT_EQ(runProgramUntilItEnds([this] { window->close(); }), 0);

    EXPECT_TRUE(picker.isNull());
    EXPECT_TRUE(preview.isNull());
    EXPECT_FALSE(frmBrowse::isLoaded());
    EXPECT_FALSE(frmBrowser::isLoaded());
    EXPECT_FALSE(frmTextpad::isLoaded());
    EXPECT_EQ(window->txtMap->text(), sitePath());
    EXPECT_EQ(storedFolder(), sitePath());
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(LifecycleTest, ClosingTheMainWindowAfterThePickerWasConfirmedUnloadsTheOthers) {
    start(sitePath());
    browse().cmdOK->click();
    window->ShowPreview();

    EXPECT_EQ(runProgramUntilItEnds([this] { window->close(); }), 0);

    EXPECT_FALSE(frmBrowser::isLoaded());
    EXPECT_FALSE(frmTextpad::isLoaded());
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(LifecycleTest, TheRedirectGeneratorsClosingRunsTheSameShutDown) {
    writeSiteFile(QStringLiteral("index.htm"), "<title>Home</title>");
    start(sitePath());
    giveAddress(QStringLiteral("https://new.example/"));
    giveDelay(QStringLiteral("5"));
    boxes.answer({MsgAnswer::OK});
    browse();

    EXPECT_EQ(runProgramUntilItEnds([this] { window->cmdCreate->click(); }), 0);

    EXPECT_TRUE(boxes.texts().contains(QStringLiteral("I'm done!")))
        << boxes.texts().join(u'|').toStdString();
    EXPECT_FALSE(frmBrowse::isLoaded());
    EXPECT_FALSE(frmBrowser::isLoaded());
    EXPECT_FALSE(frmTextpad::isLoaded());
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(LifecycleTest, UnloadingAWindowThatIsNotLoadedDoesNothing) {
    start();
    frmTextpad::Unload();
    ASSERT_FALSE(frmTextpad::isLoaded());

    frmTextpad::Unload();

    EXPECT_FALSE(frmTextpad::isLoaded());
    EXPECT_TRUE(frmBrowse::isLoaded());
}
