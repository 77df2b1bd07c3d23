#include "running_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int attempts = 3;
constexpr int startWaitMs = 20000;
constexpr int stopWaitMs = 5000;

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool accepts(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

QString contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

} // namespace

RunningServer::RunningServer(const QString& program, Configure configure, const ServedSite& site) {
    for (int attempt = 0; attempt < attempts && port_ == 0; ++attempt) {
        const quint16 port = freePort();
        if (start(program, configure(port, site), site.folder, port)) {
            port_ = port;
        }
    }
}

RunningServer::~RunningServer() {
    stop();
}

bool RunningServer::start(const QString& program, const QStringList& arguments,
                          const QString& folder, quint16 port) {
    stop();
    process_ = std::make_unique<QProcess>();
    // What a server keeps of its own (Caddy's autosaved configuration) stays in the folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        environment.insert(QString::fromLatin1(name), folder);
    }
    process_->setProcessEnvironment(environment);
    process_->setProgram(program);
    process_->setArguments(arguments);
    // Into a file, so that a talkative server never waits on a full pipe.
    const QString output = folder + QStringLiteral("/output.log");
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setStandardOutputFile(output);
    // Ended with the test process, however that ends.
    process_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_->start();
    if (!process_->waitForStarted()) {
        failure_ = process_->errorString();
        return false;
    }
    const QDeadlineTimer deadline(startWaitMs);
    while (!deadline.hasExpired()) {
        if (process_->state() != QProcess::Running) {
            failure_ = program + QStringLiteral(" ended: ") + contents(output);
            return false;
        }
        if (accepts(port)) {
            return true;
        }
        process_->waitForFinished(50);
    }
    failure_ = program + QStringLiteral(" did not listen in time: ") + contents(output);
    return false;
}

void RunningServer::stop() {
    if (!process_ || process_->state() == QProcess::NotRunning) {
        return;
    }
    process_->terminate();
    if (!process_->waitForFinished(stopWaitMs)) {
        process_->kill();
        process_->waitForFinished(stopWaitMs);
    }
}

QString WrittenConfiguration(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write((lines.join(u'\n') + u'\n').toUtf8()) < 0) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
    }
    return path;
}

QString InstalledProgram(const QString& name) {
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty()) {
        return onPath;
    }
    return QStandardPaths::findExecutable(name,
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}
