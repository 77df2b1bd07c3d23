#pragma once

#include "movers/pages/mover_kinds.h"
#include "movers/pages/page_title.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The page a mover command writes for one page file: its one line, as the page text buffer
// holds it, and the bytes of its file.
struct MoverPage {
    QString text;
    QByteArray bytes;
};

// The page of this kind for a page file whose title was read as `title`, with the delay and
// the page's new address (PageAddress). Its file is in the encoding the title was read in, so
// the title's bytes are the source page's own. The page carries the extras asked for.
MoverPage AssembleMoverPage(const MoverKind& kind, const Module1::PageTitle& title,
                            std::int16_t delay, const QString& pageAddress,
                            const PageExtras& extras = {});
