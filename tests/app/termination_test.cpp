// A termination signal (a logout, a kill) ends the real program through its ordinary
// shut-down whatever box is open, and a flood of signals does no harm. Each case runs in a
// child process of its own, since ending the application's event loop is for good and the
// signal handlers stay.
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
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kEndedThroughShutDown = 0;
constexpr int kShutDownSkipped = 3;
constexpr int kRunNotStopped = 4;
constexpr int kErrnoChanged = 5;
constexpr int kNotEndedOnce = 6;
constexpr int kSocketInherited = 7;

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

// The sockets the process holds open.
QSet<int> openSockets() {
    QSet<int> sockets;
    const QStringList entries =
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System);
    for (const QString& entry : entries) {
        struct stat status {};
        const int descriptor = entry.toInt();
        if (::fstat(descriptor, &status) == 0 && S_ISSOCK(status.st_mode)) {
            sockets.insert(descriptor);
        }
    }
    return sockets;
}

// Sends many signals before the event loop takes the first: a handler that waited for room
// in its socket would hang until the alarm's default action ends the child.
[[noreturn]] void floodOfSignals() {
    const QSet<int> socketsBefore = openSockets();
    QObject context;
    int ends = 0;
    onTerminationSignal(context, [&ends] { ++ends; });
    ::alarm(10);
    for (int signal = 0; signal < 100000; ++signal) {
        errno = EDOM;
        std::raise(signal % 2 == 0 ? SIGTERM : SIGHUP);
        if (errno != EDOM) {
            std::_Exit(kErrnoChanged);
        }
    }
    QEventLoop loop;
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
    if (ends != 1) {
        std::_Exit(kNotEndedOnce);
    }
    const QSet<int> added = openSockets() - socketsBefore;
    for (const int socket : added) {
        if ((::fcntl(socket, F_GETFD) & FD_CLOEXEC) == 0) {
            std::_Exit(kSocketInherited);
        }
    }
    std::_Exit(added.size() == 2 ? kEndedThroughShutDown : kSocketInherited);
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

// Exit 5: errno changed by the handler; 6: not ended exactly once; 7: the socket pair is not
// two sockets closed on exec.
TEST(TerminationSignalFlood, NeverBlocksKeepsErrnoEndsOnceAndLeavesNoSocketToChildren) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(floodOfSignals(), ::testing::ExitedWithCode(0), "");
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
