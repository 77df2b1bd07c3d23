// Title reading on arbitrary page bytes, checked against a plain model of the rule: the
// bytes strictly between the first "<title>" and the first "</title>" (tags in any letter
// case), decoded as UTF-8 when the page up to the end of that "</title>" is well-formed UTF-8
// and byte for byte as Latin-1 otherwise, carriage returns dropped and line feeds turned into
// spaces; the page's path when that leaves nothing.
#include "fuzz_check.h"
#include "movers/pages/page_title.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace {

// The fuzzer's inputs stay below this size (-max_len), so a file write stays cheap.
constexpr std::size_t kLargestPage = 64 * 1024;

std::string asciiLowered(std::string bytes) {
    for (char& c : bytes) {
        if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
    }
    return bytes;
}

// The UTF-16 text of well-formed UTF-8 (shortest forms, no surrogates, nothing above
// U+10FFFF); nothing for any other bytes.
std::optional<std::u16string> decodedUtf8(const std::string& bytes) {
    const auto byte = [&](std::size_t at) {
        return static_cast<unsigned char>(bytes[at]);
    };
    const auto continues = [&](std::size_t at) {
        return (byte(at) & 0xC0) == 0x80;
    };
    std::u16string text;
    for (std::size_t at = 0; at < bytes.size();) {
        const unsigned char lead = byte(at);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0) {
            return std::nullopt;
        }
        if (at + length > bytes.size()) {
            return std::nullopt;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) {
            if (!continues(at + i)) {
                return std::nullopt;
            }
            c = (c << 6) | (byte(at + i) & 0x3F);
        }
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kShortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return std::nullopt;
        }
        if (c >= 0x10000) {
            text += char16_t(0xD800 + ((c - 0x10000) >> 10));
            text += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += char16_t(c);
        }
        at += length;
    }
    return text;
}

std::u16string latin1(const std::string& bytes) {
    std::u16string text;
    for (const char c : bytes) {
        text += char16_t(static_cast<unsigned char>(c));
    }
    return text;
}

Module1::PageTitle expectedTitle(const std::string& page, const QString& path) {
    const std::string lowered = asciiLowered(page);
    const std::size_t open = lowered.find("<title>");
    const std::size_t close = lowered.find("</title>");
    if (open == std::string::npos || close == std::string::npos || close < open + 7) {
        return {path, false};
    }
    const std::string titleBytes = page.substr(open + 7, close - open - 7);
    const bool utf8 = decodedUtf8(page.substr(0, close + 8)).has_value();
    QString title;
    for (const char16_t c : utf8 ? *decodedUtf8(titleBytes) : latin1(titleBytes)) {
        if (c == u'\n') {
            title += u' ';
        } else if (c != u'\r') {
            title += QChar(c);
        }
    }
    if (title.isEmpty()) {
        return {path, false};
    }
    return {title, !utf8};
}

QString pagePath() {
    static QTemporaryDir folder(QStringLiteral("/dev/shm/zandrift-fuzz-XXXXXX"));
    static QTemporaryDir fallback;
    return (folder.isValid() ? folder : fallback).filePath(QStringLiteral("page.htm"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= kLargestPage) {
        return 0;
    }
    const std::string page(reinterpret_cast<const char*>(data), size);
    const QString path = pagePath();
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(page.data(), qint64(page.size())) == qint64(page.size()),
            "the page can be written");
    file.close();

    const Module1::PageTitle title = Module1::ReadPageTitle(path);
    const Module1::PageTitle expected = expectedTitle(page, path);

    Require(!title.text.contains(u'\r') && !title.text.contains(u'\n'), "no line break");
    Require(title.text == expected.text, "the title is the text between the first tags");
    Require(title.latin1 == expected.latin1, "Latin-1 exactly when the page is not UTF-8");
    Require(Module1::GetPageTitle(path) == title.text, "GetPageTitle gives the title read");
    return 0;
}
