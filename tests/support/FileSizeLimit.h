#pragma once

#include "TestFiles.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// What f gives when run in a child process whose files may not grow past `bytes`:
// RLIMIT_FSIZE with SIGXFSZ ignored fails a write past it as a nearly full disk would, with
// no small file system and no root. What f changes on disk stays; what it changes in
// memory goes with the child. -1 when the child gave nothing.
inline int underFileLimit(rlim_t bytes, const std::function<int()>& f)
{
    int channel[2];
    if (::pipe(channel) != 0)
        qFatal("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        const int result = ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? f() : -1;
        [[maybe_unused]] const ssize_t put = ::write(channel[1], &result, sizeof result);
        ::_exit(0);
    }
    ::close(channel[1]);
    int result = -1;
    if (child < 0 || ::read(channel[0], &result, sizeof result) != ssize_t(sizeof result))
        result = -1;
    ::close(channel[0]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    return result;
}

// The error number f raises under that limit.
inline int errorUnderFileLimit(rlim_t bytes, const std::function<void()>& f)
{
    return underFileLimit(bytes, [&] { return errorOf(f); });
}

}  // namespace testsupport
