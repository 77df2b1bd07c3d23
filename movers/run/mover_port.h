#pragma once

#include "movers/files/file_error.h"
#include "movers/files/page_listing.h"
#include "movers/pages/mover_pages.h"
#include "movers/rules/server_rules.h"
#include "movers/run/mover_outcome.h"

#include <QByteArrayList>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>

// What a mover run reads, as its front end gives it.
struct MoverInputs {
    QString siteFolder;
    QStringList pageNames; // as ListPageFiles names them, to the depth below
    QString newAddress;
    std::int16_t delay = 0;
    bool delayGiven = false;
    // The site folder's own pages, or its whole tree's (page names with their folders); the
    // output folder then holds the same folders.
    ListingDepth depth = ListingDepth::Folder;
    // The server rules files to write beside the pages, and the URL path at which the site
    // folder is served on the old server ("/", or a path from "/" ending in "/").
    QList<ServerRulesKind> rulesKinds = {};
    QString oldPath = QStringLiteral("/");
    // Where pages go when not to the same path at the new address: a move map's new places, by
    // old path relative to the site folder.
    QHash<QString, QString> newPlaces = {};
    // The site's files besides its pages, by their paths, which the rules files redirect too.
    QStringList otherFiles = {};
    // The full address at which the site folder is served today, ending in "/", for the
    // sitemaps written beside the rules files; empty for none.
    QString sitemapsOldAddress = {};
    // What every page carries besides its plain form.
    PageExtras pageExtras = {};
};

// The inputs a run cannot go without.
enum class MissingInput { NewAddress, Delay };

// What to do after a step failed: end the run, run the step again, or go on with the next.
enum class StepChoice { Abort, Retry, Ignore };

// What a mover run asks the front end that started it, and tells it: the desktop program, or the
// command line. The run asks only what it cannot decide itself; everything else it tells as
// what happened, in its own terms, and the front end shows it its own way.
class MoverPort {
public:
    virtual ~MoverPort() = default;

    // A step failed on `path` (the output folder, or a file or folder in it).
    virtual StepChoice stepFailed(const FileError& error, const QString& path) = 0;
    // The output folder exists already: whether to replace it.
    virtual bool replaceExistingFolder(const QString& folder) = 0;
    // Whether the run is to stop now; asked before each page and each rules file, and after each
    // question above. A stopped run ends as Abort ends it: the pages written so far are kept,
    // nothing more is done.
    virtual bool stopRequested() { return false; }

    // An input the run needs was not given; the run ends.
    virtual void inputMissing(MissingInput /*input*/) {}
    // These page files get no mover page because their names are not valid UTF-8 (their raw
    // paths); the run goes on without them.
    virtual void undecodablePages(const QByteArrayList& /*names*/) {}
    // The run starts writing: it makes the output folder, then writes `count` pages.
    virtual void runStarting(qsizetype /*count*/) {}
    // Page `index` (counted from 0) of the `count` pages of the run is starting.
    virtual void pageStarting(qsizetype /*index*/, qsizetype /*count*/) {}
    // The existing output folder is not replaced, for `reason` (ReplacementRefusedMessage).
    virtual void replacementRefused(const QString& /*folder*/, const QString& /*reason*/) {}
    // The rules files of a kind leave out these redirects, which they cannot hold safely.
    virtual void redirectsLeftOut(const QList<LeftOutRedirect>& /*leftOut*/) {}
    // The run has ended, as the outcome says; the last call of every run.
    virtual void runEnded(const MoverOutcome& /*outcome*/) {}
};

// "<folder> cannot be replaced because <reason>."
QString ReplacementRefusedMessage(const QString& folder, const QString& reason);
