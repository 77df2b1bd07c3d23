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

// Starts the program as main() does, lets `openBox` open a box, sends SIGTERM as soon as
// the box shows, and leaves the process with the way the program ended.
[[noreturn]] void endWhileABoxIsOpen(const std::function<void(frmMain&)>& openBox) {
    QTemporaryDir site;
    QDir(site.path()).mkdir(QStringLiteral("framedforward"));
    QtMessageBoxes boxes;
    RecordingFileManager fileManager;
    frmMain window(boxes, fileManager);
    boxes.setParent(&window);
    window.Form_Load();
    window.txtMap->setText(site.path());
    window.show();
    onTerminationSignal(window, [&window] { window.endProgram(); });

    QTimer::singleShot(0, &window, [&] { openBox(window); });
    QTimer signalOnceShown;
    QObject::connect(&signalOnceShown, &QTimer::timeout, [&signalOnceShown] {
        if (QApplication::activeModalWidget() != nullptr) {
            signalOnceShown.stop();
            std::raise(SIGTERM);
        }
    });
    signalOnceShown.start(20);
    // A program that spins without taking events would never see a timer: the alarm's
    // default action ends the child, and the parent sees it killed.
    ::alarm(10);

    QApplication::exec();
    const bool unloaded =
        !frmBrowse::isLoaded() && !frmBrowser::isLoaded() && !frmTextpad::isLoaded();
    std::_Exit(unloaded && !window.isVisible() ? kEndedThroughShutDown : kShutDownSkipped);
}

struct OpenBox {
    const char* name;
    std::function<void(frmMain&)> open;
};

void PrintTo(const OpenBox& box, std::ostream* out) {
    *out << box.name;
}

class TerminationWhileABoxIsOpen : public ::testing::TestWithParam<OpenBox> {};

} // namespace

TEST_P(TerminationWhileABoxIsOpen, EndsTheProgramThroughItsShutDown) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(endWhileABoxIsOpen(GetParam().open), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Boxes, TerminationWhileABoxIsOpen,
                         ::testing::Values(OpenBox{"DelayBox",
                                                   [](frmMain& window) {
                                                       window.cmdDelay->click();
                                                   }},
                                           OpenBox{"AddressBox",
                                                   [](frmMain& window) {
                                                       window.cmdNewAddress->click();
                                                   }},
                                           OpenBox{"ReplaceQuestionOfARun",
                                                   [](frmMain& window) {
                                                       window.strNewAddress =
                                                           QStringLiteral("http://new.example/");
                                                       window.cmdFrames->click();
                                                   }}),
                         [](const ::testing::TestParamInfo<OpenBox>& info) {
                             return std::string(info.param.name);
                         });
