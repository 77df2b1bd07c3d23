// What the engine asks and tells, as the main window answers and shows it.
#include "app/main_window_mover_port.h"
#include "support/qstring_printer.h"

#include "support/main_window_fixture.h"

#include <QMetaObject>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <functional>

namespace {

class MainWindowMoverPortTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
    }
    // Whether a call queued now has run by the time `action` returns.
    template <class Action> bool letsQueuedWorkRun(Action action) {
        bool ran = false;
        QMetaObject::invokeMethod(
            window.get(), [&ran] { ran = true; }, Qt::QueuedConnection);
        action();
        QCoreApplication::removePostedEvents(window.get(), QEvent::MetaCall);
        return ran;
    }
    // The boxes shown, each as "text|buttons|icon".
    QStringList shownBoxes() const {
        static const char* const buttons[] = {"OK", "YesNo", "AbortRetryIgnore"};
        static const char* const icons[] = {"None", "Critical", "Information"};
        QStringList shown;
        for (const ScriptedBoxes::Shown& box : boxes.shown()) {
            shown << box.text + u'|' + QLatin1String(buttons[int(box.buttons)]) + u'|' +
                         QLatin1String(icons[int(box.icon)]);
        }
        return shown;
    }
    QString pointer() const {
        return window->cursor().shape() == Qt::WaitCursor ? QStringLiteral("hourglass")
                                                          : QStringLiteral("default");
    }
};

const QString kFolder = QStringLiteral("/srv/site/zandrifts");

MoverOutcome ended(MoverEnd end) {
    MoverOutcome outcome;
    outcome.end = end;
    outcome.outputFolder = kFolder;
    return outcome;
}

} // namespace

// Each question and notice in the main window's box, each question answered by its buttons;
// the focus on the button of a missing input; the hourglass while the run writes; and a
// completed run ended as its command ends it.
TEST_F(MainWindowMoverPortTest, AsksAndTellsInBoxesAndEndsARunAsItsCommandEnds) {
    using Call = std::function<QString(MainWindowMoverPort&)>;
    struct Case {
        const char* name;
        MoverEnding ending;
        std::vector<MsgAnswer> answers;
        Call call; // what the port answered, or what the window showed meanwhile
        QString answered;
        QStringList shown;
        QStringList opened; // by the file manager
        bool closed;
    };
    const Call failed = [](MainWindowMoverPort& port) {
        const StepChoice choice = port.stepFailed(FileError::fromNumber(61), kFolder);
        return QString(choice == StepChoice::Retry    ? "retry"
                       : choice == StepChoice::Ignore ? "ignore"
                                                      : "abort");
    };
    const Call existing = [](MainWindowMoverPort& port) {
        return QString(port.replaceExistingFolder(kFolder) ? "replace" : "keep");
    };
    const QString failure = QStringLiteral("Error 61: Disk full|AbortRetryIgnore|None");
    const QString question = kFolder + " already exists. Do you want to delete it?|YesNo|None";
    const Call missing = [this](MainWindowMoverPort& port) {
        port.inputMissing(MissingInput::NewAddress);
        const bool onAddress = window->focusWidget() == window->cmdNewAddress;
        port.inputMissing(MissingInput::Delay);
        const bool onDelay = window->focusWidget() == window->cmdDelay;
        return QString(onAddress && onDelay ? "focus on each button" : "focus elsewhere");
    };
    const auto run = [this](MoverEnd end) {
        return Call([this, end](MainWindowMoverPort& port) {
            port.runStarting(2);
            const QString during = pointer();
            port.runEnded(ended(end));
            return during + u' ' + pointer();
        });
    };
    const MoverEnding movers = CreateMovers().ending, frames = CreateFrames().ending;
    const Call refused = [](MainWindowMoverPort& port) {
        port.replacementRefused(kFolder, "it is a symbolic link");
        return QString();
    };
    const Call undecodable = [](MainWindowMoverPort& port) {
        port.undecodablePages({"caf\xE9.htm"});
        return QString();
    };
    const QString refusal =
        kFolder + " cannot be replaced because it is a symbolic link.|OK|Critical";
    const QString notUtf8 = "1 page file gets no mover page because its name is not valid "
                            "UTF-8:\ncaf\\xE9.htm|OK|Information";
    const QStringList inputs{"Give a new address.|OK|Critical",
                             "Give a delay in seconds|OK|Critical"};
    const QString focus = QStringLiteral("focus on each button");
    const QString wait = QStringLiteral("hourglass default");
    const QStringList folder{kFolder};
    const Call done = run(MoverEnd::Completed);
    using A = MsgAnswer;
    const std::vector<Case> cases{
        {"retry", frames, {A::Retry}, failed, "retry", {failure}, {}, false},
        {"ignore", frames, {A::Ignore}, failed, "ignore", {failure}, {}, false},
        {"abort", frames, {A::Abort}, failed, "abort", {failure}, {}, false},
        {"keep", frames, {A::No}, existing, "keep", {question}, {}, false},
        {"replace", frames, {A::Yes}, existing, "replace", {question}, {}, false},
        {"refused", frames, {A::OK}, refused, "", {refusal}, {}, false},
        {"undecodable", frames, {A::OK}, undecodable, "", {notUtf8}, {}, false},
        {"missing inputs", movers, {A::OK, A::OK}, missing, focus, inputs, {}, false},
        {"Movers done", movers, {A::OK}, done, wait, {"I'm done!|OK|Information"}, folder, true},
        {"Frames done", frames, {A::OK}, done, wait, {"done|OK|None"}, folder, false},
        {"aborted", movers, {}, run(MoverEnd::Aborted), wait, {}, {}, false},
        {"stopped", movers, {}, run(MoverEnd::Stopped), wait, {}, {}, false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        boxes = ScriptedBoxes();
        for (const MsgAnswer answer : row.answers) {
            boxes.answer({answer});
        }
        fileManager.opened.clear();
        window->show();
        MainWindowMoverPort port(*window, row.ending);
        EXPECT_EQ(row.call(port), row.answered);
        EXPECT_EQ(shownBoxes(), row.shown);
        EXPECT_EQ(fileManager.opened, row.opened);
        EXPECT_EQ(window->isVisible(), !row.closed);
        EXPECT_TRUE(boxes.scriptUsedUp());
    }
}

// The folder opens before "I'm done!", and after "done"; a program ending while the done box is
// shown leaves out what the window would do next.
TEST_F(MainWindowMoverPortTest, TheDoneBoxComesInItsCommandsOrderAndAnEndingProgramCutsItShort) {
    struct Case {
        MoverCommand command;
        bool endingMeanwhile;
        qsizetype openedBeforeTheBox;
        qsizetype openedAfter;
        bool visible;
    };
    for (const Case& row :
         {Case{CreateMovers(), false, 1, 1, false}, Case{CreateFrames(), false, 0, 1, true},
          Case{CreateFrames(), true, 0, 0, true}}) {
        SCOPED_TRACE(row.command.ending.doneMessage.toStdString());
        boxes = ScriptedBoxes();
        boxes.answer({MsgAnswer::OK});
        fileManager.opened.clear();
        window->show();
        qsizetype openedBeforeTheBox = -1;
        boxes.whenShown = [&](const ScriptedBoxes::Shown&) {
            openedBeforeTheBox = fileManager.opened.size();
            if (row.endingMeanwhile) {
                boxes.dismissAll();
            }
        };
        MainWindowMoverPort port(*window, row.command.ending);
        port.runEnded(ended(MoverEnd::Completed));
        EXPECT_EQ(openedBeforeTheBox, row.openedBeforeTheBox);
        EXPECT_EQ(fileManager.opened.size(), row.openedAfter);
        EXPECT_EQ(window->isVisible(), row.visible);
    }
}

// The caption counts the pages from 0 up to the last one; "%2" and "[*]" in the address stay.
// The caption, and the hourglass as the run starts, let the window repaint.
TEST_F(MainWindowMoverPortTest, TheHourglassAndTheCaptionAreRepaintedAndTheCaptionShownExactly) {
    MainWindowMoverPort port(*window, CreateFrames().ending);
    window->strNewAddress = QStringLiteral("http://x/%1%2[*]");
    EXPECT_TRUE(letsQueuedWorkRun([&] { port.pageStarting(0, 2); }));
    EXPECT_EQ(window->windowHandle()->title(), QStringLiteral("Zandrift - http://x/%1%2[*] - 0/1"));
    QTest::qSleep(60);
    EXPECT_TRUE(letsQueuedWorkRun([&] { port.pageStarting(1, 2); }));
    EXPECT_EQ(window->windowHandle()->title(), QStringLiteral("Zandrift - http://x/%1%2[*] - 1/1"));
    EXPECT_TRUE(letsQueuedWorkRun([&] { port.runStarting(1); }));
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    port.runEnded(ended(MoverEnd::Aborted));
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}
