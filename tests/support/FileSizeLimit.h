#pragma once

#include "TestFiles.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// The error number f raises when run in a child process whose files may not grow past
// `bytes`: RLIMIT_FSIZE with SIGXFSZ ignored fails a write past it as a nearly full disk
// would, with no small file system and no root. What f changes on disk stays; what it
// changes in memory goes with the child. -1 when the child gave no number.
inline int errorUnderFileLimit(rlim_t bytes, const std::function<void()>& f)
{
    int channel[2];
    if (::pipe(channel) != 0)
        qFatal("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        const int number = ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? errorOf(f) : -1;
        [[maybe_unused]] const ssize_t put = ::write(channel[1], &number, sizeof number);
        ::_exit(0);
    }
    ::close(channel[1]);
    int number = -1;
    if (child < 0 || ::read(channel[0], &number, sizeof number) != ssize_t(sizeof number))
        number = -1;
    ::close(channel[0]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    return number;
}

}  // namespace testsupport
