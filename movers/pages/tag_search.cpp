#include "movers/pages/tag_search.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool tagAt(const char* bytes, QByteArrayView tag) {
    for (qsizetype at = 0; at < tag.size(); ++at) {
        if (asciiLower(bytes[at]) != tag[at]) {
            return false;
        }
    }
    return true;
}

#ifdef __SSE2__
// Looks at 16 positions at a time for a tag's first byte, its third byte in either case and
// its last byte, and compares the whole tag only where all three are found. Gives the first
// tag's position, or where the positions it did not look at begin as `unseen`.
qsizetype findTagInBlocks(QByteArrayView text, QByteArrayView tag, qsizetype& unseen) {
    constexpr qsizetype kBlock = 16;
    constexpr char kLowerCaseBit = 0x20;
    const qsizetype last = tag.size() - 1;
    const auto load = [](const char* bytes) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    };
    const __m128i first = _mm_set1_epi8(tag[0]);
    const __m128i third = _mm_set1_epi8(tag[2]);
    const __m128i end = _mm_set1_epi8(tag[last]);
    const __m128i lowerCase = _mm_set1_epi8(kLowerCaseBit);
    qsizetype at = 0;
    for (; at + last + kBlock <= text.size(); at += kBlock) {
        const char* bytes = text.data() + at;
        const __m128i candidates =
            _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(load(bytes), first),
                                        _mm_cmpeq_epi8(load(bytes + last), end)),
                          _mm_cmpeq_epi8(_mm_or_si128(load(bytes + 2), lowerCase), third));
        for (unsigned mask = unsigned(_mm_movemask_epi8(candidates)); mask != 0; mask &= mask - 1) {
            const int offset = __builtin_ctz(mask);
            if (tagAt(bytes + offset, tag)) {
                return at + offset;
            }
        }
    }
    unseen = at;
    return -1;
}
#endif

} // namespace

qsizetype FindTag(QByteArrayView text, QByteArrayView tag) {
    qsizetype at = 0;
#ifdef __SSE2__
    if (const qsizetype found = findTagInBlocks(text, tag, at); found >= 0) {
        return found;
    }
#endif
    for (; at + tag.size() <= text.size(); ++at) {
        if (tagAt(text.data() + at, tag)) {
            return at;
        }
    }
    return -1;
}
