#include "movers/run/page_read_ahead.h"

#include "movers/files/folder_chain.h"
#include "movers/files/unnamed_file.h"
#include "movers/pages/page_title.h"
#include "movers/pages/path_joiners.h"

#include <QFile>

PageReadAhead::PageReadAhead(const OpenFolder& site, const OpenFolder& output,
                             const MoverKind& kind, const MoverInputs& inputs,
                             const NewAddresses& addresses, qsizetype ahead)
    : site(site), output(output), kind(kind), inputs(inputs), addresses(addresses), ahead(ahead),
      reader([this] { readAll(); }) {}

PageReadAhead::~PageReadAhead() {
    {
        const std::lock_guard lock(mutex);
        over = true;
    }
    room.notify_one();
    reader.join();
}

PageAhead PageReadAhead::next() {
    std::unique_lock lock(mutex);
    ready.wait(lock, [this] { return !pages.empty(); });
    PageAhead page = std::move(pages.front());
    pages.pop_front();
    const bool halfTaken = qsizetype(pages.size()) <= ahead / 2;
    lock.unlock();
    if (halfTaken) {
        room.notify_one();
    }
    return page;
}

void PageReadAhead::readAll() {
    FolderChain folders(site);
    bool unnamedFiles = output.isOpen();
    for (qsizetype index = 0; index < inputs.pageNames.size(); ++index) {
        {
            std::unique_lock lock(mutex);
            room.wait(lock, [this] { return over || qsizetype(pages.size()) < ahead; });
            if (over) {
                return;
            }
        }
        PageAhead page{.page = assemble(index, folders), .file = {}};
        if (unnamedFiles) {
            page.file = CreateUnnamedFile(output.descriptor());
            unnamedFiles = page.file.isOpen();
        }
        bool batchReady = index + 1 == inputs.pageNames.size();
        {
            const std::lock_guard lock(mutex);
            pages.push_back(std::move(page));
            batchReady = batchReady || qsizetype(pages.size()) >= ahead / 4;
        }
        if (batchReady) {
            ready.notify_one();
        }
    }
}

MoverPage PageReadAhead::assemble(qsizetype index, FolderChain& folders) const {
    const QString& relativePath = inputs.pageNames.at(index);
    const qsizetype slash = relativePath.lastIndexOf(u'/');
    for (const QString& path : folders.missing(QStringView(relativePath).first(qMax(slash, 0)))) {
        folders.push(path, folders.innermost().subfolder(QFile::encodeName(LastName(path))));
    }
    const Module1::PageTitle title =
        Module1::ReadPageTitle(folders.innermost(), LastName(relativePath),
                               Module1::AddBackslash(inputs.siteFolder) + relativePath);
    return AssembleMoverPage(kind, title, inputs.delay, addresses.of(relativePath),
                             inputs.pageExtras);
}
