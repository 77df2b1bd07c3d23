#include "support/http/loopback_server.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QUrl>

namespace {

QString tableKey(const QByteArray& method, const QString& path) {
    return QString::fromLatin1(method) + u' ' + path;
}

// The head's lines besides the status line and the length: the Location and Retry-After
// headers, when given.
QByteArray responseBytes(int status, const QByteArray& headers, const QByteArray& body,
                         bool withBody) {
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Status\r\nContent-Type: text/html\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + headers + "\r\n" +
           (withBody ? body : QByteArray());
}

QByteArray header(const char* name, const QByteArray& value) {
    return value.isEmpty() ? QByteArray() : name + QByteArray(": ") + value + "\r\n";
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
                                              const QByteArray& query) {
    if (QList<Response>& first = once[path]; !first.isEmpty()) {
        return answerWith(first.takeFirst(), method, query);
    }
    for (const QByteArray& key : {method, QByteArray()}) {
        if (const auto entry = table.constFind(tableKey(key, path)); entry != table.cend()) {
            return answerWith(*entry, method, query);
        }
    }
    const bool withBody = method != "HEAD";
    const QString file = QDir::cleanPath(folder + path);
    QFile page(file);
    if (folder.isEmpty() || !file.startsWith(folder + u'/') || !page.open(QIODevice::ReadOnly)) {
        return {responseBytes(404, {}, {}, withBody)};
    }
    return {responseBytes(200, {}, page.readAll(), withBody)};
}

LoopbackServer::Answer LoopbackServer::answerWith(const Response& response,
                                                  const QByteArray& method,
                                                  const QByteArray& query) const {
    if (response.withheld) {
        return {{}, false};
    }
    if (response.status == 101) {
        return {"HTTP/1.1 101 Switching Protocols\r\nConnection: Upgrade\r\n"
                "Upgrade: websocket\r\n\r\n",
                false};
    }
    const QByteArray location = response.keepsQuery ? response.location + query : response.location;
    return {responseBytes(response.status,
                          header("Location", location) + header("Retry-After", response.retryAfter),
                          response.body, method != "HEAD")};
}
