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
// The positions of 16 bytes where a tag may begin: its first byte, and two bytes on its third
// byte in either case ("<" and "t" of "</title>", a pair that stands in few other places of a
// page), one bit each.
class Candidates {
public:
    explicit Candidates(QByteArrayView tag)
        : first(_mm_set1_epi8(tag[0])), third(_mm_set1_epi8(tag[2])),
          lowerCase(_mm_set1_epi8(0x20)) {}

    __m128i at(const char* bytes) const {
        return _mm_and_si128(_mm_cmpeq_epi8(load(bytes), first),
                             _mm_cmpeq_epi8(_mm_or_si128(load(bytes + 2), lowerCase), third));
    }

private:
    static __m128i load(const char* bytes) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    }

    __m128i first;
    __m128i third;
    __m128i lowerCase;
};

// Looks at 64 positions at a time and compares the whole tag only where its first and third
// bytes are found. Gives the first tag's position, or where the positions it did not look at
// begin as `unseen`.
qsizetype findTagInBlocks(QByteArrayView text, QByteArrayView tag, qsizetype& unseen) {
    constexpr qsizetype kPart = 16;
    constexpr qsizetype kBlock = 4 * kPart;
    const Candidates candidates(tag);
    const qsizetype last = tag.size() - 1;
    qsizetype at = 0;
    for (; at + last + kBlock <= text.size(); at += kBlock) {
        const char* bytes = text.data() + at;
        const __m128i any = _mm_or_si128(
            _mm_or_si128(candidates.at(bytes), candidates.at(bytes + kPart)),
            _mm_or_si128(candidates.at(bytes + 2 * kPart), candidates.at(bytes + 3 * kPart)));
        if (_mm_movemask_epi8(any) == 0) {
            continue;
        }
        for (qsizetype part = 0; part < kBlock; part += kPart) {
            for (unsigned mask = unsigned(_mm_movemask_epi8(candidates.at(bytes + part)));
                 mask != 0; mask &= mask - 1) {
                const qsizetype offset = part + __builtin_ctz(mask);
                if (tagAt(bytes + offset, tag)) {
                    return at + offset;
                }
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
