#include "http_probe.h"

#include <QTcpSocket>

QByteArray BrowserPath(const QString& path) {
    QByteArray encoded;
    for (const char byte : path.toUtf8()) {
        const auto unit = uchar(byte);
        const bool unreserved = (unit >= '0' && unit <= '9') || (unit >= 'A' && unit <= 'Z') ||
                                (unit >= 'a' && unit <= 'z') || QByteArray("-._~/").contains(byte);
        if (unreserved) {
            encoded += byte;
        } else {
            encoded += '%' + QByteArray::number(unit, 16).toUpper().rightJustified(2, '0');
        }
    }
    return encoded;
}

namespace {

constexpr int answerWaitMs = 5000;

HttpAnswer parsed(const QByteArray& response) {
    HttpAnswer answer;
    const QList<QByteArray> lines = response.left(response.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> statusLine = lines.value(0).split(' ');
    answer.status = statusLine.value(1).toInt();
    for (const QByteArray& line : lines) {
        if (line.toLower().startsWith("location:")) {
            answer.location = line.mid(line.indexOf(':') + 1).trimmed();
        }
    }
    return answer;
}

} // namespace

HttpAnswer Get(quint16 port, const QByteArray& target) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(answerWaitMs)) {
        return {};
    }
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
                 "\r\nConnection: close\r\n\r\n");
    QByteArray response;
    while (socket.waitForReadyRead(answerWaitMs)) {
        response += socket.readAll();
    }
    response += socket.readAll();
    return parsed(response);
}
