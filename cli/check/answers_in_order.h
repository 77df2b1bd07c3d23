#pragma once

#include "cli/page_progress.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Console;

// The answers of a command that asks about pages all at once, printed in the pages' order as
// they come in: an answer waits until every page before it has had its own. Shows the progress
// as they come.
template <typename Answer> class AnswersInOrder {
public:
    // `print` prints the page's line, if its answer has one.
    using Print = std::function<void(qsizetype page, const Answer& answer)>;

    AnswersInOrder(qsizetype pageCount, Console& console, Print print)
        : answers(std::size_t(pageCount)), progress(console, pageCount), print(std::move(print)) {}

    void take(qsizetype page, const Answer& answer) {
        answers[std::size_t(page)] = answer;
        for (; printedPages < answers.size() && answers[printedPages]; ++printedPages) {
            print(qsizetype(printedPages), *answers[printedPages]);
        }
        progress.advance();
    }

private:
    std::vector<std::optional<Answer>> answers;
    PageProgress progress;
    Print print;
    std::size_t printedPages = 0;
};

// A page's line of such a command on standard output: its path relative to the site folder, an
// address and what is wrong, separated by tabs, each with its control characters escaped.
void PrintPageLine(Console& console, const QString& relativePath, const QString& address,
                   const QString& reason);
