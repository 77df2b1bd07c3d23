#pragma once

#include <QHash>
#include <QString>

// Where each page (or, with every file, each file) of a run goes: the new place a move map gives
// it, or else the same path at the new address.
class NewAddresses {
public:
    // `newPlaces`: by old path relative to the site folder, a full "http:" or "https:" address,
    // or a path relative to the new address.
    explicit NewAddresses(QString newAddress, QHash<QString, QString> newPlaces = {});

    // The new address of the page at `relativePath`: a full address of the map as given but for
    // its blanks ("%20"); else the new address (AddressBase) followed by the map's path or the
    // page's own, encoded name by name as EncodeRelativePath does.
    QString of(const QString& relativePath) const;
    // The new address of a folder ("docs", or "" for the site folder) whose index page is
    // `indexPage`: where the map sends that page, if it has a row for it; else the folder's own
    // path at the new address, ending in "/".
    QString ofFolder(const QString& folder, const QString& indexPage) const;
    // Where the page goes relative to the new address: the map's path (without a leading "/")
    // or the page's own; empty when the map sends it to a full address.
    QString relativeTarget(const QString& relativePath) const;
    // Whether the map sends the page to a full address of its own.
    bool movesToFullAddress(const QString& relativePath) const;

    const QString& base() const { return newAddress; }

private:
    QString newAddress;
    QHash<QString, QString> newPlaces;
};

// Whether a text is a full web address: it starts with "http://" or "https://", in any case.
bool IsFullWebAddress(const QString& text);
