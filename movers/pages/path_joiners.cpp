#include "movers/pages/path_joiners.h"

namespace Module1 {

QString AddBackslash(const QString& path, QChar separator) {
    if (path.endsWith(separator)) {
        return path;
    }
    return path + separator;
}

QString AddSlash(const QString& address) {
    if (address.isEmpty() || address.endsWith(u'/') || address.endsWith(u'\\')) {
        return address;
    }
    return address + u'/';
}

} // namespace Module1
