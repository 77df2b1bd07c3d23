// The check's requests to nginx over TLS, which offers HTTP/2: once the server has answered so,
// the requests go side by side on one connection.
#include "cli/check/page_check.h"
#include "movers/folder_tree.h"
#include "running_server.h"
#include "server_configurations.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

TEST(Http2, CheckAsksSideBySideOnOneConnection) {
    const QString nginx = InstalledProgram(QStringLiteral("nginx"));
    const QString openssl = InstalledProgram(QStringLiteral("openssl"));
    if (nginx.isEmpty() || openssl.isEmpty()) {
        GTEST_SKIP() << "nginx or openssl is not installed";
    }
    QTemporaryDir folder;
    const ServedSite site{
        folder.filePath(QStringLiteral("server")), folder.filePath(QStringLiteral("site")), {}};
    QDir().mkpath(site.folder);
    constexpr int kPages = 100;
    QStringList addresses;
    // A certificate of its own for 127.0.0.1, trusted by this process alone.
    QProcess certificate; // its chatter kept from the test's output
    certificate.start(openssl,
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                       "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                       site.folder + "/key.pem", "-out", site.folder + "/cert.pem"});
    ASSERT_TRUE(certificate.waitForFinished());
    ASSERT_EQ(certificate.exitCode(), 0) << certificate.readAllStandardError().constData();
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(QSslCertificate::fromPath(site.folder + "/cert.pem"));
    QSslConfiguration::setDefaultConfiguration(tls);
    const RunningServer running(nginx, &ConfigureNginxHttp2, site);
    ASSERT_NE(running.port, 0) << running.failure.toStdString();
    for (int page = 0; page < kPages; ++page) {
        const QString name = QStringLiteral("/p%1.htm").arg(page);
        WriteFile(site.root + name, "<title>new</title>");
        addresses << QStringLiteral("https://127.0.0.1:%1%2").arg(running.port).arg(name);
    }

    QStringList reasons;
    PageCheck(addresses, [&reasons](qsizetype, const PageAnswer& answer) {
        if (!answer.found) {
            reasons << answer.reason;
        }
    }).run();

    EXPECT_EQ(reasons, QStringList());
    QFile log(site.folder + "/access.log");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    QHash<QByteArray, int> requestsOnConnection;
    for (const QByteArray& line : log.readAll().split('\n')) {
        if (!line.isEmpty()) {
            EXPECT_TRUE(line.startsWith("HTTP/2.0 ")) << line.constData();
            ++requestsOnConnection[line.split(' ').value(1)];
        }
    }
    // The first pages may each have opened a connection before the server was known.
    const QList<int> counts = requestsOnConnection.values();
    EXPECT_GE(*std::max_element(counts.begin(), counts.end()), kPages - 6);
}
