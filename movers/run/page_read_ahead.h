#pragma once

#include "movers/files/descriptor.h"
#include "movers/files/open_folder.h"
#include "movers/pages/mover_kinds.h"
#include "movers/pages/mover_page_assembly.h"
#include "movers/pages/new_addresses.h"
#include "movers/run/mover_port.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class FolderChain;

// A page of a run assembled ahead of its writing and, where the file system allows, its file
// already made without a name in the output folder, so that the run only fills and names it.
struct PageAhead {
    MoverPage page;
    Descriptor file;
};

// A run's pages assembled ahead of their writing, on a thread of its own, so that reading the
// old pages and writing the new ones go on at once: each page's title is read through the site
// folder's descriptor, its folders opened by name and never through a link as the run's own
// are, its page assembled and its file made without a name, in the run's order. A file that
// cannot be made so (a file system without such files, no inode left) is left to the run,
// which makes it and the files after it the ordinary way and meets any failure at the page's
// turn. At most `ahead` pages wait, so the memory and the disk stay bounded whatever the
// site's size. The run takes them in order, waiting for the next when it is not ready; each
// side wakes the other once a quarter of the pages wait or half were taken, not for every
// page. The thread stops and is waited for when this goes, and the files not taken vanish with
// their descriptors. The folders, the inputs and the addresses must outlive it.
class PageReadAhead {
public:
    PageReadAhead(const OpenFolder& site, const OpenFolder& output, const MoverKind& kind,
                  const MoverInputs& inputs, const NewAddresses& addresses, qsizetype ahead = 32);
    ~PageReadAhead();
    PageReadAhead(const PageReadAhead&) = delete;
    PageReadAhead& operator=(const PageReadAhead&) = delete;

    // The next page of the run.
    PageAhead next();

private:
    void readAll();
    MoverPage assemble(qsizetype index, FolderChain& folders) const;

    const OpenFolder& site;
    const OpenFolder& output;
    const MoverKind& kind;
    const MoverInputs& inputs;
    const NewAddresses& addresses;
    const qsizetype ahead;

    std::mutex mutex;
    std::condition_variable room;  // half the pages were taken, or the run is over
    std::condition_variable ready; // a quarter of the pages were assembled, or the last
    std::deque<PageAhead> pages;
    bool over = false;
    std::thread reader; // last, so that it starts once all the above is made
};
