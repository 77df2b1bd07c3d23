#include "app/frmMain.h"
#include "cli/command_line_run.h"
#include "platform/file_manager.h"
#include "platform/missing_display.h"
#include "platform/qt_message_boxes.h"
#include "platform/standard_streams.h"
#include "platform/termination_signal.h"
#include "platform/web_engine_environment.h"

#include <QApplication>
#include <QCoreApplication>

namespace {

// The window, as the program starts without arguments.
int RunWindow(int argc, char* argv[]) {
    PrepareWebEngine();
    MissingDisplayExit missingDisplay;
    QApplication application(argc, argv);
    missingDisplay.displayOpened();
    QApplication::setApplicationName(QStringLiteral("Zandrift"));
    QApplication::setOrganizationName(QStringLiteral("Zandrift"));
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.zandrift.Zandrift"));

    QtMessageBoxes boxes;
    DesktopFileManager fileManager;
    frmMain mainWindow(boxes, fileManager);
    boxes.setParent(&mainWindow);
    mainWindow.Form_Load();
    mainWindow.show();
    onTerminationSignal(mainWindow, [&mainWindow] { mainWindow.endProgram(); });
    return QApplication::exec();
}

} // namespace

// With arguments the command line runs, on a core application only: no window, no web
// engine, no display and no settings store. Without, the window.
int main(int argc, char* argv[]) {
    HoldStandardStreams();
    if (argc > 1) {
        const QCoreApplication application(argc, argv);
        return RunCommandLine(argc, argv);
    }
    return RunWindow(argc, argv);
}
