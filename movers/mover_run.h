#pragma once

#include "movers/mover_files.h"
#include "movers/mover_host.h"
#include "movers/mover_kinds.h"
#include "movers/open_folder.h"

#include <QString>

#include <functional>
#include <optional>

// How a mover run ended.
enum class MoverEnd {
    Completed, // past every step; failing steps may have been passed over (Ignore)
    Aborted,   // early: an input was missing, a failing step was aborted, or an existing output
               // folder was not replaced
    Stopped,   // early, because the host asked it to stop (a signal, the program closing)
};

// What a mover run did.
struct MoverOutcome {
    MoverEnd end = MoverEnd::Aborted;
    qsizetype pagesWritten = 0; // the pages written whole
    qsizetype failedSteps = 0;  // the steps that failed and were passed over or aborted
};

// One run of a mover command: it checks the inputs, tells of page files whose names cannot
// be listed, makes the output folder (offering to replace an existing one), writes one page
// per listed page file with a counting caption and the hourglass, and ends as its kind says.
// Every failing file operation goes to one handler: Retry runs the operation again (a page
// from its start), Ignore goes on with the next one, Abort ends the run and keeps the pages
// written. A page file is either complete or absent. The host may stop the run at any page
// or box, as Abort does. The site folder is opened once, and everything the run reads or
// changes is reached from it by name, so nobody who can write in the site folder can lead the
// run outside its output folder by putting a link in the way.
class MoverRun {
public:
    MoverRun(MoverKind kind, MoverHost& host, MoverFiles& files);

    // Runs the command on the inputs; `page` is the page text buffer, which holds the last
    // page assembled afterwards.
    MoverOutcome run(const MoverInputs& inputs, QString& page);

private:
    // What comes after a step: the next one, the same one again, or the end of the run.
    enum class Flow { Next, Again, Stop };
    // What error 75 of a step means: the output folder exists, or an ordinary failure.
    enum class AccessError { OffersReplacement, IsOrdinary };
    using Step = std::function<std::optional<FileError>()>;

    Flow runSteps(const MoverInputs& inputs, QString& page);
    bool inputsGiven(const MoverInputs& inputs);
    bool toldOfUndecodablePages();
    Flow offerReplacement();
    Flow replaceOutputFolder(const OpenFolder& folder, const QByteArrayList& fileNames);
    Flow writePages(const MoverInputs& inputs, QString& page);
    Flow writePage(const MoverInputs& inputs, const QString& name, QString& page);
    Flow writePageFile(const QString& name, const QByteArray& bytes);
    void end();
    // Whether the host asks the run to stop; the run then ends as stopped.
    bool stopAsked();

    // Runs a step until it succeeds or the user ignores or aborts its failure; `path` is what
    // the step concerns.
    Flow attempt(const Step& step, const QString& path,
                 AccessError accessError = AccessError::IsOrdinary);
    // Runs a step once; a failure asks the user, and Retry gives Again.
    Flow attemptOnce(const Step& step, const QString& path,
                     AccessError accessError = AccessError::IsOrdinary);

    MoverKind kind;
    MoverHost& host;
    MoverFiles& files;
    OpenFolder site;
    QByteArray outputName; // the output folder's name in the site folder
    QString outputFolder;  // its path, as the user is told of it
    OpenFolder output;
    MoverOutcome outcome;
};
