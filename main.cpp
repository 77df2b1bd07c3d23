#include "app/frmMain.h"
#include "platform/file_manager.h"
#include "platform/qt_message_boxes.h"
#include "platform/termination_signal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The page preview's web view shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandrift"));
    QApplication::setOrganizationName(QStringLiteral("Zandrift"));

    QtMessageBoxes boxes;
    DesktopFileManager fileManager;
    frmMain mainWindow(boxes, fileManager);
    boxes.setParent(&mainWindow);
    mainWindow.Form_Load();
    mainWindow.show();
    closeOnTerminationSignal(mainWindow);
    return QApplication::exec();
}
