#include "cli/check/check_run.h"

#include "cli/check/answers_in_order.h"
#include "cli/check/page_check.h"
#include "cli/check/page_file_check.h"
#include "cli/console.h"

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
    qsizetype found = 0;
    AnswersInOrder<PageAnswer> report(
        relativePaths.size(), console, [&](qsizetype page, const PageAnswer& answer) {
            if (answer.found) {
                ++found;
                return;
            }
            PrintPageLine(console, relativePaths.at(page), addresses.at(page), answer.reason);
        });
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
                      .arg(found)
                      .arg(relativePaths.size()));
    return {found, relativePaths.size()};
}
