#include "movers/run/mover_run.h"

#include "movers/files/file_name_text.h"
#include "movers/files/folder_replacement.h"
#include "movers/files/page_listing.h"
#include "movers/pages/path_joiners.h"

#include <QFile>

using Module1::AddBackslash;

MoverRun::MoverRun(MoverKind kind, MoverPort& port, MoverFiles& files)
    : kind(std::move(kind)), port(port), files(files) {}

MoverOutcome MoverRun::run(const MoverInputs& inputs) {
    outcome = {};
    depth = inputs.depth;
    outputFolders.clear();
    writtenPaths.clear();
    addresses = NewAddresses(inputs.newAddress, inputs.newPlaces);
    if (runSteps(inputs) == Flow::Next) {
        outcome.end = MoverEnd::Completed;
    }
    port.runEnded(outcome);
    return outcome;
}

MoverRun::Flow MoverRun::runSteps(const MoverInputs& inputs) {
    if (!inputsGiven(inputs)) {
        return Flow::Stop;
    }
    // A site folder that cannot be opened fails the first step that needs it.
    site = OpenFolder::atPath(inputs.siteFolder);
    if (!toldOfUndecodablePages()) {
        return Flow::Stop;
    }
    port.runStarting(inputs.pageNames.size());
    outputName = QFile::encodeName(kind.folderName);
    outputFolder = AddBackslash(inputs.siteFolder) + kind.folderName;
    outcome.outputFolder = outputFolder;
    if (attempt([this] { return files.createFolder(site, outputName); }, outputFolder,
                AccessError::OffersReplacement) == Flow::Stop) {
        return Flow::Stop;
    }
    // Opened again by its name, never through a link: a page step in a folder that cannot be
    // opened fails as opening it failed.
    output = site.subfolder(outputName);
    if (writePages(inputs) == Flow::Stop) {
        return Flow::Stop;
    }
    return writeRulesFiles(inputs);
}

bool MoverRun::inputsGiven(const MoverInputs& inputs) {
    if (inputs.newAddress.isEmpty()) {
        port.inputMissing(MissingInput::NewAddress);
        return false;
    }
    if (kind.needsDelay && !inputs.delayGiven) {
        port.inputMissing(MissingInput::Delay);
        return false;
    }
    return true;
}

// The page list leaves out the page files whose names are not valid UTF-8; the user learns
// which before the run goes on without them.
bool MoverRun::toldOfUndecodablePages() {
    const QByteArrayList undecodable = UndecodablePageFiles(site, depth);
    if (undecodable.isEmpty()) {
        return true;
    }
    port.undecodablePages(undecodable);
    return !stopAsked();
}

MoverRun::Flow MoverRun::offerReplacement() {
    const bool replace = port.replaceExistingFolder(outputFolder);
    if (stopAsked() || !replace) {
        return Flow::Stop;
    }
    const FolderReplacement plan = PlanFolderReplacement(site, outputName, depth);
    if (plan.refused()) {
        port.replacementRefused(outputFolder, plan.refusal);
        return Flow::Stop;
    }
    return replaceOutputFolder(plan);
}

// The output folder is emptied through the descriptor that was checked, then removed by its
// name, which removes only an empty folder and never goes through a link, and made again.
MoverRun::Flow MoverRun::replaceOutputFolder(const FolderReplacement& plan) {
    if (emptyFolder(plan.folder, outputFolder, plan.fileNames, plan.subfolders) == Flow::Stop ||
        attempt([this] { return files.removeFolder(site, outputName); }, outputFolder) ==
            Flow::Stop) {
        return Flow::Stop;
    }
    return attempt([this] { return files.createFolder(site, outputName); }, outputFolder);
}

// Deletes the plain files of the folder at `path`, then its subfolders depth first, each
// opened from it without following a link, emptied and removed by its name in it.
MoverRun::Flow MoverRun::emptyFolder(const OpenFolder& folder, const QString& path,
                                     const QByteArrayList& fileNames,
                                     const std::vector<ReplacedSubfolder>& subfolders) {
    for (const QByteArray& name : fileNames) {
        const QString filePath = AddBackslash(path) + FileNameText(name);
        if (attempt([&] { return files.removeFile(folder, name); }, filePath) == Flow::Stop) {
            return Flow::Stop;
        }
    }
    for (const ReplacedSubfolder& subfolder : subfolders) {
        const QString subfolderPath = AddBackslash(path) + FileNameText(subfolder.name);
        if (emptyFolder(folder.subfolder(subfolder.name), subfolderPath, subfolder.fileNames,
                        subfolder.subfolders) == Flow::Stop ||
            attempt([&] { return files.removeFolder(folder, subfolder.name); }, subfolderPath) ==
                Flow::Stop) {
            return Flow::Stop;
        }
    }
    return Flow::Next;
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
    const StepChoice choice = port.stepFailed(*failure, path);
    const Flow flow = stopAsked()                    ? Flow::Stop
                      : choice == StepChoice::Ignore ? Flow::Next
                      : choice == StepChoice::Retry  ? Flow::Again
                                                     : Flow::Stop;
    if (flow != Flow::Again) {
        ++outcome.failedSteps;
    }
    return flow;
}

bool MoverRun::stopAsked() {
    if (!port.stopRequested()) {
        return false;
    }
    outcome.end = MoverEnd::Stopped;
    return true;
}
