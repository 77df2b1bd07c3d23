#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <utility>

// A small HTTP/1.1 server on 127.0.0.1 for tests that need a real web server: it answers
// each request from a table of paths, or else with a file of a folder it serves, and keeps
// every request it saw. Paths are matched decoded ("/new/Über uns.htm"), as a server maps
// them onto files. Every answer closes its connection. It runs on the event loop of the
// thread that made it, so the test must let that loop run while a client waits.
class LoopbackServer : public QObject {
public:
    struct Response {
        int status = 200;
        // Sent as given: "text/html" names no charset, as a server that knows none sends it.
        QByteArray contentType = "text/html";
        QByteArray body;
        // Further header lines, such as {"Location", "/elsewhere"}.
        QList<std::pair<QByteArray, QByteArray>> headers;
        // Never sent: the connection is held open without an answer, as by a server that hangs.
        bool withheld = false;
    };

    struct Request {
        QByteArray method;
        QByteArray target; // as it was sent, still percent-encoded
        QString path;      // decoded, without the query
    };

    LoopbackServer();

    // Listens on a free port of 127.0.0.1; false when no port could be had.
    bool listen();
    quint16 port() const { return server.serverPort(); }
    // "http://127.0.0.1:PORT" followed by `target`, which is sent as written.
    QString url(const QString& target) const;

    // Answers requests for `path` (decoded) with `response`: those of `method` alone when one
    // is given ("HEAD"), which win over an answer for every method.
    void serve(const QString& path, const Response& response, const QByteArray& method = {});
    // Answers any other request with the file of `folder` at its path, with `contentType`;
    // a path outside the folder or naming no file gets 404.
    void serveFolder(const QString& folder, const QByteArray& contentType = "text/html");

    const QList<Request>& requests() const { return seen; }

private:
    void accept();
    // Records the request and gives its answer.
    Response respond(const Request& request);
    Response answer(const Request& request) const;

    QHash<QString, Response> table; // by "METHOD /path", or " /path" for every method
    QString folder;
    QByteArray folderContentType;
    QList<Request> seen;
    // Last, so that its connections (its children) go before what they answer from.
    QTcpServer server;
};
