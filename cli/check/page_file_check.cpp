#include "cli/check/page_file_check.h"

#include "movers/pages/page_address.h"
#include "movers/pages/path_joiners.h"

#include <QFile>
#include <QUrl>

#include <cerrno>
#include <system_error>

#include <sys/stat.h>

namespace {

QString schemeOf(const QString& address) {
    return QUrl(address).scheme(); // lower case
}

} // namespace

bool IsWebAddress(const QString& address) {
    const QString scheme = schemeOf(address);
    return scheme == QStringLiteral("http") || scheme == QStringLiteral("https");
}

QString PageFile(const QString& address, const QString& relativePath) {
    if (schemeOf(address) == QStringLiteral("file")) {
        QUrl page(PageAddress(address, relativePath));
        // The host "localhost" (which QUrl gives in lower case) is this computer, as no host
        // is; any other host stays, and its file is named as a network share ("//host/path").
        if (page.host() == QStringLiteral("localhost")) {
            page.setHost({});
        }
        return page.toLocalFile();
    }
    return Module1::AddSlash(address) + relativePath;
}

PageAnswer CheckPageFile(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return {false, QString::fromStdString(std::generic_category().message(errno))};
    }
    if (!S_ISREG(status.st_mode)) {
        return {false, QStringLiteral("not a file")};
    }
    return {true, {}};
}
