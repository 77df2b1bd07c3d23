// Runs the tests of one kind of server ("server_rules_tests nginx"); exits 77, which ctest
// counts as skipped, when that server is not installed here.

#include "running_server.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct Server {
    const char* kind;
    const char* program; // what must be installed
    const char* tests;
};

constexpr Server servers[] = {
    {"apache", "apache2", "ApacheRules.*"},
    {"nginx", "nginx", "NginxRules.*"},
    {"caddy", "caddy", "CaddyRules.*"},
    {"netlify", "node", "NetlifyRules.*"},
};

constexpr int skipped = 77;

// Netlify's parser is installed from tests/server_rules/package-lock.json by
// scripts/install-dependencies.
bool netlifyParserInstalled() {
    return QDir(QStringLiteral(ZANDRIFT_NETLIFY_PARSER)).exists();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s apache|nginx|caddy|netlify\n", argv[0]);
        return 2;
    }
    for (const Server& server : servers) {
        if (std::string_view(argv[1]) != server.kind) {
            continue;
        }
        const bool parserMissing =
            server.kind == std::string_view("netlify") && !netlifyParserInstalled();
        if (InstalledProgram(QString::fromLatin1(server.program)).isEmpty() || parserMissing) {
            std::printf("%s is not installed: skipped\n",
                        parserMissing ? "Netlify's redirect parser" : server.program);
            return skipped;
        }
        GTEST_FLAG_SET(filter, server.tests);
        return RUN_ALL_TESTS();
    }
    std::fprintf(stderr, "%s: unknown server %s\n", argv[0], argv[1]);
    return 2;
}
