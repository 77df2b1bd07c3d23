#include "support/http/loopback_server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <QUrl>

namespace {

const QByteArray kHeaderEnd = QByteArrayLiteral("\r\n\r\n");

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 501:
        return "Not Implemented";
    default:
        return "Status";
    }
}

LoopbackServer::Response status(int code) {
    LoopbackServer::Response response;
    response.status = code;
    response.contentType = "text/plain";
    response.body = QByteArray::number(code) + ' ' + reasonPhrase(code) + '\n';
    return response;
}

QByteArray responseBytes(const LoopbackServer::Response& response, bool withBody) {
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                       reasonPhrase(response.status) + "\r\nContent-Type: " + response.contentType +
                       "\r\nContent-Length: " + QByteArray::number(response.body.size()) +
                       "\r\nConnection: close\r\n";
    for (const auto& [name, value] : response.headers) {
        bytes += name + ": " + value + "\r\n";
    }
    bytes += "\r\n";
    if (withBody) {
        bytes += response.body;
    }
    return bytes;
}

// The request line "METHOD TARGET HTTP/1.x" of a request's head; the method stays empty
// when the line is not of that form.
LoopbackServer::Request parseRequestLine(const QByteArray& head) {
    const QList<QByteArray> parts = head.left(head.indexOf("\r\n")).split(' ');
    if (parts.size() != 3 || !parts[2].startsWith("HTTP/1.")) {
        return {};
    }
    QByteArray path = parts[1];
    if (const qsizetype end = path.indexOf('?'); end >= 0) {
        path.truncate(end);
    }
    return {parts[0], parts[1], QUrl::fromPercentEncoding(path)};
}

// The key of an answer in the table: the method, or nothing for every method, and the path.
QString tableKey(const QByteArray& method, const QString& path) {
    return QString::fromLatin1(method) + u' ' + path;
}

} // namespace

LoopbackServer::LoopbackServer() {
    connect(&server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
}

bool LoopbackServer::listen() {
    return server.listen(QHostAddress::LocalHost);
}

QString LoopbackServer::url(const QString& target) const {
    return QStringLiteral("http://127.0.0.1:") + QString::number(port()) + target;
}

void LoopbackServer::serve(const QString& path, const Response& response,
                           const QByteArray& method) {
    table.insert(tableKey(method, path), response);
}

void LoopbackServer::serveFolder(const QString& served, const QByteArray& contentType) {
    folder = QDir(served).absolutePath();
    folderContentType = contentType;
}

void LoopbackServer::accept() {
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray received = socket->peek(socket->bytesAvailable());
            const qsizetype headEnd = received.indexOf(kHeaderEnd);
            if (headEnd < 0) {
                return; // the head is not complete yet
            }
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            const Request request = parseRequestLine(received.left(headEnd));
            const Response response = respond(request);
            if (response.withheld) {
                return; // held open until the client gives up
            }
            socket->write(responseBytes(response, request.method != "HEAD"));
            socket->disconnectFromHost();
        });
    }
}

LoopbackServer::Response LoopbackServer::respond(const Request& request) {
    if (request.method.isEmpty()) {
        return status(400);
    }
    seen << request;
    if (request.method != "GET" && request.method != "HEAD") {
        return status(501);
    }
    return answer(request);
}

LoopbackServer::Response LoopbackServer::answer(const Request& request) const {
    for (const QByteArray& method : {request.method, QByteArray()}) {
        if (const auto entry = table.constFind(tableKey(method, request.path));
            entry != table.cend()) {
            return *entry;
        }
    }
    const QString& path = request.path;
    if (folder.isEmpty()) {
        return status(404);
    }
    const QString file = QDir::cleanPath(folder + path);
    QFile page(file);
    if (!file.startsWith(folder + u'/') || !QFileInfo(file).isFile() ||
        !page.open(QIODevice::ReadOnly)) {
        return status(404);
    }
    Response response;
    response.contentType = folderContentType;
    response.body = page.readAll();
    return response;
}
