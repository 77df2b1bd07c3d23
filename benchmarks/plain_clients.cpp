#include "plain_clients.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <functional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace plain_client {

namespace {

int connectedSocket(int port) {
    const int client = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(client);
        return -1;
    }
    const int noDelay = 1;
    setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    return client;
}

bool sendHead(int connection, const std::string& name) {
    const std::string request = "HEAD /" + name + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    return write(connection, request.data(), request.size()) ==
           static_cast<ssize_t>(request.size());
}

// The connections of a socket client, closed when it ends.
struct Connections {
    std::vector<pollfd> polled;
    std::vector<std::string> received; // of each connection, until an answer's head is whole
    ~Connections() {
        for (const pollfd& connection : polled) {
            close(connection.fd);
        }
    }
};

} // namespace

int HeadRequestsWithQt(int port, const std::vector<std::string>& names, int atATime) {
    const QString server = QStringLiteral("http://127.0.0.1:%1/").arg(port);
    QNetworkAccessManager manager;
    QEventLoop loop;
    std::size_t next = 0;
    std::size_t answered = 0;
    int found = 0;
    std::function<void()> sendNext = [&] {
        QNetworkReply* reply =
            manager.head(QNetworkRequest(QUrl(server + QString::fromStdString(names[next++]))));
        QObject::connect(reply, &QNetworkReply::finished, reply, [&, reply] {
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            found += status >= 200 && status < 300;
            reply->deleteLater();
            ++answered;
            if (next < names.size()) {
                sendNext();
            } else if (answered == names.size()) {
                loop.quit();
            }
        });
    };
    for (int request = 0; request < atATime && next < names.size(); ++request) {
        sendNext();
    }
    if (!names.empty()) {
        loop.exec();
    }
    return found;
}

int HeadRequestsOnSockets(int port, const std::vector<std::string>& names, int atATime) {
    Connections connections;
    std::size_t next = 0;
    for (int connection = 0; connection < atATime && next < names.size(); ++connection) {
        const int socket = connectedSocket(port);
        if (socket < 0) {
            return -1;
        }
        connections.polled.push_back({socket, POLLIN, 0});
        connections.received.emplace_back();
        if (!sendHead(socket, names[next++])) {
            return -1;
        }
    }
    std::size_t answered = 0;
    int found = 0;
    char buffer[4096];
    while (answered < names.size()) {
        if (poll(connections.polled.data(), connections.polled.size(), -1) < 0) {
            return -1;
        }
        for (std::size_t at = 0; at < connections.polled.size(); ++at) {
            if ((connections.polled[at].revents & POLLIN) == 0) {
                continue;
            }
            const int socket = connections.polled[at].fd;
            const ssize_t count = read(socket, buffer, sizeof buffer);
            if (count <= 0) {
                return -1; // the server closed a connection
            }
            std::string& received = connections.received[at];
            received.append(buffer, std::size_t(count));
            if (received.find("\r\n\r\n") == std::string::npos) {
                continue;
            }
            // "HTTP/1.1 200 OK": a HEAD answer is its head alone.
            found += received.size() > 9 && received[9] == '2';
            received.clear();
            ++answered;
            if (next < names.size() && !sendHead(socket, names[next++])) {
                return -1;
            }
        }
    }
    return found;
}

} // namespace plain_client
