#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What one run of the real program left: its exit, standard output and standard error.
struct ProgramResult {
    int exitCode = -1;
    bool exitedNormally = false;
    QString out;
    QString err;

    QStringList outLines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
    QStringList errLines() const { return err.split(u'\n', Qt::SkipEmptyParts); }
};

// Starts the real program as a shell on a machine without a display would: DISPLAY,
// WAYLAND_DISPLAY and QT_QPA_PLATFORM unset, and HOME and XDG_CONFIG_HOME inside `home`, so
// that a test can see whether anything was stored there.
void StartZandrift(QProcess& program, const QStringList& arguments, const QString& home);

// Runs the real program to its end as StartZandrift starts it.
ProgramResult RunZandrift(const QStringList& arguments, const QString& home);

// Runs the real program to its end as StartZandrift starts it, with the calling thread's event
// loop running meanwhile, so that a server of the test's own can answer it.
ProgramResult RunZandriftServing(const QStringList& arguments, const QString& home);

// Waits for a started program and collects what it left.
ProgramResult FinishZandrift(QProcess& program);
