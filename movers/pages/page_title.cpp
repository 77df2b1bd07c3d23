#include "movers/pages/page_title.h"

#include "movers/files/descriptor.h"
#include "movers/files/open_folder.h"
#include "movers/pages/tag_search.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace Module1 {

namespace {

constexpr QByteArrayView kOpenTag = "<title>";
constexpr QByteArrayView kCloseTag = "</title>";
// Most pages close their title within their first few kilobytes, so the first read is small;
// later reads fill a buffer of a fixed size, large enough that a page without "</title>" is
// searched at about the speed it is read (fewer reads, each searched while it is fresh).
constexpr qsizetype kFirstRead = 4 * 1024;
constexpr qsizetype kBufferSize = 256 * 1024;

// The page file `name` in the folder `folder` (a descriptor, or AT_FDCWD), links followed,
// opened for reading; none when it is not a regular file. It is opened without blocking and
// checked after opening, so a device or a pipe put in the page's place (also after the folder
// was listed) never makes the read wait or go on for ever.
Descriptor openPageFile(int folder, const QString& name) {
    if (name.contains(QChar(0))) {
        return {}; // no file has such a name; the system would see only the part before it
    }
    Descriptor file = Descriptor::open(folder, QFile::encodeName(name).constData(),
                                       O_RDONLY | O_NONBLOCK | O_NOCTTY);
    struct stat status {};
    if (file.isOpen() && (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))) {
        return {};
    }
    return file;
}

// One pass through a page, from its start up to its first "</title>", that finds where the
// first "<title>" and the first "</title>" begin. The page passes through a buffer of a fixed
// size, so the pass costs no more memory for a page of any size.
class TagScan {
public:
    // Scans the page; gives whether it holds "</title>".
    bool scan(Descriptor& file) {
        qsizetype want = kFirstRead; // how full the next read is to make the buffer
        for (;;) {
            if (filled == want && want == kFirstRead) {
                want = kBufferSize;
            } else if (filled == want) {
                // The end is kept, since a tag may straddle two reads, and the reads go on at
                // the same multiples of the buffer size in the file.
                std::memmove(buffer.data(), buffer.data() + filled - kOverlap, kOverlap);
                bufferStart += filled - kOverlap;
                filled = kOverlap;
                want = kOverlap + kBufferSize;
            }
            const qsizetype searchFrom = std::max<qsizetype>(0, filled - kOverlap);
            const qsizetype count = file.read(buffer.data() + filled, want - filled);
            if (count <= 0) {
                return false;
            }
            filled += count;
            const QByteArrayView fresh(buffer.data() + searchFrom, filled - searchFrom);
            if (open < 0) {
                open = positionOf(FindTag(fresh, kOpenTag), searchFrom);
            }
            close = positionOf(FindTag(fresh, kCloseTag), searchFrom);
            if (close >= 0) {
                return true;
            }
        }
    }

    // Where the first tags begin in the page, or -1.
    qint64 open = -1;
    qint64 close = -1;

    // The page from its start to the end of its first "</title>", when the buffer still holds
    // all of it; empty otherwise.
    QByteArrayView head() const {
        return bufferStart == 0 ? QByteArrayView(buffer.data(), close + kCloseTag.size())
                                : QByteArrayView();
    }

private:
    qint64 positionOf(qsizetype inBuffer, qsizetype searchFrom) const {
        return inBuffer < 0 ? -1 : bufferStart + searchFrom + inBuffer;
    }

    static constexpr qsizetype kOverlap = kCloseTag.size() - 1;
    std::array<char, kOverlap + kBufferSize> buffer;
    qint64 bufferStart = 0; // where the buffer's first byte lies in the page
    qsizetype filled = 0;
};

// Whether the page's first `size` bytes are valid UTF-8, read again in pieces.
bool startIsUtf8(Descriptor& file, qint64 size) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    std::vector<char> bytes(size_t(std::min<qint64>(size, kBufferSize)));
    std::vector<QChar> decoded(size_t(utf8.requiredSpace(qsizetype(bytes.size()))));
    for (qint64 offset = 0; offset < size;) {
        const qsizetype piece = qsizetype(std::min<qint64>(size - offset, kBufferSize));
        if (!file.readAllAt(bytes.data(), piece, offset)) {
            return false;
        }
        utf8.appendToBuffer(decoded.data(), QByteArrayView(bytes.data(), piece));
        offset += piece;
    }
    return !utf8.hasError();
}

// The bytes of a title, and whether the page up to the end of its first "</title>" is valid
// UTF-8.
struct TitleBytes {
    QByteArray bytes;
    bool utf8 = false;
};

// The title the scan found; nothing when its bytes cannot be read. A title within the first
// buffer comes from it; a longer one is read by itself, so it is held just once.
std::optional<TitleBytes> readTitleBytes(Descriptor& file, const TagScan& tags) {
    const qint64 start = tags.open + kOpenTag.size();
    const QByteArrayView head = tags.head();
    if (!head.isEmpty()) {
        return TitleBytes{head.sliced(start, tags.close - start).toByteArray(), head.isValidUtf8()};
    }
    QByteArray bytes(tags.close - start, Qt::Uninitialized);
    if (!file.readAllAt(bytes.data(), bytes.size(), start)) {
        return std::nullopt;
    }
    const bool utf8 = bytes.isValidUtf8() && startIsUtf8(file, start);
    return TitleBytes{std::move(bytes), utf8};
}

// The title of the file `name` in the folder `folder`; `path` is what a page without a title
// gets instead.
PageTitle readPageTitle(int folder, const QString& name, const QString& path) {
    Descriptor file = openPageFile(folder, name);
    if (!file.isOpen()) {
        return {path, false, false};
    }
    const PageTitle noTitle{path, false, true};
    TagScan tags;
    if (!tags.scan(file) || tags.open < 0 || tags.close < tags.open + kOpenTag.size()) {
        return noTitle;
    }
    std::optional<TitleBytes> read = readTitleBytes(file, tags);
    if (!read) {
        return noTitle;
    }
    const bool latin1 = !read->utf8;
    QString title = latin1 ? QString::fromLatin1(read->bytes) : QString::fromUtf8(read->bytes);
    read.reset(); // a long title is held as bytes and as text, but not twice as text
    title = RemoveLineBreaks(std::move(title));
    if (title.isEmpty()) {
        return noTitle;
    }
    return {title, latin1, true};
}

} // namespace

PageTitle ReadPageTitle(const QString& path) {
    return readPageTitle(AT_FDCWD, path, path);
}

PageTitle ReadPageTitle(const OpenFolder& folder, const QString& name, const QString& path) {
    if (!folder.isOpen()) {
        return {path, false, false};
    }
    return readPageTitle(folder.descriptor(), name, path);
}

QString GetPageTitle(const QString& path) {
    return ReadPageTitle(path).text;
}

QString RemoveLineBreaks(QString text) {
    const auto lineBreak = [](QChar c) {
        return c == u'\r' || c == u'\n';
    };
    const auto first = std::find_if(text.cbegin(), text.cend(), lineBreak);
    if (first == text.cend()) {
        return text;
    }
    // Flattened in place: the text is the caller's own copy.
    qsizetype kept = first - text.cbegin();
    QChar* chars = text.data();
    for (qsizetype at = kept; at < text.size(); ++at) {
        if (chars[at] == u'\n') {
            chars[kept++] = u' ';
        } else if (chars[at] != u'\r') {
            chars[kept++] = chars[at];
        }
    }
    text.truncate(kept);
    return text;
}

} // namespace Module1
