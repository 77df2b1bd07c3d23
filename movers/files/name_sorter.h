#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Sorts names as QString::compare with Qt::CaseInsensitive orders them, names equal but for
// case by their exact text: the order of the page list. Most page names are ASCII; for two of
// them that order is the order of their lower-cased bytes, which are kept one after another in
// one buffer, their first eight also in one number that settles most comparisons. Any other
// pair is compared by QString::compare.
class NameSorter {
public:
    // Takes a name given as valid UTF-8.
    void add(QByteArrayView utf8);
    // The names taken, in order; the sorter is left empty.
    QStringList sorted();

private:
    struct Name {
        QString text;
        std::uint64_t head; // the first eight lower-cased bytes, the first most significant
        std::int64_t keyAt; // where its lower-cased bytes begin in `keys`; -1 when not ASCII
        std::uint32_t keySize;
    };

    std::string_view key(const Name& name) const;
    bool before(const Name& a, const Name& b) const;

    std::string keys;
    std::vector<Name> names;
};
