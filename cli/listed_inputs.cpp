#include "cli/listed_inputs.h"

#include "cli/command_line_run.h"
#include "cli/console.h"
#include "movers/files/undecodable_names.h"
#include "movers/pages/path_joiners.h"
#include "movers/rules/move_map.h"

#include <QFile>
#include <QSet>

#include <system_error>

namespace {

QString systemReason(int error) {
    return QString::fromStdString(std::generic_category().message(error));
}

// The listing of the request's folder, or why it cannot be read.
std::optional<PageFileList> listed(const CommandLineRequest& request, Console& console) {
    const MoverInputs& inputs = request.inputs;
    PageFileList files =
        ListPageFiles(inputs.siteFolder, inputs.depth,
                      request.everyFile ? ListedFiles::EveryFile : ListedFiles::Pages);
    if (files.readError != 0) {
        const QString folder =
            files.unreadableFolder.isEmpty()
                ? ReadableText(inputs.siteFolder)
                : ReadableText(Module1::AddBackslash(inputs.siteFolder)) + files.unreadableFolder;
        console.tell(folder + QStringLiteral(" cannot be read: ") + systemReason(files.readError) +
                     u'.');
        return std::nullopt;
    }
    // A run tells of the undecodable page files itself, as it starts.
    const bool run =
        request.action == CommandLineAction::Movers || request.action == CommandLineAction::Frames;
    if (!files.undecodable.isEmpty() && !run) {
        console.tell(UndecodablePagesMessage(files.undecodable));
    }
    if (!files.undecodableOthers.isEmpty()) {
        console.tell(UndecodableFilesMessage(files.undecodableOthers));
    }
    return files;
}

// The move map of the file, its old paths checked against the pages and files listed.
ParsedMoveMap movesOf(const QString& path, const PageFileList& files, bool wholeTree) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {.rows = {},
                .fault = QStringLiteral("it cannot be read: ") + file.errorString(),
                .faultLine = 0};
    }
    const ParsedMoveMap map = ParseMoveMap(file.readAll());
    if (!map.usable()) {
        return map;
    }
    QSet<QString> paths(files.names.cbegin(), files.names.cend());
    paths.unite(QSet<QString>(files.otherFiles.cbegin(), files.otherFiles.cend()));
    return CheckMoveMapPaths(map, paths, wholeTree);
}

} // namespace

ListedInputs ListInputs(const CommandLineRequest& request, Console& console) {
    ListedInputs result{.inputs = request.inputs, .exitStatus = std::nullopt};
    const std::optional<PageFileList> files = listed(request, console);
    if (!files) {
        result.exitStatus = kExitFailure;
        return result;
    }
    result.inputs.pageNames = files->names;
    result.inputs.otherFiles = files->otherFiles;
    if (!request.mapFile.isEmpty()) {
        const ParsedMoveMap map =
            movesOf(request.mapFile, *files, request.inputs.depth == ListingDepth::WholeTree);
        if (!map.usable()) {
            const QString line =
                map.faultLine > 0 ? u':' + QString::number(map.faultLine) : QString();
            console.tell(ReadableText(request.mapFile) + line + QStringLiteral(": ") +
                         ReadableText(map.fault) + u'.');
            result.exitStatus = kExitUsage;
            return result;
        }
        result.inputs.newPlaces = NewPlaces(map);
    }
    return result;
}
