#include "movers/pages/new_addresses.h"

#include "movers/pages/page_address.h"

NewAddresses::NewAddresses(QString newAddress, QHash<QString, QString> newPlaces)
    : newAddress(std::move(newAddress)), newPlaces(std::move(newPlaces)) {}

bool NewAddresses::movesToFullAddress(const QString& relativePath) const {
    const auto place = newPlaces.constFind(relativePath);
    return place != newPlaces.cend() && IsFullWebAddress(*place);
}

QString NewAddresses::relativeTarget(const QString& relativePath) const {
    const auto place = newPlaces.constFind(relativePath);
    if (place == newPlaces.cend()) {
        return relativePath;
    }
    if (IsFullWebAddress(*place)) {
        return {};
    }
    return place->startsWith(u'/') ? place->mid(1) : *place;
}

QString NewAddresses::of(const QString& relativePath) const {
    if (movesToFullAddress(relativePath)) {
        return QString(newPlaces.value(relativePath)).replace(u' ', QStringLiteral("%20"));
    }
    return PageAddress(newAddress, relativeTarget(relativePath));
}

QString NewAddresses::ofFolder(const QString& folder, const QString& indexPage) const {
    if (newPlaces.contains(indexPage)) {
        return of(indexPage);
    }
    return AddressBase(newAddress) +
           (folder.isEmpty() ? QString() : EncodeRelativePath(folder) + u'/');
}

bool IsFullWebAddress(const QString& text) {
    return text.startsWith(u"http://", Qt::CaseInsensitive) ||
           text.startsWith(u"https://", Qt::CaseInsensitive);
}
