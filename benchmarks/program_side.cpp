#include "program_side.h"

#include "app/frmMain.h"
#include "cli/check/check_run.h"
#include "cli/console.h"
#include "cli/listed_inputs.h"
#include "cli/verify/verify_run.h"
#include "core_application.h"
#include "movers/files/disk_files.h"
#include "movers/files/page_listing.h"
#include "movers/pages/mover_kinds.h"
#include "movers/pages/page_title.h"
#include "movers/run/mover_run.h"
#include "platform/file_manager.h"
#include "platform/message_boxes.h"
#include "platform/web_engine_environment.h"

#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace program {

namespace {

QString text(const std::string& bytes) {
    return QString::fromStdString(bytes);
}

// Answers a run's questions at once: an existing folder is replaced, a failing step ends the run.
class SilentPort final : public MoverPort {
public:
    StepChoice stepFailed(const FileError&, const QString&) override { return StepChoice::Abort; }
    bool replaceExistingFolder(const QString&) override { return true; }
};

// Boxes answered at once, unseen: Yes or OK, and `typed` in an input box.
class AnsweringBoxes final : public MessageBoxes {
public:
    MsgAnswer MsgBox(const QString&, MsgButtons buttons, MsgIcon, const QString&) override {
        return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::OK;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return typed; }

    QString typed;
};

class NoFileManager final : public FileManager {
public:
    void openFolder(const QString&) override {}
};

// The main window in an offscreen application of this process, with its settings in
// `configFolder`, started as the program starts it.
class MainWindow {
    // The application, made once per process before any window.
    static QApplication& application() {
        static int argc = 1;
        static char name[] = "zandrift_benchmarks";
        static char* argv[] = {name, nullptr};
        PrepareWebEngine();
        static QApplication* instance = new QApplication(argc, argv);
        return *instance;
    }
    static bool useSettingsIn(const std::string& configFolder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, text(configFolder));
        return true;
    }

    QApplication& app = application();
    bool settingsPlaced;
    NoFileManager fileManager;

public:
    explicit MainWindow(const std::string& configFolder)
        : settingsPlaced(useSettingsIn(configFolder)) {
        window.Form_Load();
        window.show();
        QApplication::processEvents();
    }

    AnsweringBoxes boxes;
    frmMain window{boxes, fileManager};
};

// Runs `work` on a site's pages, listed beforehand, with its output (standard output and
// standard error both) kept; ends the process with exit status 1, the output's start on
// standard error, when `work` returns false: a page was not found, or did not move.
void measureOnPages(Meter& meter, const std::string& site,
                    const std::function<bool(const QStringList&, Console&)>& work) {
    EnsureCoreApplication();
    const QStringList names = ListPageFiles(text(site)).names;
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    Console console(output, output, false);
    bool passed = false;
    meter.measure([&] { passed = work(names, console); });
    if (!passed) {
        std::fprintf(stderr, "not every page passed:\n%s", output.data().left(2000).constData());
        std::exit(1);
    }
}

} // namespace

void List(Meter& meter, const std::string& folder) {
    meter.measure([&] { ListPageFiles(text(folder)); }, 7);
}

void KeystrokeInMainWindow(Meter& meter, const std::string& folder, const std::string& emptyFolder,
                           const std::string& configFolder) {
    MainWindow main(configFolder);
    meter.measure([&] { main.window.txtMap->setText(text(folder)); }, 7,
                  [&] {
                      main.window.txtMap->setText(text(emptyFolder));
                      QApplication::processEvents();
                  });
}

void WriteRedirectPages(Meter& meter, const std::string& site, ListingDepth depth) {
    const QString folder = text(site);
    const MoverInputs inputs{.siteFolder = folder,
                             .pageNames = ListPageFiles(folder, depth).names,
                             .newAddress = text(kNewAddress),
                             .delay = kDelay,
                             .delayGiven = true,
                             .depth = depth};
    SilentPort port;
    DiskFiles files;
    meter.measure([&] { MoverRun(RedirectPages(), port, files).run(inputs); });
}

void WriteTreeWithMap(Meter& meter, const std::string& site, const std::string& mapFile) {
    CommandLineRequest request{.action = CommandLineAction::Movers,
                               .inputs = {.siteFolder = text(site),
                                          .pageNames = {},
                                          .newAddress = text(kNewAddress),
                                          .delay = kDelay,
                                          .delayGiven = true,
                                          .depth = ListingDepth::WholeTree},
                               .mapFile = text(mapFile)};
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    Console console(output, output, false);
    SilentPort port;
    DiskFiles files;
    meter.measure([&] {
        const ListedInputs listed = ListInputs(request, console);
        if (listed.exitStatus) {
            std::fprintf(stderr, "%s", output.data().constData());
            std::exit(1);
        }
        MoverRun(RedirectPages(), port, files).run(listed.inputs);
    });
}

void CreateMoversInMainWindow(Meter& meter, const std::string& site,
                              const std::string& configFolder) {
    MainWindow main(configFolder);
    main.window.txtMap->setText(text(site));
    main.boxes.typed = text(kNewAddress);
    main.window.cmdNewAddress->click();
    main.boxes.typed = QString::number(kDelay);
    main.window.cmdDelay->click();
    meter.measure([&] { main.window.cmdCreate->click(); });
}

void CheckPages(Meter& meter, const std::string& site, const std::string& address) {
    measureOnPages(meter, site, [&](const QStringList& names, Console& console) {
        return ::CheckPages(NewAddresses(text(address)), names, console).found == names.size();
    });
}

void VerifyMoves(Meter& meter, const std::string& site, const std::string& oldAddress,
                 const std::string& newAddress) {
    measureOnPages(meter, site, [&](const QStringList& names, Console& console) {
        return ::VerifyMoves(text(oldAddress), QStringLiteral("/"), NewAddresses(text(newAddress)),
                             names, console);
    });
}

void ReadTitle(Meter& meter, const std::string& path, int times) {
    const QString page = text(path);
    meter.measure([&] { Module1::ReadPageTitle(page); }, times);
}

void StartUntilFirstPaint(Meter& meter, const std::string& storedFolder,
                          const std::string& configFolder) {
    QSettings(text(configFolder + "/Zandrift/Zandrift.conf"), QSettings::IniFormat)
        .setValue(QStringLiteral("Settings/Map"), text(storedFolder));
    const auto start = std::chrono::steady_clock::now();
    Child probe({ZANDRIFT_STARTUP_PROBE}, {"XDG_CONFIG_HOME=" + configFolder});
    const std::optional<std::string> painted = probe.readLine();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    probe.finish();
    Sample sample{.seconds = seconds};
    if (!painted || std::sscanf(painted->c_str(), "painted %ld %lf", &sample.peakKiB,
                                &sample.cpuSeconds) != 2) {
        std::fprintf(stderr, "the program reported no first paint\n");
    }
    meter.record(sample);
}

} // namespace program
