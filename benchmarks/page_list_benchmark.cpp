// Measures how long the main window takes to refresh its page list, as it does at every
// keystroke in the folder box, for site folders of many pages. Prints the figures.
#include "app/frmMain.h"
#include "movers/page_listing.h"
#include "platform/file_manager.h"
#include "platform/qt_message_boxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void writePages(const QString& folder, int count) {
    for (int page = 0; page < count; ++page) {
        QFile file(folder + QStringLiteral("/Page%1.htm").arg(page, 6, 10, QChar(u'0')));
        if (file.open(QIODevice::WriteOnly)) {
            file.write("<title>x</title>");
        }
    }
}

double bestOf(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QApplication application(argc, argv);
    QtMessageBoxes boxes;
    DesktopFileManager fileManager;
    frmMain window(boxes, fileManager);

    for (const int count : {1000, 10000, 50000}) {
        QTemporaryDir site;
        writePages(site.path(), count);
        const double listing = bestOf(5, [&] { ListPageFiles(site.path()); });
        const double refresh = bestOf(5, [&] {
            window.txtMap->setText(QString());
            window.txtMap->setText(site.path());
        });
        std::printf("%6d pages: listing %8.2f ms, list refresh %8.2f ms (%d listed)\n", count,
                    listing, refresh, window.lstFiles->count());
    }
    return 0;
}
