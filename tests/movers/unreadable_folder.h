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
    ~UnreadableFolder() { ::waitpid(child, nullptr, 0); }
    UnreadableFolder(const UnreadableFolder&) = delete;
    UnreadableFolder& operator=(const UnreadableFolder&) = delete;

    QString process() const { return QStringLiteral("/proc/%1").arg(child); }
    QString path() const { return process() + QStringLiteral("/net"); }

private:
    pid_t child;
};

// An unreadable folder (above) mounted onto the folder `target` for as long as it lives, where
// the system lets the test mount one (as root, outside a restricted container): a folder inside
// a tree that opens but cannot be listed.
class UnreadableSubfolder {
public:
    explicit UnreadableSubfolder(const QString& target) : target(QFile::encodeName(target)) {
        mounted = ::mount(QFile::encodeName(unreadable.path()).constData(),
                          this->target.constData(), nullptr, MS_BIND, nullptr) == 0;
    }
    ~UnreadableSubfolder() {
        if (mounted) {
            ::umount2(target.constData(), MNT_DETACH);
        }
    }
    UnreadableSubfolder(const UnreadableSubfolder&) = delete;
    UnreadableSubfolder& operator=(const UnreadableSubfolder&) = delete;

    bool mounted = false;

private:
    UnreadableFolder unreadable;
    QByteArray target;
};
