#include "cli/check/answers_in_order.h"

#include "cli/console.h"
#include "movers/files/undecodable_names.h"

void PrintPageLine(Console& console, const QString& relativePath, const QString& address,
                   const QString& reason) {
    console.print(ReadableText(relativePath) + u'\t' + ReadableText(address) + u'\t' +
                  ReadableText(reason));
}
