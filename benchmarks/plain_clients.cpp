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

QNetworkRequest request(const std::string& address) {
    return QNetworkRequest(QUrl(QString::fromStdString(address)));
}

bool isFound(const QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status < 300;
}

// Keeps `atATime` items under way on this thread's event loop, each a chain of requests:
// `step` gets the item and its last finished reply (none at first) and returns the reply of
// its next request, or none when the item is done.
void requestsWithQt(std::size_t items, int atATime,
                    const std::function<QNetworkReply*(std::size_t, QNetworkReply*)>& step) {
    QEventLoop loop;
    std::size_t next = 0;
    std::size_t done = 0;
    std::function<void(std::size_t, QNetworkReply*)> advance = [&](std::size_t item,
                                                                   QNetworkReply* previous) {
        QNetworkReply* reply = step(item, previous);
        if (previous != nullptr) {
            previous->deleteLater();
        }
        if (reply != nullptr) {
            QObject::connect(reply, &QNetworkReply::finished, reply,
                             [&advance, item, reply] { advance(item, reply); });
        } else if (++done == items) {
            loop.quit();
        } else if (next < items) {
            advance(next++, nullptr);
        }
    };
    while (next < items && next < std::size_t(atATime)) {
        advance(next++, nullptr);
    }
    if (items > 0) {
        loop.exec();
    }
}

} // namespace

int HeadRequestsWithQt(const std::string& address, const std::vector<std::string>& names,
                       int atATime) {
    QNetworkAccessManager manager;
    int found = 0;
    requestsWithQt(names.size(), atATime, [&](std::size_t page, QNetworkReply* answer) {
        if (answer != nullptr) {
            found += isFound(*answer);
            return static_cast<QNetworkReply*>(nullptr);
        }
        return manager.head(request(address + names[page]));
    });
    return found;
}

int MovesWithQt(const std::string& oldAddress, const std::vector<std::string>& names, int atATime) {
    QNetworkAccessManager manager;
    manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    int moved = 0;
    requestsWithQt(names.size(), atATime, [&](std::size_t page, QNetworkReply* answer) {
        if (answer == nullptr) {
            return manager.get(request(oldAddress + names[page] + "?zandrift-verify=1"));
        }
        if (answer->operation() == QNetworkAccessManager::GetOperation &&
            answer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 301) {
            return manager.head(QNetworkRequest(
                answer->url().resolved(QUrl::fromEncoded(answer->rawHeader("Location")))));
        }
        moved += answer->operation() == QNetworkAccessManager::HeadOperation && isFound(*answer);
        return static_cast<QNetworkReply*>(nullptr);
    });
    return moved;
}

int HeadRequestsOnSockets(const std::string& address, const std::vector<std::string>& names,
                          int atATime) {
    const int port = std::stoi(address.substr(address.rfind(':') + 1));
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
