#include "movers/pages/mover_page_assembly.h"

MoverPage AssembleMoverPage(const MoverKind& kind, const Module1::PageTitle& title,
                            std::int16_t delay, const QString& pageAddress,
                            const PageExtras& extras) {
    MoverPage page{.text = kind.assemblePage({title.text, delay, pageAddress, extras}),
                   .bytes = {}};
    page.bytes = PageFileBytes(page.text, title.latin1);
    return page;
}
