#include "running_server.h"

#include "movers/folder_tree.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int kWaitMs = 5000;

bool accepts(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

} // namespace

RunningServer::RunningServer(const QString& program, Configure configure, const ServedSite& site,
                             std::chrono::milliseconds listenWithin) {
    // What a server keeps of its own (Caddy's autosaved configuration) stays in the folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        environment.insert(QString::fromLatin1(name), site.folder);
    }
    // superstatic would ask the npm registry for a newer version of itself.
    environment.insert(QStringLiteral("NO_UPDATE_NOTIFIER"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    // Into a file, so that a talkative server never waits on a full pipe.
    QFile log(site.folder + QStringLiteral("/output.log"));
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(log.fileName());
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    bool ended = true; // a server that ended may have found its port taken
    for (int attempt = 0; attempt < 3 && port == 0 && ended; ++attempt) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 free = probe.serverPort();
        probe.close();
        process.start(program, configure(free, site));
        process.waitForStarted();
        const QDeadlineTimer deadline(listenWithin);
        while (process.state() == QProcess::Running && !deadline.hasExpired() && port == 0) {
            port = accepts(free) ? free : 0;
            process.waitForFinished(10); // a benchmark times the start to 10 ms
        }
        ended = process.state() != QProcess::Running;
        if (port == 0) {
            process.kill();
            process.waitForFinished();
        }
    }
    if (port == 0) {
        failure =
            program + QStringLiteral(" did not listen") +
            (ended ? QString()
                   : QStringLiteral(" within %1 s").arg(double(listenWithin.count()) / 1000)) +
            QStringLiteral(": ") +
            (log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString());
    }
}

RunningServer::~RunningServer() {
    process.kill();
    process.waitForFinished();
}

HttpAnswer Get(quint16 port, const QByteArray& target) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(kWaitMs)) {
        return {};
    }
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
                 "\r\nConnection: close\r\n\r\n");
    QByteArray response;
    while (socket.waitForReadyRead(kWaitMs)) {
        response += socket.readAll();
    }
    response += socket.readAll();
    HttpAnswer answer;
    const QList<QByteArray> lines = response.left(response.indexOf("\r\n\r\n")).split('\n');
    answer.status = lines.value(0).split(' ').value(1).toInt();
    for (const QByteArray& line : lines) {
        if (line.toLower().startsWith("location:")) {
            answer.location = line.mid(line.indexOf(':') + 1).trimmed();
        }
    }
    return answer;
}

QString WrittenConfiguration(const QString& path, const QString& text) {
    WriteFile(path, text.toUtf8());
    return path;
}

QString InstalledProgram(const QString& name) {
    const QStringList path = qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
    return QStandardPaths::findExecutable(name, path + QStringList{"/usr/sbin", "/sbin"});
}

QString NodePackage(const QString& path) {
    const QString file = QStringLiteral(ZANDRIFT_SERVER_RULES_DIR "/node_modules/") + path;
    return InstalledProgram(QStringLiteral("node")).isEmpty() || !QFile::exists(file) ? QString()
                                                                                      : file;
}
