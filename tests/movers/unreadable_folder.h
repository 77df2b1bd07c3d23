#pragma once

#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// A real folder that opens but cannot be read, for as long as it lives: the "net" folder of
// a process that has ended but is not yet waited for, whose entries the system refuses to list
// (EINVAL).
class UnreadableFolder {
public:
    UnreadableFolder() : child(::fork()) {
        if (child == 0) {
            ::_exit(0);
        }
        siginfo_t ended{};
        ::waitid(P_PID, id_t(child), &ended, WEXITED | WNOWAIT); // ended, not yet waited for
    }
    ~UnreadableFolder() {
        if (!mountedOn.isEmpty()) {
            ::umount2(mountedOn.constData(), MNT_DETACH);
        }
        ::waitpid(child, nullptr, 0);
    }
    UnreadableFolder(const UnreadableFolder&) = delete;
    UnreadableFolder& operator=(const UnreadableFolder&) = delete;

    QString process() const { return QStringLiteral("/proc/%1").arg(child); }
    QString path() const { return process() + QStringLiteral("/net"); }

    // Mounts it onto the existing folder `target` for as long as it lives, where the system
    // lets the test mount one (as root, outside a restricted container): a folder inside a
    // tree that opens but cannot be listed. False where it cannot.
    bool mountOnto(const QString& target) {
        const QByteArray onto = QFile::encodeName(target);
        if (::mount(QFile::encodeName(path()).constData(), onto.constData(), nullptr, MS_BIND,
                    nullptr) != 0) {
            return false;
        }
        mountedOn = onto;
        return true;
    }

private:
    pid_t child;
    QByteArray mountedOn;
};
