#include "scripted_mover_host.h"

#include <gtest/gtest.h>

void ScriptedMoverHost::answer(MsgAnswer next, std::function<void()> whileShown) {
    answers.push_back({next, std::move(whileShown)});
}

MsgAnswer ScriptedMoverHost::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) {
    events << QStringLiteral("box: ") + text;
    boxes.push_back({text, buttons, icon});
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted box: " << text.toStdString();
        // Answers that always move a run on, so a test that went wrong still ends.
        return buttons == MsgButtons::YesNo              ? MsgAnswer::No
               : buttons == MsgButtons::AbortRetryIgnore ? MsgAnswer::Ignore
                                                         : MsgAnswer::OK;
    }
    Answer next = std::move(answers.front());
    answers.pop_front();
    if (next.whileShown) {
        next.whileShown();
    }
    return next.answer;
}

MsgAnswer ScriptedMoverHost::stepFailed(const FileError& error, const QString& path) {
    failedPaths << path;
    return MoverHost::stepFailed(error, path);
}

void ScriptedMoverHost::pageStarting(qsizetype index, qsizetype count) {
    pagesStarting << QStringLiteral("%1 of %2").arg(index).arg(count);
    events << QStringLiteral("page ") + pagesStarting.last();
    if (pageStartingAction) {
        pageStartingAction(index);
    }
}

void ScriptedMoverHost::setBusyPointer(bool isBusy) {
    busy = isBusy;
    events << (isBusy ? QStringLiteral("busy") : QStringLiteral("default pointer"));
}

void ScriptedMoverHost::setFocus(MoverControl control) {
    events << (control == MoverControl::NewAddress ? QStringLiteral("focus: new address")
                                                   : QStringLiteral("focus: delay"));
}

void ScriptedMoverHost::openFileManager(const QString& folder) {
    events << QStringLiteral("open: ") + folder;
}

void ScriptedMoverHost::closeMainWindow() {
    events << QStringLiteral("close");
}

QStringList ScriptedMoverHost::boxTexts() const {
    QStringList texts;
    for (const Box& box : boxes) {
        texts << box.text;
    }
    return texts;
}
