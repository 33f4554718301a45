#pragma once

#include "TestFiles.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// What f gives (0 to 254) when run in a child process whose files may not grow past `bytes`
// (RLIMIT_FSIZE, SIGXFSZ ignored): a write past it fails as on a nearly full disk, with no
// small file system and no root. What f changes on disk stays; 255 when the child gave nothing.
inline int underFileLimit(rlim_t bytes, const std::function<int()>& f)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        ::_exit(::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? f() : 255);
    }
    int status = -1;  // not an exit status: no child was made
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

inline int errorUnderFileLimit(rlim_t bytes, const std::function<void()>& f)
{
    return underFileLimit(bytes, [&] { return errorOf(f); });
}

}  // namespace testsupport
