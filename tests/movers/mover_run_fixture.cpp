#include "mover_run_fixture.h"

#include <QDir>

void MoverRunTest::SetUp() {
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("site")));
    WriteFile(rootPath(QStringLiteral("elsewhere/keep.htm")), "<title>Keep</title>");
}

QString MoverRunTest::sitePath(const QString& name) const {
    return rootPath(name.isEmpty() ? QStringLiteral("site") : QStringLiteral("site/") + name);
}

QString MoverRunTest::outputPath(const MoverKind& kind, const QString& name) const {
    const QString folder = sitePath(kind.folderName);
    return name.isEmpty() ? folder : folder + u'/' + name;
}

void MoverRunTest::writeSitePage(const QString& name, const QByteArray& bytes) {
    WriteFile(sitePath(name), bytes);
}

MoverInputs MoverRunTest::inputs(const QStringList& pageNames) const {
    return {.siteFolder = sitePath(),
            .pageNames = pageNames,
            .newAddress = QStringLiteral("http://new.example/"),
            .delay = 3,
            .delayGiven = true};
}

void MoverRunTest::run(const MoverKind& kind, const MoverInputs& runInputs) {
    before = ReadFolderTree(root.path());
    outcome = MoverRun(kind, port, files).run(runInputs);
    EXPECT_TRUE(port.scriptUsedUp());
    EXPECT_TRUE(port.events.last().startsWith(QStringLiteral("ended: ")))
        << "the end is the last thing a run tells";
}

void MoverRunTest::expectOnlyOutputChanged(const MoverKind& kind) const {
    const QString output = QStringLiteral("site/") + kind.folderName;
    EXPECT_EQ(WithoutPart(ReadFolderTree(root.path()), output), WithoutPart(before, output));
}

void MoverRunTest::expectNothingChanged() const {
    EXPECT_EQ(ReadFolderTree(root.path()), before);
}

QByteArray RedirectBytes(const QByteArray& title, const QByteArray& address, int delay) {
    return "<html><head><title>" + title + "</title><META HTTP-EQUIV=\"Refresh\" CONTENT=\"" +
           QByteArray::number(delay) + ";URL=" + address + "\"></head><body><h1>" + title +
           "</h1><hr>You are redirected to <a href=\"" + address + "\">" + address +
           "</a><br>Please update your bookmarks.</body></html>\r\n";
}

QByteArray FramedBytes(const QByteArray& title, const QByteArray& address) {
    return "<html><head><title>" + title + "</title><frameset rows=\"100%\"><frame src=\"" +
           address + "\" name=\"redirect\"></frameset>\r\n";
}
