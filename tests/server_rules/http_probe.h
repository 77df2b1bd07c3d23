#pragma once

#include <QByteArray>
#include <QString>

// The request target a browser sends for a decoded path: every UTF-8 byte but the unreserved
// characters (letters, digits, "-", ".", "_", "~") and "/" as "%" and two upper-case hex digits.
QByteArray BrowserPath(const QString& path);

struct HttpAnswer {
    int status = 0; // 0 when no answer came
    QByteArray location;
};

// Sends "GET target HTTP/1.1" with exactly these bytes to 127.0.0.1:port, with Host and
// "Connection: close", and reads the answer's status and Location header.
HttpAnswer Get(quint16 port, const QByteArray& target);
