#include "cli/page_progress.h"

#include "cli/console.h"

#include <QString>

namespace {

// Progress is redrawn at most this often, and for the first and the last page.
constexpr qint64 kIntervalMs = 100;

} // namespace

PageProgress::PageProgress(Console& console, qsizetype pageCount)
    : console(console), pageCount(pageCount) {}

void PageProgress::advance() {
    showPage(counted + 1, pageCount);
}

void PageProgress::showPage(qsizetype page, qsizetype count) {
    counted = page;
    pageCount = count;
    const bool firstOrLast = counted == 1 || counted == pageCount;
    if (!firstOrLast && sinceShown.isValid() && sinceShown.elapsed() < kIntervalMs) {
        return;
    }
    sinceShown.start();
    console.showProgress(QStringLiteral("Page %1/%2 (%3%)")
                             .arg(counted)
                             .arg(pageCount)
                             .arg(counted * 100 / pageCount));
}
