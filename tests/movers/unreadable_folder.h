#pragma once

#include <QString>

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
