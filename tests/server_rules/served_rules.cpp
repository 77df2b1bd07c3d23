#include "served_rules.h"

#include "http_probe.h"
#include "odd_site.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

const QByteArray query = "?x=1&y=2";

void expectNotRedirected(quint16 port, const QString& path) {
    EXPECT_NE(Get(port, BrowserPath(path)).status, 301) << path.toStdString();
}

void expectServedAt(const QString& oldPath, const QString& program, const ServerRulesKind& kind,
                    RunningServer::Configure configure, const QStringList& leftOutPages) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Readable by the unprivileged user a server started by root serves as.
    QFile::setPermissions(folder.path(),
                          QFile::permissions(folder.path()) | QFile::ReadOther | QFile::ExeOther);
    const QString root = folder.filePath(QStringLiteral("root"));
    const ServedSite site{.folder = folder.filePath(QStringLiteral("server")),
                          .root = root,
                          .rulesFile = root + oldPath + kind.fileName};
    QDir().mkpath(site.folder);

    // The output folder of the run, served where the old site was.
    const MovedSite moved = MoveOddSite(folder.filePath(QStringLiteral("site")), oldPath);
    const QString servedAt = root + oldPath.chopped(1);
    QDir().mkpath(QFileInfo(servedAt).path());
    ASSERT_TRUE(QDir().rename(moved.output, servedAt));
    const QStringList leftOut = moved.leftOut.value(kind.fileName);
    QStringList expectedLeftOut;
    for (const QString& page : leftOutPages) {
        expectedLeftOut << oldPath + page;
    }
    EXPECT_EQ(leftOut, expectedLeftOut);

    const RunningServer running(program, configure, site);
    ASSERT_TRUE(running.listening()) << running.failure().toStdString();
    for (const Redirect& redirect : OddSiteRedirects(oldPath)) {
        const QByteArray target = BrowserPath(redirect.oldPath);
        if (leftOut.contains(redirect.oldPath)) {
            expectNotRedirected(running.port(), redirect.oldPath);
            continue;
        }
        for (const QByteArray& asked : {QByteArray(), query}) {
            const HttpAnswer answer = Get(running.port(), target + asked);
            EXPECT_EQ(answer.status, 301) << target.constData() << asked.constData();
            EXPECT_EQ(answer.location, redirect.newAddress.toUtf8() + asked)
                << target.constData() << asked.constData();
        }
    }
    for (const char* beside : {"CASE.htm", "Case.htmx", "docs/style.css", "docs/deep/"}) {
        expectNotRedirected(running.port(), oldPath + QString::fromUtf8(beside));
    }
}

} // namespace

void ExpectServedRules(const QString& program, const QString& kind,
                       RunningServer::Configure configure, const QStringList& leftOutPages) {
    for (const QString& oldPath : OldSitePaths()) {
        SCOPED_TRACE(oldPath.toStdString());
        expectServedAt(oldPath, program, RulesKind(kind), configure, leftOutPages);
    }
}

const ServerRulesKind& RulesKind(const QString& name) {
    const QList<ServerRulesKind>& kinds = ServerRulesKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                   [&](const ServerRulesKind& each) { return each.name == name; });
    if (kind == kinds.end()) {
        throw std::out_of_range("no rules of the kind " + name.toStdString());
    }
    return *kind;
}
