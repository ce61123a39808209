#include "common/temp_file.h"

#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace lvforge {

namespace {

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// A signal handler may use only async-signal-safe calls: it can't allocate, and it can't reach
// the SafeOutput that owns the temporary file. So the file's path is written beforehand into
// this fixed buffer, the one piece of mutable global state in the tools, kept for that reason
// alone. It covers one temporary file at a time, as the tools write their files one after
// another; a second file made while it is taken is simply not covered.
char g_temp_path[PATH_MAX];
volatile std::sig_atomic_t g_temp_armed = 0;

extern "C" void remove_temp_and_end(int sig) {
    const int saved_errno = errno;
    if (g_temp_armed != 0) ::unlink(g_temp_path);
    errno = saved_errno;
    // SA_RESETHAND has restored the default action; the signal, held while this handler runs,
    // is delivered as it returns and ends the process with the usual status.
    ::raise(sig);
}

// Installs the handler for every cleanup signal that is not ignored.
void install_handlers() {
    struct sigaction action {};
    action.sa_handler = remove_temp_and_end;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&action.sa_mask);
    for (const int sig : kCleanupSignals) sigaddset(&action.sa_mask, sig);
    for (const int sig : kCleanupSignals) {
        struct sigaction old {};
        if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        ::sigaction(sig, &action, nullptr);
    }
}

// Holds the cleanup signals back for its lifetime, so that the handler never sees a path that
// is half written or a file that exists but is not yet recorded.
class HeldSignals {
   public:
    HeldSignals() {
        sigset_t set;
        sigemptyset(&set);
        for (const int sig : kCleanupSignals) sigaddset(&set, sig);
        ::pthread_sigmask(SIG_BLOCK, &set, &old_);
    }
    ~HeldSignals() { ::pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

   private:
    sigset_t old_;
};

}  // namespace

int create_temp_file(std::string& tmpl) {
    install_handlers();
    const HeldSignals held;
    if (g_temp_armed != 0 || tmpl.size() >= sizeof g_temp_path) return ::mkstemp(tmpl.data());
    std::memcpy(g_temp_path, tmpl.c_str(), tmpl.size() + 1);
    const int fd = ::mkstemp(g_temp_path);
    if (fd < 0) return -1;
    tmpl = g_temp_path;
    g_temp_armed = 1;
    return fd;
}

void forget_temp_file(const std::string& path) {
    const HeldSignals held;
    if (g_temp_armed != 0 && path == g_temp_path) g_temp_armed = 0;
}

}  // namespace lvforge
