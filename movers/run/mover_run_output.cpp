// The output of a mover run: its pages, the folders they stand in, and the rules files.
#include "movers/run/mover_run.h"

#include "movers/pages/mover_page_assembly.h"
#include "movers/pages/page_address.h"
#include "movers/pages/page_title.h"
#include "movers/pages/path_joiners.h"
#include "movers/rules/page_redirects.h"
#include "movers/rules/sitemaps.h"

#include <QFile>

using Module1::AddBackslash;

namespace {

// The operation, noting in `succeeded` whether it succeeded.
template <typename Operation> auto notingSuccess(Operation operation, bool& succeeded) {
    return [operation, &succeeded] {
        std::optional<FileError> failure = operation();
        succeeded = !failure;
        return failure;
    };
}

// The name of a page or folder: the last part of its relative path.
QString lastName(const QString& relativePath) {
    return relativePath.mid(relativePath.lastIndexOf(u'/') + 1);
}

} // namespace

MoverRun::Flow MoverRun::writePages(const MoverInputs& inputs) {
    const qsizetype count = inputs.pageNames.size();
    for (qsizetype index = 0; index < count; ++index) {
        if (stopAsked()) {
            return Flow::Stop;
        }
        port.pageStarting(index, count);
        if (writePage(inputs, inputs.pageNames.at(index)) == Flow::Stop) {
            return Flow::Stop;
        }
    }
    pageFolders.clear();
    return stopAsked() ? Flow::Stop : Flow::Next;
}

MoverRun::Flow MoverRun::writePage(const MoverInputs& inputs, const QString& relativePath) {
    if (openFoldersOf(relativePath) == Flow::Stop) {
        return Flow::Stop;
    }
    const QString name = lastName(relativePath);
    const Module1::PageTitle title = Module1::ReadPageTitle(
        innermostSiteFolder(), name, AddBackslash(inputs.siteFolder) + relativePath);
    MoverPage assembled =
        AssembleMoverPage(kind, title, inputs.delay, addresses.of(relativePath), inputs.pageExtras);
    outcome.lastPage = std::move(assembled.text);
    bool written = false;
    const Flow flow = writeFile(innermostOutputFolder(), AddBackslash(outputFolder) + relativePath,
                                QFile::encodeName(name), assembled.bytes, written);
    if (written) {
        ++outcome.pagesWritten;
        if (redirectsWanted(inputs)) {
            writtenPaths << relativePath;
        }
    }
    return flow;
}

// The deepest folder held open for the page being written, or the site or output folder itself.
const OpenFolder& MoverRun::innermostSiteFolder() const {
    return pageFolders.empty() ? site : pageFolders.back().site;
}

const OpenFolder& MoverRun::innermostOutputFolder() const {
    return pageFolders.empty() ? output : pageFolders.back().output;
}

// Holds open the folders on the page's path, in the site folder and in the output folder, and
// makes each in the output folder as a step when a page first needs it. Pages come folder by
// folder, so the folders of the last page mostly serve the next one as they are.
MoverRun::Flow MoverRun::openFoldersOf(const QString& relativePath) {
    const qsizetype slash = relativePath.lastIndexOf(u'/');
    const QStringView folder = QStringView(relativePath).first(qMax(slash, 0));
    if (pageFolders.empty() ? folder.isEmpty() : folder == pageFolders.back().path) {
        return Flow::Next;
    }
    QList<QStringView> paths; // each folder on the way, by its path relative to the site folder
    for (qsizetype at = 0; !folder.isEmpty() && at <= folder.size(); ++at) {
        if (at == folder.size() || folder[at] == u'/') {
            paths << folder.first(at);
        }
    }
    size_t kept = 0;
    while (kept < pageFolders.size() && kept < size_t(paths.size()) &&
           pageFolders[kept].path == paths[qsizetype(kept)]) {
        ++kept;
    }
    pageFolders.erase(pageFolders.begin() + qsizetype(kept), pageFolders.end());
    for (qsizetype at = qsizetype(kept); at < paths.size(); ++at) {
        const QString path = paths[at].toString();
        const QByteArray name = QFile::encodeName(lastName(path));
        const OpenFolder& siteParent = innermostSiteFolder();
        const OpenFolder& outputParent = innermostOutputFolder();
        if (attempt([&] { return files.createFolder(outputParent, name); },
                    AddBackslash(outputFolder) + path) == Flow::Stop) {
            return Flow::Stop;
        }
        // Opened again by its name, never through a link, as the output folder itself.
        pageFolders.push_back({path, siteParent.subfolder(name), outputParent.subfolder(name)});
    }
    return Flow::Next;
}

// Open, write and close, each a step of its own. Retrying the write or the close
// starts the file afresh, so a file is never written over a part of itself. A file whose
// write failed is not closed but dropped, so it is left absent, never partial.
MoverRun::Flow MoverRun::writeFile(const OpenFolder& folder, const QString& path,
                                   const QByteArray& name, const QByteArray& bytes, bool& written) {
    Flow flow = Flow::Again;
    while (flow == Flow::Again) {
        flow = attempt([&] { return files.openPageFile(folder, name); }, path);
        bool filled = false;
        if (flow == Flow::Next) {
            flow = attemptOnce(notingSuccess([&] { return files.writePageFile(bytes); }, filled),
                               path);
        }
        if (flow == Flow::Next && filled) {
            flow =
                attemptOnce(notingSuccess([this] { return files.closePageFile(); }, written), path);
        }
    }
    files.discardPageFile();
    return flow;
}

bool MoverRun::redirectsWanted(const MoverInputs& inputs) {
    return !inputs.rulesKinds.isEmpty() || !inputs.sitemapsOldAddress.isEmpty();
}

// One rules file of each kind asked for, with the redirects of the pages written whole and of
// the site's other files, into the output folder as a page is written, then the sitemaps. What
// a kind cannot hold is left out and told of.
MoverRun::Flow MoverRun::writeRulesFiles(const MoverInputs& inputs) {
    if (!redirectsWanted(inputs)) {
        return Flow::Next;
    }
    const QList<Redirect> redirects =
        PageRedirects(inputs.oldPath, addresses, writtenPaths + inputs.otherFiles);
    RulesSite site{.oldPath = inputs.oldPath, .outputFolder = outputFolder};
    for (const QString& page : std::as_const(writtenPaths)) {
        site.pageFolders.insert(page.left(page.lastIndexOf(u'/') + 1));
    }
    for (const ServerRulesKind& rulesKind : inputs.rulesKinds) {
        if (stopAsked()) {
            return Flow::Stop;
        }
        const ServerRules rules = rulesKind.write(site, redirects);
        if (!rules.leftOut.isEmpty()) {
            port.redirectsLeftOut(rules.leftOut);
        }
        if (writeRulesFiles(rules.files) == Flow::Stop) {
            return Flow::Stop;
        }
    }
    if (inputs.sitemapsOldAddress.isEmpty()) {
        return Flow::Next;
    }
    if (stopAsked()) {
        return Flow::Stop;
    }
    return writeRulesFiles(Sitemaps(inputs.sitemapsOldAddress, inputs.newAddress, redirects));
}

MoverRun::Flow MoverRun::writeRulesFiles(const QList<RulesFile>& files) {
    for (const RulesFile& file : files) {
        if (writeRulesFile(file) == Flow::Stop) {
            return Flow::Stop;
        }
    }
    return Flow::Next;
}

// A rules file goes into the output folder, or into the folder of its pages there, opened from
// the output folder by name and never through a link, as the pages' folders are.
MoverRun::Flow MoverRun::writeRulesFile(const RulesFile& file) {
    const QStringList names = file.path.split(u'/');
    OpenFolder folder;
    const OpenFolder* into = &output;
    for (const QString& name : names.first(names.size() - 1)) {
        folder = into->subfolder(QFile::encodeName(name));
        into = &folder;
    }
    bool written = false;
    return writeFile(*into, AddBackslash(outputFolder) + file.path, QFile::encodeName(names.last()),
                     file.bytes, written);
}
