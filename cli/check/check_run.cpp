#include "cli/check/check_run.h"

#include "cli/check/page_check.h"
#include "cli/check/page_file_check.h"
#include "cli/console.h"
#include "cli/page_progress.h"
#include "movers/files/undecodable_names.h"

#include <optional>
#include <vector>

namespace {

// Prints the pages not found as their answers come in, in the pages' order: an answer waits
// until every page before it has had its own.
class CheckReport {
public:
    CheckReport(const QStringList& relativePaths, const QStringList& addresses, Console& console)
        : relativePaths(relativePaths), addresses(addresses), console(console),
          answers(std::size_t(relativePaths.size())), progress(console, relativePaths.size()) {}

    void take(qsizetype page, const PageAnswer& answer) {
        answers[std::size_t(page)] = answer;
        for (; printedPages < relativePaths.size() && answers[std::size_t(printedPages)];
             ++printedPages) {
            printLine(printedPages, *answers[std::size_t(printedPages)]);
        }
        progress.advance();
    }

    qsizetype found() const { return foundPages; }

private:
    void printLine(qsizetype page, const PageAnswer& answer) {
        if (answer.found) {
            ++foundPages;
            return;
        }
        console.print(ReadableText(relativePaths.at(page)) + u'\t' +
                      ReadableText(addresses.at(page)) + u'\t' + ReadableText(answer.reason));
    }

    const QStringList& relativePaths;
    const QStringList& addresses;
    Console& console;
    std::vector<std::optional<PageAnswer>> answers;
    PageProgress progress;
    qsizetype printedPages = 0;
    qsizetype foundPages = 0;
};

} // namespace

CheckOutcome CheckPages(const NewAddresses& newAddresses, const QStringList& relativePaths,
                        Console& console) {
    QStringList addresses;
    addresses.reserve(relativePaths.size());
    QStringList webAddresses;
    QList<qsizetype> webPages; // the index of each web address's page
    for (qsizetype page = 0; page < relativePaths.size(); ++page) {
        addresses << newAddresses.of(relativePaths.at(page));
        if (IsWebAddress(addresses.last())) {
            webAddresses << addresses.last();
            webPages << page;
        }
    }
    CheckReport report(relativePaths, addresses, console);
    for (qsizetype page = 0; page < relativePaths.size(); ++page) {
        if (!IsWebAddress(addresses.at(page))) {
            const QString target = newAddresses.relativeTarget(relativePaths.at(page));
            report.take(page, CheckPageFile(PageFile(newAddresses.base(), target)));
        }
    }
    PageCheck(webAddresses, [&report, &webPages](qsizetype web, const PageAnswer& answer) {
        report.take(webPages.at(web), answer);
    }).run();
    console.print(QStringLiteral("%1 of %2 pages found at the new address")
                      .arg(report.found())
                      .arg(relativePaths.size()));
    return {report.found(), relativePaths.size()};
}
