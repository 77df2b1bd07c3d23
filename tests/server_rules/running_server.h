#pragma once

#include <QProcess>
#include <QString>

#include <chrono>

// Where a server under test keeps its own files, and what it serves.
struct ServedSite {
    QString folder;         // its configuration, logs and state
    QString root;           // the old server's document root
    QStringList rulesFiles; // the rules files the configuration reads, each in an output folder
                            // standing at its old path
};

// A real web server started as a plain process of the test, listening on a free port of
// 127.0.0.1, and killed when this object goes (a failing test included) or the test process
// ends, however it ends.
class RunningServer {
public:
    // Writes the server's configuration for `port` into the site's folder and returns the
    // server's arguments.
    using Configure = QStringList (*)(quint16 port, const ServedSite& site);

    // A port taken meanwhile by another process is tried again on another. A server still
    // not listening after `listenWithin` is ended and not tried again.
    RunningServer(const QString& program, Configure configure, const ServedSite& site,
                  std::chrono::milliseconds listenWithin = std::chrono::seconds(20));
    ~RunningServer();

    quint16 port = 0; // 0 when it is not listening; `failure` tells why
    QString failure;

    // The server's process id, for its figures in /proc (a benchmark's memory).
    qint64 processId() const { return process.processId(); }

private:
    QProcess process;
};

struct HttpAnswer {
    int status = 0; // 0 when no answer came
    QByteArray location;
};

// Sends "GET target HTTP/1.1" with exactly these bytes to 127.0.0.1:port, with Host and
// "Connection: close", and reads the answer's status and Location header.
HttpAnswer Get(quint16 port, const QByteArray& target);

// Writes a server's configuration to `path`; returns the path.
QString WrittenConfiguration(const QString& path, const QString& text);

// The full path of an installed program, looked for also in the system folders that are not
// on every user's PATH (apache2 and nginx are in /usr/sbin); empty when it is not installed.
QString InstalledProgram(const QString& name);

// The full path of a file of an npm package that scripts/install-test-servers installs for the
// tests ("superstatic/lib/bin/server.js"); empty when it or Node.js is not installed.
QString NodePackage(const QString& path);
