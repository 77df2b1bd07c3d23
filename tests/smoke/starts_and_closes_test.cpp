// Starts the real program offscreen with a stored folder, then asks it to end as a logout
// would, and checks that it closed cleanly and left the stored folder as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>

TEST(Program, StartsOffscreenAndClosesCleanly) {
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    const QString site = home.filePath(QStringLiteral("site"));
    ASSERT_TRUE(QDir().mkpath(site));
    {
        QSettings stored(config + QStringLiteral("/Zandrift/Zandrift.conf"), QSettings::IniFormat);
        stored.setValue(QStringLiteral("Settings/Map"), site);
    }

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZANDRIFT_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    // Still running after a few seconds: it started and waits for the user.
    EXPECT_FALSE(program.waitForFinished(3000)) << program.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    const QSettings after(config + QStringLiteral("/Zandrift/Zandrift.conf"), QSettings::IniFormat);
    EXPECT_EQ(after.value(QStringLiteral("Settings/Map")).toString(), site);
}
