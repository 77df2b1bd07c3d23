// Starts the real program offscreen with a stored folder, then asks it to end as a logout
// would, and checks that it closed cleanly and left the stored folder as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <tuple>
#include <utility>

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

// Without a display the window cannot open: one line says so and points at the command line,
// in place of Qt's abort. A platform plugin that is not installed is Qt's to tell.
TEST(Program, WithoutADisplayTellsSoInOneLine) {
    if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X99"))) {
        GTEST_SKIP() << "an X server listens on display :99";
    }
    const QString noDisplay =
        QStringLiteral("zandrift: no display: the window needs an X11 or Wayland display; use "
                       "zandrift --help for the command line");
    // DISPLAY and QT_QPA_PLATFORM (unset when empty), whether Qt aborts after its own
    // messages, and the first line of standard error.
    const std::tuple<QString, QString, bool, QString> cases[] = {
        {":99", {}, false, noDisplay},
        {{}, {}, false, noDisplay},
        {{},
         "mistyped",
         true,
         "qt.qpa.plugin: Could not find the Qt platform plugin \"mistyped\" in \"\""},
    };
    for (const auto& [display, platform, aborts, firstLine] : cases) {
        SCOPED_TRACE(("DISPLAY=" + display + " QT_QPA_PLATFORM=" + platform).toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        for (const auto& [name, value] :
             {std::pair{"DISPLAY", display}, {"QT_QPA_PLATFORM", platform}}) {
            value.isEmpty() ? environment.remove(QLatin1String(name))
                            : environment.insert(QLatin1String(name), value);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZANDRIFT_PROGRAM), {});
        ASSERT_TRUE(program.waitForFinished(20000));

        const QString err = QString::fromUtf8(program.readAllStandardError());
        const QStringList lines = err.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.value(0).toStdString(), firstLine.toStdString());
        EXPECT_EQ(program.exitStatus(), aborts ? QProcess::CrashExit : QProcess::NormalExit);
        if (!aborts) {
            EXPECT_EQ(program.exitCode(), 1);
            EXPECT_EQ(lines.size(), 1) << err.toStdString();
        }
    }
}
