#pragma once

#include "movers/mover_host.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// A main window for the mover engine that answers its boxes from a script and records all
// that the run does to it, in order, as lines such as "box: done", "page 0 of 2", "busy",
// "default pointer", "focus: delay", "open: <folder>" and "close".
class ScriptedMoverHost final : public MoverHost {
public:
    struct Box {
        QString text;
        MsgButtons buttons = MsgButtons::OK;
        MsgIcon icon = MsgIcon::None;
    };

    // The answer to the next box; `whileShown` runs first, as if the user did it meanwhile.
    void answer(MsgAnswer next, std::function<void()> whileShown = {});
    // Runs as each page starts, with its index, before the run goes on.
    void onPageStarting(std::function<void(qsizetype)> action) {
        pageStartingAction = std::move(action);
    }

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) override;
    // Records the path, then shows the failure as the main window does.
    MsgAnswer stepFailed(const FileError& error, const QString& path) override;
    bool stopRequested() override { return stop; }
    void pageStarting(qsizetype index, qsizetype count) override;
    void setBusyPointer(bool busy) override;
    void setFocus(MoverControl control) override;
    void openFileManager(const QString& folder) override;
    void closeMainWindow() override;

    QStringList events;
    std::vector<Box> boxes;
    QStringList pagesStarting; // "0 of 2", "1 of 2", ...
    QStringList failedPaths;   // the path of every failing step, in order
    bool busy = false;
    bool stop = false; // what stopRequested() answers

    QStringList boxTexts() const;
    bool scriptUsedUp() const { return answers.empty(); }

private:
    struct Answer {
        MsgAnswer answer;
        std::function<void()> whileShown;
    };
    std::deque<Answer> answers;
    std::function<void(qsizetype)> pageStartingAction;
};
