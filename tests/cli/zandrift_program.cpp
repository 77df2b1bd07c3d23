#include "zandrift_program.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QProcessEnvironment>
#include <QTimer>

void StartZandrift(QProcess& program, const QStringList& arguments, const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       QDir(home).filePath(QStringLiteral("config")));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZANDRIFT_PROGRAM), arguments);
}

ProgramResult FinishZandrift(QProcess& program) {
    EXPECT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(60000))
        << "the program did not end";
    return {program.exitCode(), program.exitStatus() == QProcess::NormalExit,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

ProgramResult RunZandrift(const QStringList& arguments, const QString& home) {
    QProcess program;
    StartZandrift(program, arguments, home);
    return FinishZandrift(program);
}

ProgramResult RunZandriftServing(const QStringList& arguments, const QString& home) {
    QProcess program;
    QEventLoop loop;
    QObject::connect(&program, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&program, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    StartZandrift(program, arguments, home);
    loop.exec();
    return FinishZandrift(program);
}
