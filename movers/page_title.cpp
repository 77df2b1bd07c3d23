#include "movers/page_title.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Module1 {

namespace {

constexpr QByteArrayView kOpenTag = "<title>";
constexpr QByteArrayView kCloseTag = "</title>";
constexpr qint64 kChunkSize = 64 * 1024;

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Position of the first occurrence of a lower-case ASCII tag at or after `from`, letters
// compared without regard to case; -1 when there is none.
qsizetype findTag(const QByteArray& haystack, QByteArrayView tag, qsizetype from) {
    const auto begin = haystack.cbegin() + std::min(from, haystack.size());
    const auto hit = std::search(begin, haystack.cend(), tag.begin(), tag.end(),
                                 [](char a, char b) { return asciiLower(a) == b; });
    return hit == haystack.cend() ? -1 : hit - haystack.cbegin();
}

// Scans a page chunk by chunk for its first "<title>" and first "</title>". Only what may
// still become part of the title is kept, so a page costs memory for its title, not its size.
class TitleScanner {
public:
    enum class State { NeedMore, Found, NoTitle };

    State feed(const QByteArray& chunk) {
        const QString decoded = utf8Check.decode(chunk); // decoding is what finds bad bytes
        const qsizetype resumeAt = std::max<qsizetype>(0, kept.size() - kCloseTag.size());
        kept += chunk;
        if (openAt < 0) {
            openAt = findTag(kept, kOpenTag, resumeAt);
        }
        const qsizetype closeAt = findTag(kept, kCloseTag, resumeAt);
        if (closeAt >= 0) {
            if (openAt < 0 || closeAt < openAt + kOpenTag.size()) {
                return State::NoTitle;
            }
            titleBytes = kept.mid(openAt + kOpenTag.size(), closeAt - openAt - kOpenTag.size());
            return State::Found;
        }
        discardUnneeded();
        return State::NeedMore;
    }

    QByteArray title() const { return titleBytes; }
    bool validUtf8() const { return !utf8Check.hasError(); }

private:
    // Before the opening tag only a tail that may hold the start of a tag is kept; after it,
    // everything from the opening tag on.
    void discardUnneeded() {
        if (openAt < 0) {
            kept = kept.right(kCloseTag.size());
        } else if (openAt > 0) {
            kept.remove(0, openAt);
            openAt = 0;
        }
    }

    QStringDecoder utf8Check{QStringDecoder::Utf8};
    QByteArray kept;
    QByteArray titleBytes;
    qsizetype openAt = -1;
};

// A page file opened for reading, or nothing when it is not a regular file. It is opened
// without blocking and checked after opening, so a device or a pipe put in the page's place
// (also after the folder was listed) never makes the read wait or go on for ever.
class PageFile {
public:
    explicit PageFile(const QString& path) {
        if (path.contains(QChar(0))) {
            return; // no file has such a name; the system would see only the part before it
        }
        descriptor = ::open(QFile::encodeName(path).constData(),
                            O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        struct stat status {};
        if (descriptor >= 0 && (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))) {
            ::close(descriptor);
            descriptor = -1;
        }
    }
    ~PageFile() {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    bool isOpen() const { return descriptor >= 0; }

    // The next bytes of the file; empty at its end or on a read failure.
    QByteArray read() {
        QByteArray chunk(kChunkSize, Qt::Uninitialized);
        ssize_t count = 0;
        do {
            count = ::read(descriptor, chunk.data(), size_t(chunk.size()));
        } while (count < 0 && errno == EINTR);
        chunk.truncate(count < 0 ? 0 : qsizetype(count));
        return chunk;
    }

private:
    int descriptor = -1;
};

} // namespace

PageTitle ReadPageTitle(const QString& path) {
    PageFile file(path);
    if (!file.isOpen()) {
        return {path, false, false};
    }
    const PageTitle noTitle{path, false, true};
    TitleScanner scanner;
    for (;;) {
        const QByteArray chunk = file.read();
        if (chunk.isEmpty()) {
            return noTitle; // end of file or a read failure, before a title was complete
        }
        switch (scanner.feed(chunk)) {
        case TitleScanner::State::NeedMore:
            continue;
        case TitleScanner::State::NoTitle:
            return noTitle;
        case TitleScanner::State::Found:
            break;
        }
        break;
    }
    const bool latin1 = !scanner.validUtf8();
    const QByteArray bytes = scanner.title();
    const QString title =
        RemoveLineBreaks(latin1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes));
    if (title.isEmpty()) {
        return noTitle;
    }
    return {title, latin1, true};
}

QString GetPageTitle(const QString& path) {
    return ReadPageTitle(path).text;
}

QString RemoveLineBreaks(const QString& text) {
    QString flat;
    flat.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\n') {
            flat += u' ';
        } else if (c != u'\r') {
            flat += c;
        }
    }
    return flat;
}

} // namespace Module1
