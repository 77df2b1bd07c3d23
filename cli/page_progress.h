#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

class Console;

// The progress line of a command that goes through pages one by one: the count, the total
// and the percentage ("Page 3/20 (15%)"), redrawn on standard error when it is a terminal
// for the first and the last page and otherwise at most every 100 ms.
class PageProgress {
public:
    explicit PageProgress(Console& console, qsizetype pageCount = 0);

    // One more page of the count given at the start; redraws the line when it is time to.
    void advance();
    // Page `page` (from 1) of `pageCount`; redraws the line when it is time to.
    void showPage(qsizetype page, qsizetype pageCount);
    // The pages counted so far.
    qsizetype count() const { return counted; }

private:
    Console& console;
    qsizetype pageCount;
    qsizetype counted = 0;
    QElapsedTimer sinceShown;
};
