// A termination signal (a logout, a kill) ends the real program through its ordinary
// shut-down whatever box is open. Each case runs in a child process of its own, since
// ending the application's event loop is for good.
#include "app/frmMain.h"
#include "platform/qt_message_boxes.h"
#include "platform/termination_signal.h"
#include "support/recording_file_manager.h"
#include "windows/frmBrowse.h"
#include "windows/frmBrowser.h"
#include "windows/frmTextpad.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {

constexpr int kEndedThroughShutDown = 0;
constexpr int kShutDownSkipped = 3;
constexpr int kRunNotStopped = 4;

// What is going on when the signal comes: `start` begins it on the started program, and
// the signal is sent as soon as `underWay` holds.
struct Scenario {
    const char* name;
    std::function<void(frmMain&)> start;
    std::function<bool(const frmMain&)> underWay;
    int sitePages = 0;
};

bool aBoxIsOpen(const frmMain&) {
    return QApplication::activeModalWidget() != nullptr;
}

bool aRunCounts(const frmMain& window) {
    return window.windowTitle().endsWith(QStringLiteral("/4999"));
}

void createFrames(frmMain& window) {
    window.strNewAddress = QStringLiteral("http://new.example/");
    window.cmdFrames->click();
}

// Starts the program as main() does on a site of `sitePages` pages, starts the scenario,
// sends SIGTERM once it is under way, and leaves the process with the way the program
// ended.
[[noreturn]] void endDuring(const Scenario& scenario) {
    QTemporaryDir site;
    for (int page = 0; page < scenario.sitePages; ++page) {
        QFile(site.filePath(QStringLiteral("p%1.htm").arg(page))).open(QIODevice::WriteOnly);
    }
    QtMessageBoxes boxes;
    RecordingFileManager fileManager;
    frmMain window(boxes, fileManager);
    boxes.setParent(&window);
    window.Form_Load();
    window.txtMap->setText(site.path());
    window.show();
    onTerminationSignal(window, [&window] { window.endProgram(); });

    QTimer::singleShot(0, &window, [&] { scenario.start(window); });
    QTimer signalOnceUnderWay;
    QObject::connect(&signalOnceUnderWay, &QTimer::timeout, [&] {
        if (scenario.underWay(window)) {
            signalOnceUnderWay.stop();
            std::raise(SIGTERM);
        }
    });
    signalOnceUnderWay.start(20);
    // A program that spins without taking events would never see a timer: the alarm's
    // default action ends the child, and the parent sees it killed.
    ::alarm(10);

    QApplication::exec();
    const bool unloaded =
        !frmBrowse::isLoaded() && !frmBrowser::isLoaded() && !frmTextpad::isLoaded();
    if (!unloaded || window.isVisible()) {
        std::_Exit(kShutDownSkipped);
    }
    const QDir output(site.filePath(QStringLiteral("framedforward")));
    const bool stopped = output.entryList(QDir::Files).size() < scenario.sitePages;
    std::_Exit(scenario.sitePages == 0 || stopped ? kEndedThroughShutDown : kRunNotStopped);
}

void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

class TerminationSignal : public ::testing::TestWithParam<Scenario> {};

} // namespace

TEST_P(TerminationSignal, EndsTheProgramThroughItsShutDown) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(endDuring(GetParam()), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(
    While, TerminationSignal,
    ::testing::Values(Scenario{"TheDelayBoxIsOpen",
                               [](frmMain& window) { window.cmdDelay->click(); }, aBoxIsOpen},
                      Scenario{"TheAddressBoxIsOpen",
                               [](frmMain& window) { window.cmdNewAddress->click(); }, aBoxIsOpen},
                      Scenario{
                          "ARunAsksToReplaceItsFolder",
                          [](frmMain& window) {
                              QDir(window.txtMap->text()).mkdir(QStringLiteral("framedforward"));
                              createFrames(window);
                          },
                          aBoxIsOpen},
                      Scenario{"ARunWritesItsPages", createFrames, aRunCounts, 5000}),
    [](const ::testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });
