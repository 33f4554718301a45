#pragma once

#include "TestFiles.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// What f gives when run in a child process whose files may not grow past `bytes`
// (RLIMIT_FSIZE, SIGXFSZ ignored): a write past it fails as on a nearly full disk, with no
// small file system and no root. What f changes on disk stays; -1 when the child gave nothing.
inline int underFileLimit(rlim_t bytes, const std::function<int()>& f)
{
    int channel[2];
    if (::pipe(channel) != 0)
        qFatal("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        const int result = ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? f() : -1;
        ::_exit(::write(channel[1], &result, sizeof result) == sizeof result ? 0 : 1);
    }
    ::close(channel[1]);  // a child never made leaves the pipe at its end at once
    int result = -1;
    if (::read(channel[0], &result, sizeof result) != sizeof result)
        result = -1;
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return result;
}

inline int errorUnderFileLimit(rlim_t bytes, const std::function<void()>& f)
{
    return underFileLimit(bytes, [&] { return errorOf(f); });
}

}  // namespace testsupport
