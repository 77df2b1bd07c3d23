#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

// Where a server under test keeps its own files, and what it serves.
struct ServedSite {
    QString folder;    // its configuration, logs and state
    QString root;      // the old server's document root
    QString rulesFile; // the rules file, in the output folder at the old path's place
};

// A real web server started as a plain process of the test, listening on 127.0.0.1, and
// stopped when this object goes (a failing test included); it also ends should the test
// process end abruptly.
class RunningServer {
public:
    // Writes the server's configuration for a free port and returns its arguments.
    using Configure = QStringList (*)(quint16 port, const ServedSite& site);

    // Starts `program` for `site`. A port taken meanwhile by another process is tried again
    // on another.
    RunningServer(const QString& program, Configure configure, const ServedSite& site);
    ~RunningServer();
    RunningServer(const RunningServer&) = delete;
    RunningServer& operator=(const RunningServer&) = delete;

    // Whether it is listening; else `failure()` tells why.
    bool listening() const { return port_ != 0; }
    quint16 port() const { return port_; }
    QString failure() const { return failure_; }

private:
    bool start(const QString& program, const QStringList& arguments, const QString& folder,
               quint16 port);
    void stop();

    std::unique_ptr<QProcess> process_;
    quint16 port_ = 0;
    QString failure_;
};

// Writes a server's configuration, `lines`, to `path`; returns the path.
QString WrittenConfiguration(const QString& path, const QStringList& lines);

// The full path of an installed program, looked for also in the system folders that are not
// on every user's PATH (apache2 and nginx are in /usr/sbin); empty when it is not installed.
QString InstalledProgram(const QString& name);
