#pragma once

#include <QString>

// How a mover run ended.
enum class MoverEnd {
    Completed, // past every step; failing steps may have been passed over (Ignore)
    Aborted,   // early: an input was missing, a failing step was aborted, or an existing output
               // folder was not replaced
    Stopped,   // early, because the front end asked it to stop (a signal, the program closing)
};

// What a mover run did.
struct MoverOutcome {
    MoverEnd end = MoverEnd::Aborted;
    qsizetype pagesWritten = 0; // the pages written whole
    qsizetype failedSteps = 0;  // the steps that failed and were passed over or aborted
    QString outputFolder; // the output folder's path, as the user is told of it; empty when the
                          // run ended before it
    QString lastPage;     // the last page assembled, without its line end; empty for none
};
