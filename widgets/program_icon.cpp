#include "widgets/program_icon.h"

// Q_INIT_RESOURCE must stand outside any namespace; the resources live in a static library.
static void initResources() {
    Q_INIT_RESOURCE(zandrift);
}

QIcon programIcon() {
    initResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/zandrift/icon-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/zandrift/icon-32.png"), QSize(32, 32));
    return icon;
}
