#include "core_application.h"

#include <QCoreApplication>
#include <QSslCertificate>
#include <QSslConfiguration>

void EnsureCoreApplication() {
    static int argc = 1;
    static char name[] = "zandrift_benchmarks";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QCoreApplication(argc, argv); // lives as long as the process
    }
}

void TrustCertificate(const std::string& pemFile) {
    EnsureCoreApplication(); // which Qt's TLS back ends are looked for in
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(QSslCertificate::fromPath(QString::fromStdString(pemFile)));
    QSslConfiguration::setDefaultConfiguration(tls);
}
