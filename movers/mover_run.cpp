#include "movers/mover_run.h"

#include "movers/folder_replacement.h"
#include "movers/page_address.h"
#include "movers/page_listing.h"
#include "movers/page_title.h"
#include "movers/path_joiners.h"

#include <QFile>

using Module1::AddBackslash;

namespace {

// The hourglass for as long as it lives.
class BusyPointer {
public:
    explicit BusyPointer(MoverHost& host) : host(host) { host.setBusyPointer(true); }
    ~BusyPointer() { host.setBusyPointer(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    MoverHost& host;
};

// The operation, noting in `succeeded` whether it succeeded.
template <typename Operation> auto notingSuccess(Operation operation, bool& succeeded) {
    return [operation, &succeeded] {
        std::optional<FileError> failure = operation();
        succeeded = !failure;
        return failure;
    };
}

} // namespace

MoverRun::MoverRun(MoverKind kind, MoverHost& host, MoverFiles& files)
    : kind(std::move(kind)), host(host), files(files) {}

MoverOutcome MoverRun::run(const MoverInputs& inputs, QString& page) {
    outcome = {};
    if (runSteps(inputs, page) == Flow::Next) {
        outcome.end = MoverEnd::Completed;
        end();
    }
    return outcome;
}

MoverRun::Flow MoverRun::runSteps(const MoverInputs& inputs, QString& page) {
    if (!inputsGiven(inputs)) {
        return Flow::Stop;
    }
    // A site folder that cannot be opened fails the first step that needs it.
    site = OpenFolder::atPath(inputs.siteFolder);
    if (!toldOfUndecodablePages()) {
        return Flow::Stop;
    }
    const BusyPointer busy(host);
    outputName = QFile::encodeName(kind.folderName);
    outputFolder = AddBackslash(inputs.siteFolder) + kind.folderName;
    if (attempt([this] { return files.createFolder(site, outputName); }, outputFolder,
                AccessError::OffersReplacement) == Flow::Stop) {
        return Flow::Stop;
    }
    // Opened again by its name, never through a link: a page step in a folder that cannot be
    // opened fails as opening it failed.
    output = site.subfolder(outputName);
    return writePages(inputs, page);
}

bool MoverRun::inputsGiven(const MoverInputs& inputs) {
    if (inputs.newAddress.isEmpty()) {
        host.inputMissing(MoverControl::NewAddress);
        return false;
    }
    if (kind.needsDelay && !inputs.delayGiven) {
        host.inputMissing(MoverControl::Delay);
        return false;
    }
    return true;
}

// The page list leaves out the page files whose names are not valid UTF-8; the user learns
// which before the run goes on without them.
bool MoverRun::toldOfUndecodablePages() {
    const QByteArrayList undecodable = UndecodablePageFiles(site);
    if (undecodable.isEmpty()) {
        return true;
    }
    host.undecodablePages(undecodable);
    return !stopAsked();
}

MoverRun::Flow MoverRun::offerReplacement() {
    const bool replace = host.replaceExistingFolder(outputFolder);
    if (stopAsked() || !replace) {
        return Flow::Stop;
    }
    const FolderReplacement plan = PlanFolderReplacement(site, outputName);
    if (plan.refused()) {
        host.replacementRefused(outputFolder, plan.refusal);
        return Flow::Stop;
    }
    return replaceOutputFolder(plan.folder, plan.fileNames);
}

// The files are deleted from the folder that was checked, and the folder itself by its name,
// which removes only an empty folder and never goes through a link.
MoverRun::Flow MoverRun::replaceOutputFolder(const OpenFolder& folder,
                                             const QByteArrayList& fileNames) {
    for (const QByteArray& name : fileNames) {
        const QString path = AddBackslash(outputFolder) + QFile::decodeName(name);
        if (attempt([&] { return files.removeFile(folder, name); }, path) == Flow::Stop) {
            return Flow::Stop;
        }
    }
    if (attempt([this] { return files.removeFolder(site, outputName); }, outputFolder) ==
        Flow::Stop) {
        return Flow::Stop;
    }
    return attempt([this] { return files.createFolder(site, outputName); }, outputFolder);
}

MoverRun::Flow MoverRun::writePages(const MoverInputs& inputs, QString& page) {
    const qsizetype count = inputs.pageNames.size();
    for (qsizetype index = 0; index < count; ++index) {
        if (stopAsked()) {
            return Flow::Stop;
        }
        host.pageStarting(index, count);
        if (writePage(inputs, inputs.pageNames.at(index), page) == Flow::Stop) {
            return Flow::Stop;
        }
    }
    return stopAsked() ? Flow::Stop : Flow::Next;
}

MoverRun::Flow MoverRun::writePage(const MoverInputs& inputs, const QString& name, QString& page) {
    const Module1::PageTitle title =
        Module1::ReadPageTitle(site, name, AddBackslash(inputs.siteFolder) + name);
    page = kind.assemblePage({title.text, inputs.delay, PageAddress(inputs.newAddress, name)});
    return writePageFile(name, PageFileBytes(page, title.latin1));
}

// Open, write and close, each with its own failure box. Retrying the write or the close
// starts the page file afresh, so a page is never written over a part of itself. A page whose
// write failed is not closed but dropped, so it is left absent, never partial.
MoverRun::Flow MoverRun::writePageFile(const QString& name, const QByteArray& bytes) {
    const QString target = AddBackslash(outputFolder) + name;
    const QByteArray fileName = QFile::encodeName(name);
    Flow flow = Flow::Again;
    bool closed = false;
    while (flow == Flow::Again) {
        flow = attempt([&] { return files.openPageFile(output, fileName); }, target);
        bool written = false;
        if (flow == Flow::Next) {
            flow = attemptOnce(notingSuccess([&] { return files.writePageFile(bytes); }, written),
                               target);
        }
        if (flow == Flow::Next && written) {
            flow = attemptOnce(notingSuccess([this] { return files.closePageFile(); }, closed),
                               target);
        }
    }
    files.discardPageFile();
    if (closed) {
        ++outcome.pagesWritten;
    }
    return flow;
}

void MoverRun::end() {
    if (!kind.saysDoneBeforeOpening) {
        host.openFileManager(outputFolder);
    }
    host.runDone(kind.doneMessage, kind.doneIcon);
    // The run is complete; a stop asked for now only leaves out what the window does next.
    if (host.stopRequested()) {
        return;
    }
    if (kind.saysDoneBeforeOpening) {
        host.openFileManager(outputFolder);
    }
    if (kind.closesMainWindow) {
        host.closeMainWindow();
    }
}

MoverRun::Flow MoverRun::attempt(const Step& step, const QString& path, AccessError accessError) {
    Flow flow = Flow::Again;
    while (flow == Flow::Again) {
        flow = attemptOnce(step, path, accessError);
    }
    return flow;
}

MoverRun::Flow MoverRun::attemptOnce(const Step& step, const QString& path,
                                     AccessError accessError) {
    const std::optional<FileError> failure = step();
    if (!failure) {
        return Flow::Next;
    }
    if (accessError == AccessError::OffersReplacement && failure->number == kPathFileAccessError) {
        return offerReplacement();
    }
    const MsgAnswer answer = host.stepFailed(*failure, path);
    const Flow flow = stopAsked()                   ? Flow::Stop
                      : answer == MsgAnswer::Ignore ? Flow::Next
                      : answer == MsgAnswer::Retry  ? Flow::Again
                                                    : Flow::Stop;
    if (flow != Flow::Again) {
        ++outcome.failedSteps;
    }
    return flow;
}

bool MoverRun::stopAsked() {
    if (!host.stopRequested()) {
        return false;
    }
    outcome.end = MoverEnd::Stopped;
    return true;
}
