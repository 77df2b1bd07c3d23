// Measures a whole "Create Frames" run and a whole "Create Movers" run on the real disk for
// sites of many pages, replacing the output folder each time after the first. Prints the
// figures; the host answers every box with its first button and does nothing else.
#include "movers/disk_files.h"
#include "movers/mover_kinds.h"
#include "movers/mover_run.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class SilentHost final : public MoverHost {
public:
    MsgAnswer MsgBox(const QString&, MsgButtons buttons, MsgIcon) override {
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::OK;
    }
    void setCaption(const QString&) override {}
    void setBusyPointer(bool) override {}
    void setFocus(MoverControl) override {}
    void openFileManager(const QString&) override {}
    void closeMainWindow() override {}
};

QStringList writeSite(const QString& folder, int count) {
    QStringList names;
    for (int page = 0; page < count; ++page) {
        const QString name = QStringLiteral("page%1.html").arg(page, 6, 10, QChar(u'0'));
        QFile file(folder + u'/' + name);
        if (file.open(QIODevice::WriteOnly)) {
            file.write("<html><head><title>Page " + QByteArray::number(page) +
                       "</title></head><body>" + QByteArray(4000, 'x') + "</body></html>\n");
        }
        names << name;
    }
    return names;
}

double secondsFor(const MoverKind& kind, const MoverInputs& inputs) {
    SilentHost host;
    DiskFiles files;
    QString page;
    QElapsedTimer timer;
    timer.start();
    MoverRun(kind, host, files).run(inputs, page);
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main() {
    for (const int count : {1000, 10000, 40000}) {
        QTemporaryDir site;
        const MoverInputs inputs{.siteFolder = site.path(),
                                 .pageNames = writeSite(site.path(), count),
                                 .newAddress = QStringLiteral("https://new.example.org/"),
                                 .delay = 3,
                                 .delayGiven = true};
        const double frames = secondsFor(FramedForwardPages(), inputs);
        const double framesAgain = secondsFor(FramedForwardPages(), inputs);
        const double movers = secondsFor(RedirectPages(), inputs);
        std::printf("%6d pages: Create Frames %6.2f s, again replacing the folder %6.2f s, "
                    "Create Movers %6.2f s (%.0f pages/s)\n",
                    count, frames, framesAgain, movers, count / movers);
    }
    return 0;
}
