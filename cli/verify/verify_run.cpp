#include "cli/verify/verify_run.h"

#include "cli/check/answers_in_order.h"
#include "cli/console.h"
#include "cli/verify/move_check.h"
#include "movers/pages/page_address.h"

bool VerifyMoves(const QString& oldSite, const QString& oldPath, const NewAddresses& newAddresses,
                 const QStringList& relativePaths, Console& console) {
    QList<AddressMove> moves;
    moves.reserve(relativePaths.size());
    for (const QString& page : relativePaths) {
        moves.append({OldPageAddress(oldSite, oldPath + page), newAddresses.of(page)});
    }
    qsizetype moved = 0;
    MoveFaultCounts faults;
    AnswersInOrder<MoveAnswer> report(
        relativePaths.size(), console, [&](qsizetype page, const MoveAnswer& answer) {
            if (answer.moves) {
                ++moved;
                return;
            }
            faults.add(answer);
            PrintPageLine(console, relativePaths.at(page),
                          QString::fromUtf8(BrowserForm(moves.at(page).oldAddress)), answer.reason);
        });
    MoveCheck(moves, [&report](qsizetype page, const MoveAnswer& answer) {
        report.take(page, answer);
    }).run();
    console.print(QStringLiteral("%1 of %2 old addresses move permanently to their new page")
                      .arg(moved)
                      .arg(relativePaths.size()));
    if (const QString counts = faults.text(); !counts.isEmpty()) {
        console.print(counts);
    }
    return moved == relativePaths.size();
}
