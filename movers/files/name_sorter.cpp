#include "movers/files/name_sorter.h"

#include "movers/files/file_name_text.h"

#include <algorithm>

namespace {

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool isAscii(QByteArrayView name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; });
}

} // namespace

void NameSorter::add(QByteArrayView utf8) {
    if (!isAscii(utf8)) {
        names.push_back({FileNameText(utf8), 0, -1, 0});
        return;
    }
    const auto keyAt = std::uint32_t(keys.size());
    keys.append(utf8.data(), size_t(utf8.size()));
    std::transform(keys.begin() + keyAt, keys.end(), keys.begin() + keyAt, asciiLower);
    std::uint64_t head = 0;
    for (qsizetype at = 0; at < 8; ++at) {
        head = head << 8 | (at < utf8.size() ? uchar(keys[keyAt + size_t(at)]) : 0);
    }
    names.push_back(
        {QString::fromLatin1(utf8), head, std::int64_t(keyAt), std::uint32_t(utf8.size())});
}

QStringList NameSorter::sorted() {
    std::sort(names.begin(), names.end(),
              [this](const Name& a, const Name& b) { return before(a, b); });
    QStringList texts;
    texts.reserve(qsizetype(names.size()));
    for (Name& name : names) {
        texts << std::move(name.text);
    }
    names.clear();
    keys.clear();
    return texts;
}

std::string_view NameSorter::key(const Name& name) const {
    return std::string_view(keys).substr(size_t(name.keyAt), name.keySize);
}

bool NameSorter::before(const Name& a, const Name& b) const {
    int order = 0;
    if (a.keyAt < 0 || b.keyAt < 0) {
        order = QString::compare(a.text, b.text, Qt::CaseInsensitive);
    } else if (a.head != b.head) {
        order = a.head < b.head ? -1 : 1;
    } else {
        order = key(a).compare(key(b));
    }
    return order != 0 ? order < 0 : a.text < b.text;
}
