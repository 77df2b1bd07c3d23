#include "scripted_mover_port.h"

#include "movers/files/undecodable_names.h"

#include <gtest/gtest.h>

void ScriptedMoverPort::answer(Answer next, std::function<void()> whileAsked) {
    answers.push_back({next, std::move(whileAsked)});
}

ScriptedMoverPort::Answer ScriptedMoverPort::next(const QString& question) {
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << question.toStdString();
        return Answer::Ignore; // moves a run on, so a test that went wrong still ends
    }
    Scripted scripted = std::move(answers.front());
    answers.pop_front();
    if (scripted.whileAsked) {
        scripted.whileAsked();
    }
    return scripted.answer;
}

StepChoice ScriptedMoverPort::stepFailed(const FileError& error, const QString& path) {
    events << QStringLiteral("failed: ") + error.message() + QStringLiteral(": ") + path;
    failedPaths << path;
    failures << error.message();
    const Answer answer = next(events.last());
    return answer == Answer::Retry    ? StepChoice::Retry
           : answer == Answer::Ignore ? StepChoice::Ignore
                                      : StepChoice::Abort;
}

bool ScriptedMoverPort::replaceExistingFolder(const QString& folder) {
    events << QStringLiteral("replace? ") + folder;
    return next(events.last()) == Answer::Replace;
}

void ScriptedMoverPort::inputMissing(MissingInput input) {
    events << (input == MissingInput::NewAddress ? QStringLiteral("missing: new address")
                                                 : QStringLiteral("missing: delay"));
}

void ScriptedMoverPort::undecodablePages(const QByteArrayList& names) {
    events << QStringLiteral("undecodable: ") + UndecodablePagesMessage(names);
}

void ScriptedMoverPort::runStarting(qsizetype count) {
    events << QStringLiteral("starting: %1 pages").arg(count);
}

void ScriptedMoverPort::pageStarting(qsizetype index, qsizetype count) {
    pagesStarting << QStringLiteral("%1 of %2").arg(index).arg(count);
    events << QStringLiteral("page ") + pagesStarting.last();
    if (pageStartingAction) {
        pageStartingAction(index);
    }
}

void ScriptedMoverPort::replacementRefused(const QString& folder, const QString& reason) {
    events << QStringLiteral("refused: ") + ReplacementRefusedMessage(folder, reason);
}

void ScriptedMoverPort::redirectsLeftOut(const QList<LeftOutRedirect>& leftOut) {
    for (const LeftOutRedirect& redirect : leftOut) {
        events << QStringLiteral("left out: ") + LeftOutRedirectMessage(redirect);
    }
}

void ScriptedMoverPort::runEnded(const MoverOutcome& outcome) {
    const char* end = outcome.end == MoverEnd::Completed ? "completed"
                      : outcome.end == MoverEnd::Stopped ? "stopped"
                                                         : "aborted";
    events << QStringLiteral("ended: %1, %2 written, %3 failed")
                  .arg(QLatin1String(end))
                  .arg(outcome.pagesWritten)
                  .arg(outcome.failedSteps);
}
