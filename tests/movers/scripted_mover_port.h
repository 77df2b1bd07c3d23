#pragma once

#include "movers/run/mover_port.h"

#include <QStringList>

#include <deque>
#include <functional>

// A front end for the mover engine that answers its questions from a script and records all
// that the run tells it, in order, as lines such as "missing: delay", "starting: 2 pages",
// "page 0 of 2", "failed: Error 61: Disk full: <path>", "replace? <folder>",
// "refused: <message>" and "ended: completed, 2 written, 0 failed".
class ScriptedMoverPort final : public MoverPort {
public:
    enum class Answer { Replace, Keep, Abort, Retry, Ignore };

    // The answer to the next question; `whileAsked` runs first, as if the user did it meanwhile.
    void answer(Answer next, std::function<void()> whileAsked = {});
    // Runs as each page starts, with its index, before the run goes on.
    void onPageStarting(std::function<void(qsizetype)> action) {
        pageStartingAction = std::move(action);
    }

    StepChoice stepFailed(const FileError& error, const QString& path) override;
    bool replaceExistingFolder(const QString& folder) override;
    bool stopRequested() override { return stop; }
    void inputMissing(MissingInput input) override;
    void undecodablePages(const QByteArrayList& names) override;
    void runStarting(qsizetype count) override;
    void pageStarting(qsizetype index, qsizetype count) override;
    void replacementRefused(const QString& folder, const QString& reason) override;
    void redirectsLeftOut(const QList<LeftOutRedirect>& leftOut) override;
    void runEnded(const MoverOutcome& outcome) override;

    QStringList events;
    QStringList pagesStarting; // "0 of 2", "1 of 2", ...
    QStringList failedPaths;   // the path of every failing step, in order
    QStringList failures;      // the message of every failing step, in order
    bool stop = false;         // what stopRequested() answers

    bool scriptUsedUp() const { return answers.empty(); }

private:
    Answer next(const QString& question);

    struct Scripted {
        Answer answer;
        std::function<void()> whileAsked;
    };
    std::deque<Scripted> answers;
    std::function<void(qsizetype)> pageStartingAction;
};
