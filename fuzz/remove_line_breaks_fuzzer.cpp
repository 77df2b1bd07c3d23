// RemoveLineBreaks on arbitrary UTF-16 text: every carriage return is dropped, every line
// feed becomes one space in its place, every other character is kept in order.
#include "fuzz_check.h"
#include "movers/pages/page_title.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);

    const QString flat = Module1::RemoveLineBreaks(text);

    Require(!flat.contains(u'\r') && !flat.contains(u'\n'), "no line break is left");
    Require(flat.size() == text.size() - text.count(u'\r'), "only carriage returns are dropped");
    qsizetype at = 0;
    for (const QChar c : text) {
        if (c != u'\r') {
            Require(flat[at++] == (c == u'\n' ? QChar(u' ') : c),
                    "a line feed becomes a space, anything else stays");
        }
    }
    return 0;
}
