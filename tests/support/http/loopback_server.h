#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

// A small HTTP/1.1 server on 127.0.0.1 for tests that need a real web server. It answers each
// request from a table of decoded paths ("/new/Über uns.htm", as a server maps them onto
// files), or else with the file at that path in the folder it serves, as "text/html" without
// a charset (as a server that knows none sends it); any other path gets 404. Every answer
// closes its connection but a 101 (Switching Protocols), after which the connection is held
// open, as by a server that now speaks another protocol on it. It runs on the event loop of
// the thread that made it, so the test must let that loop run while a client waits.
class LoopbackServer : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray location{};   // sent as the Location header when given
        bool keepsQuery = false; // the request's query is added to the location
        QByteArray body{};       // the page sent with a 2xx
        QByteArray retryAfter{}; // sent as the Retry-After header when given
        bool withheld = false;   // never sent: the connection is held open, as by a hung server
    };

    LoopbackServer();

    // Listens on a free port of 127.0.0.1; false when no port could be had.
    bool listen() { return server.listen(QHostAddress::LocalHost); }
    // "http://127.0.0.1:PORT" followed by `target`, which is sent as written.
    QString url(const QString& target) const;

    // Answers requests for `path` with `response`: those of `method` alone when one is given
    // ("HEAD"), which win over an answer for every method.
    void serve(const QString& path, const Response& response, const QByteArray& method = {});
    // Answers the next request for `path` with `response`, before what `serve` gave; answers
    // given for a path once are sent in the order given.
    void serveOnce(const QString& path, const Response& response) { once[path] << response; }
    void serveFolder(const QString& served) { folder = served; }

    // Every request seen, as "METHOD /decoded/path", in order.
    const QStringList& requests() const { return seen; }

private:
    // What a request is answered with: the response's bytes (none for an answer withheld),
    // and whether the connection is closed after them.
    struct Answer {
        QByteArray bytes;
        bool closes = true;
    };

    void accept();
    Answer answer(const QByteArray& method, const QString& path, const QByteArray& query);
    Answer answerWith(const Response& response, const QByteArray& method,
                      const QByteArray& query) const;

    QHash<QString, Response> table;       // by "METHOD /path", or " /path" for every method
    QHash<QString, QList<Response>> once; // by path
    QString folder;
    QStringList seen;
    // Last, so that its connections (its children) go before what they answer from.
    QTcpServer server;
};
