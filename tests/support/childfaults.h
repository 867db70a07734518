// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <csignal>
#include <functional>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// What a child process is denied before it runs one step of a test.
struct ChildFaults {
    // The largest file the child may write, in bytes; 0 stands for a full disk. -1: no limit.
    rlim_t fileSizeLimit = RLIM_INFINITY;
    // Take away the right to write anywhere whatever the permissions say, so that a read-only
    // folder holds for root too.
    bool honourPermissions = false;
};

// The child's limit is a soft one: a step may lift it to check what follows a failure.
inline void LiftFileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// Runs step in a forked child under the faults and returns the text it returned. The child, as
// the program does, ignores the signal a write past the size limit raises, so the write fails
// instead. A child that dies gives "<the child died>".
inline QString RunInChild(const ChildFaults &faults, const std::function<QString()> &step)
{
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        if (faults.fileSizeLimit != RLIM_INFINITY) {
            const rlimit limit{faults.fileSizeLimit, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (faults.honourPermissions) {
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct data[2]{};
            syscall(SYS_capget, &header, data);
            for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
                data[capability / 32].effective &= ~(1u << (capability % 32));
                data[capability / 32].permitted &= ~(1u << (capability % 32));
            }
            syscall(SYS_capset, &header, data);
        }
        const QByteArray answer = step().toUtf8();
        for (qsizetype sent = 0; sent < answer.size();) {
            const ssize_t n =
                write(channel[1], answer.constData() + sent, std::size_t(answer.size() - sent));
            if (n <= 0)
                _exit(2);
            sent += n;
        }
        _exit(0); // no exit handlers: they belong to the parent
    }
    close(channel[1]);
    QByteArray answer;
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, n);
    close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return QStringLiteral("<the child died>");
    return QString::fromUtf8(answer);
}
