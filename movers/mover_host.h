#pragma once

#include "movers/file_error.h"
#include "movers/message_box_types.h"
#include "movers/mover_pages.h"
#include "movers/page_listing.h"
#include "movers/server_rules.h"

#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <cstdint>

// What a mover run reads: the main window's state, or a command line's.
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
    // What every page carries besides its plain form.
    PageExtras pageExtras = {};
};

// "<folder> cannot be replaced because <reason>."
QString ReplacementRefusedMessage(const QString& folder, const QString& reason);

// The buttons a run may move the focus to.
enum class MoverControl { NewAddress, Delay };

// What a mover run tells the front end that started it, and asks of it: the main window, or
// any other host. Each message comes as what it is; the defaults show it as the main window
// does, in a box of MsgBox. The window keeps repainting its caption and pointer while a run
// lasts, without taking user input.
class MoverHost {
public:
    virtual ~MoverHost() = default;

    // A modal box without a title of its own; returns the button chosen.
    virtual MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon) = 0;

    // An input the run needs was not given: by default the critical box "Give a new address."
    // or "Give a delay in seconds", then the focus on the control that gives it.
    virtual void inputMissing(MoverControl control);
    // These page files get no mover page because their names are not valid UTF-8: by default
    // an information box naming them (UndecodablePagesMessage).
    virtual void undecodablePages(const QByteArrayList& names);
    // A step failed on `path` (the output folder, or a file in it): returns Abort, Retry or
    // Ignore. By default the box "Error N: description" with those buttons and no icon.
    virtual MsgAnswer stepFailed(const FileError& error, const QString& path);
    // The output folder exists already: returns whether to replace it. By default the box
    // "<folder> already exists. Do you want to delete it?" with Yes and No and no icon.
    virtual bool replaceExistingFolder(const QString& folder);
    // The existing output folder is not replaced, for `reason`: by default the critical box
    // ReplacementRefusedMessage.
    virtual void replacementRefused(const QString& folder, const QString& reason);
    // The rules files of a kind leave out these redirects, which they cannot hold safely: by
    // default an information box naming them (LeftOutRedirectMessage, one a line).
    virtual void redirectsLeftOut(const QList<LeftOutRedirect>& leftOut);
    // The run came to its end: by default the box of the run's kind, "I'm done!" or "done".
    virtual void runDone(const QString& message, MsgIcon icon);
    // Whether the run is to stop; asked before each page and after each box. A stopped run
    // ends as Abort ends it: the pages written so far are kept, nothing more is done or said.
    virtual bool stopRequested() { return false; }

    // Page `index` (counted from 0) of the `count` pages of the run is starting.
    virtual void pageStarting(qsizetype index, qsizetype count) = 0;
    // The hourglass while busy, the default pointer otherwise.
    virtual void setBusyPointer(bool busy) = 0;
    virtual void setFocus(MoverControl control) = 0;
    // Opens the folder in the desktop's file manager, without waiting for it.
    virtual void openFileManager(const QString& folder) = 0;
    // Closes the main window as the user would, which ends the program.
    virtual void closeMainWindow() = 0;
};
