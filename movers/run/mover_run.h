#pragma once

#include "movers/files/folder_chain.h"
#include "movers/files/mover_files.h"
#include "movers/files/open_folder.h"
#include "movers/pages/mover_kinds.h"
#include "movers/pages/mover_page_assembly.h"
#include "movers/pages/new_addresses.h"
#include "movers/run/mover_port.h"
#include "movers/run/page_read_ahead.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

struct FolderReplacement;
struct ReplacedSubfolder;

// One run of a mover command: it checks the inputs, tells of page files whose names cannot
// be listed, makes the output folder (asking whether to replace an existing one), writes one
// page per listed page file, telling the front end as each page starts, and writes the server
// rules files asked for. Pages of subfolders go into the same subfolders of the output folder,
// each made as a step when its first page comes. Every failing file operation goes to one
// question: Retry runs the operation again (a page from its start), Ignore goes on with the
// next one, Abort ends the run and keeps the pages written. A page file is either complete or
// absent. The front end may stop the run at any page or question, as Abort does. The site
// folder is opened once, and everything the run reads or changes is reached from it by name,
// so nobody who can write in the site folder can lead the run outside its output folder by
// putting a link in the way. The run tells its front end what it does as it goes through its
// port, and returns how it ended.
class MoverRun {
public:
    MoverRun(MoverKind kind, MoverPort& port, MoverFiles& files);

    // Runs the command on the inputs.
    MoverOutcome run(const MoverInputs& inputs);

private:
    // What comes after a step: the next one, the same one again, or the end of the run.
    enum class Flow { Next, Again, Stop };
    // What error 75 of a step means: the output folder exists, or an ordinary failure.
    enum class AccessError { OffersReplacement, IsOrdinary };
    using Step = std::function<std::optional<FileError>()>;

    Flow runSteps(const MoverInputs& inputs);
    bool inputsGiven(const MoverInputs& inputs);
    bool toldOfUndecodablePages();
    Flow offerReplacement();
    Flow replaceOutputFolder(const FolderReplacement& plan);
    Flow emptyFolder(const OpenFolder& folder, const QString& path, const QByteArrayList& fileNames,
                     const std::vector<ReplacedSubfolder>& subfolders);
    // Whether the front end asks the run to stop; the run then ends as stopped.
    bool stopAsked();

    // mover_run_output.cpp: the pages, their folders and the rules files.
    Flow writePages(const MoverInputs& inputs);
    Flow writePage(const MoverInputs& inputs, const QString& relativePath, PageAhead page);
    Flow openFoldersOf(const QString& relativePath);
    Flow writeFile(const OpenFolder& folder, const QString& path, const QByteArray& name,
                   const QByteArray& bytes, bool& written, Descriptor prepared);
    Flow writeRulesFiles(const MoverInputs& inputs);
    Flow writeRulesFiles(const QList<RulesFile>& files);
    // Whether the run keeps the redirects of the pages it writes, for rules files or sitemaps.
    static bool redirectsWanted(const MoverInputs& inputs);
    Flow writeRulesFile(const RulesFile& file);

    // Runs a step until it succeeds or the user ignores or aborts its failure; `path` is what
    // the step concerns.
    Flow attempt(const Step& step, const QString& path,
                 AccessError accessError = AccessError::IsOrdinary);
    // Runs a step once; a failure asks the user, and Retry gives Again.
    Flow attemptOnce(const Step& step, const QString& path,
                     AccessError accessError = AccessError::IsOrdinary);

    MoverKind kind;
    MoverPort& port;
    MoverFiles& files;
    ListingDepth depth = ListingDepth::Folder;
    OpenFolder site;
    QByteArray outputName; // the output folder's name in the site folder
    QString outputFolder;  // its path, as the user is told of it
    OpenFolder output;
    FolderChain outputFolders{output}; // from the output folder to the page being written
    QStringList writtenPaths;          // of the pages written, kept when redirects are wanted
    NewAddresses addresses{{}};
    MoverOutcome outcome;
};
