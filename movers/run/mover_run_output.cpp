// The output of a mover run: its pages, the folders they stand in, and the rules files.
#include "movers/run/mover_run.h"

#include "movers/pages/path_joiners.h"
#include "movers/rules/page_redirects.h"
#include "movers/rules/sitemaps.h"
#include "movers/run/page_read_ahead.h"

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

} // namespace

// The pages are assembled and their files made ahead on a thread of their own while the run
// writes and names them.
MoverRun::Flow MoverRun::writePages(const MoverInputs& inputs) {
    const qsizetype count = inputs.pageNames.size();
    PageReadAhead pages(site, output, kind, inputs, addresses);
    for (qsizetype index = 0; index < count; ++index) {
        if (stopAsked()) {
            return Flow::Stop;
        }
        port.pageStarting(index, count);
        if (writePage(inputs, inputs.pageNames.at(index), pages.next()) == Flow::Stop) {
            return Flow::Stop;
        }
    }
    outputFolders.clear();
    return stopAsked() ? Flow::Stop : Flow::Next;
}

MoverRun::Flow MoverRun::writePage(const MoverInputs& inputs, const QString& relativePath,
                                   PageAhead page) {
    if (openFoldersOf(relativePath) == Flow::Stop) {
        return Flow::Stop;
    }
    outcome.lastPage = std::move(page.page.text);
    bool written = false;
    const Flow flow = writeFile(
        outputFolders.innermost(), AddBackslash(outputFolder) + relativePath,
        QFile::encodeName(LastName(relativePath)), page.page.bytes, written, std::move(page.file));
    if (written) {
        ++outcome.pagesWritten;
        if (redirectsWanted(inputs)) {
            writtenPaths << relativePath;
        }
    }
    return flow;
}

// Holds open the folders on the page's path in the output folder, and makes each as a step
// when a page first needs it; each is then opened again by its name, never through a link, as
// the output folder itself.
MoverRun::Flow MoverRun::openFoldersOf(const QString& relativePath) {
    const qsizetype slash = relativePath.lastIndexOf(u'/');
    for (const QString& path :
         outputFolders.missing(QStringView(relativePath).first(qMax(slash, 0)))) {
        const QByteArray name = QFile::encodeName(LastName(path));
        const OpenFolder& parent = outputFolders.innermost();
        if (attempt([&] { return files.createFolder(parent, name); },
                    AddBackslash(outputFolder) + path) == Flow::Stop) {
            return Flow::Stop;
        }
        outputFolders.push(path, parent.subfolder(name));
    }
    return Flow::Next;
}

// Open, write and close, each a step of its own. Retrying the write or the close
// starts the file afresh, so a file is never written over a part of itself. A file whose
// write failed is not closed but dropped, so it is left absent, never partial. A file
// made ahead for the page is taken by the first opening only.
MoverRun::Flow MoverRun::writeFile(const OpenFolder& folder, const QString& path,
                                   const QByteArray& name, const QByteArray& bytes, bool& written,
                                   Descriptor prepared) {
    Flow flow = Flow::Again;
    while (flow == Flow::Again) {
        flow = attempt([&] { return files.openPageFile(folder, name, std::move(prepared)); }, path);
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
                     file.bytes, written, {});
}
