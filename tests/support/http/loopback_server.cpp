#include "support/http/loopback_server.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QUrl>

namespace {

QString tableKey(const QByteArray& method, const QString& path) {
    return QString::fromLatin1(method) + u' ' + path;
}

QByteArray responseBytes(int status, const QByteArray& location, const QByteArray& body,
                         bool withBody) {
    QByteArray bytes =
        "HTTP/1.1 " + QByteArray::number(status) +
        " Status\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) +
        "\r\nConnection: close\r\n";
    if (!location.isEmpty()) {
        bytes += "Location: " + location + "\r\n";
    }
    return bytes + "\r\n" + (withBody ? body : QByteArray());
}

} // namespace

LoopbackServer::LoopbackServer() {
    connect(&server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
}

QString LoopbackServer::url(const QString& target) const {
    return QStringLiteral("http://127.0.0.1:") + QString::number(server.serverPort()) + target;
}

void LoopbackServer::serve(const QString& path, const Response& response,
                           const QByteArray& method) {
    table.insert(tableKey(method, path), response);
}

void LoopbackServer::accept() {
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray received = socket->peek(socket->bytesAvailable());
            if (!received.contains("\r\n\r\n")) {
                return; // the head is not complete yet
            }
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            // The request line: "METHOD TARGET HTTP/1.1".
            const QList<QByteArray> parts = received.left(received.indexOf("\r\n")).split(' ');
            const QByteArray method = parts.value(0);
            const QList<QByteArray> target = parts.value(1).split('?');
            const QString path = QUrl::fromPercentEncoding(target.value(0));
            seen << tableKey(method, path);
            const Answer response =
                answer(method, path, target.size() > 1 ? '?' + target.value(1) : QByteArray());
            socket->write(response.bytes);
            if (response.closes) {
                socket->disconnectFromHost();
            } // else held open until the client gives up
        });
    }
}

LoopbackServer::Answer LoopbackServer::answer(const QByteArray& method, const QString& path,
                                              const QByteArray& query) const {
    const bool withBody = method != "HEAD";
    for (const QByteArray& key : {method, QByteArray()}) {
        if (const auto entry = table.constFind(tableKey(key, path)); entry != table.cend()) {
            if (entry->withheld) {
                return {{}, false};
            }
            if (entry->status == 101) {
                return {"HTTP/1.1 101 Switching Protocols\r\nConnection: Upgrade\r\n"
                        "Upgrade: websocket\r\n\r\n",
                        false};
            }
            return {responseBytes(entry->status,
                                  entry->keepsQuery ? entry->location + query : entry->location,
                                  entry->body, withBody)};
        }
    }
    const QString file = QDir::cleanPath(folder + path);
    QFile page(file);
    if (folder.isEmpty() || !file.startsWith(folder + u'/') || !page.open(QIODevice::ReadOnly)) {
        return {responseBytes(404, {}, {}, withBody)};
    }
    return {responseBytes(200, {}, page.readAll(), withBody)};
}
