#include "core_application.h"

#include <QCoreApplication>

void EnsureCoreApplication() {
    static int argc = 1;
    static char name[] = "zandrift_benchmarks";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QCoreApplication(argc, argv); // lives as long as the process
    }
}
