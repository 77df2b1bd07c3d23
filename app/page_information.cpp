#include "app/page_information.h"

#include "movers/pages/page_title.h"

#include <QFileInfo>
#include <QLocale>

namespace {

QString fileTimeText(const QString& path) {
    const QFileInfo file(path);
    const QDateTime born = file.birthTime();
    return DateTimeText(born.isValid() ? born : file.lastModified());
}

} // namespace

QString DateTimeText(const QDateTime& moment) {
    const QLocale locale;
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy"))) {
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    if (!timeFormat.contains(u's')) {
        timeFormat.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    }
    return locale.toString(moment, dateFormat + u' ' + timeFormat);
}

QString PageInformation(const QString& path) {
    const Module1::PageTitle title = Module1::ReadPageTitle(path);
    return title.text + QStringLiteral("\r\n") + (title.readable ? fileTimeText(path) : QString());
}
