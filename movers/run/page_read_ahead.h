#pragma once

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

// A run's pages assembled ahead of their writing, on a thread of its own, so that reading the
// old pages and writing the new ones go on at once: each page's title is read through the site
// folder's descriptor, its folders opened by name and never through a link as the run's own
// are, and its page assembled, in the run's order. At most `ahead` pages wait, so the memory
// stays bounded whatever the site's size. The run takes them in order, waiting for the next
// when it is not ready; the thread stops and is waited for when this goes. The site folder,
// the inputs and the addresses must outlive it.
class PageReadAhead {
public:
    PageReadAhead(const OpenFolder& site, const MoverKind& kind, const MoverInputs& inputs,
                  const NewAddresses& addresses, qsizetype ahead = 32);
    ~PageReadAhead();
    PageReadAhead(const PageReadAhead&) = delete;
    PageReadAhead& operator=(const PageReadAhead&) = delete;

    // The next page of the run.
    MoverPage next();

private:
    void readAll();
    MoverPage assemble(qsizetype index, FolderChain& folders) const;

    const OpenFolder& site;
    const MoverKind& kind;
    const MoverInputs& inputs;
    const NewAddresses& addresses;
    const qsizetype ahead;

    std::mutex mutex;
    std::condition_variable room;  // a page was taken, or the run is over
    std::condition_variable ready; // a page was assembled
    std::deque<MoverPage> pages;
    bool over = false;
    std::thread reader; // last, so that it starts once all the above is made
};
