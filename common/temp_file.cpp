#include "common/temp_file.h"

#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace lvforge {

namespace {

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// A signal handler may use only async-signal-safe calls: it can't allocate, and it can't reach
// the SafeOutputs that own the temporary files. So each file's path is written beforehand into a
// slot of this fixed table, the one piece of mutable global state in the tools, kept for that
// reason alone. A run holds all its outputs open together until they land, so there is a slot
// for each of them; a slot is armed only while its path names a file of this run.
char g_temp_paths[kMaxTempFiles][PATH_MAX];
volatile std::sig_atomic_t g_temp_armed[kMaxTempFiles] = {};

extern "C" void remove_temps_and_end(int sig) {
    const int saved_errno = errno;
    for (int i = 0; i < kMaxTempFiles; ++i) {
        if (g_temp_armed[i] != 0) ::unlink(g_temp_paths[i]);
    }
    errno = saved_errno;
    // SA_RESETHAND has restored the default action; the signal, held while this handler runs,
    // is delivered as it returns and ends the process with the usual status.
    ::raise(sig);
}

// Installs the handler for every cleanup signal that is not ignored.
void install_handlers() {
    struct sigaction action {};
    action.sa_handler = remove_temps_and_end;
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

Result<TempFile, int> create_temp_file(const std::string& tmpl) {
    install_handlers();
    const HeldSignals held;
    if (tmpl.size() >= PATH_MAX) return ENAMETOOLONG;
    for (int i = 0; i < kMaxTempFiles; ++i) {
        if (g_temp_armed[i] != 0) continue;
        char* slot = g_temp_paths[i];
        std::memcpy(slot, tmpl.c_str(), tmpl.size() + 1);
        UniqueFd fd(::mkstemp(slot));
        if (!fd.valid()) return errno;
        g_temp_armed[i] = 1;
        return TempFile{std::move(fd), slot};
    }
    // Every slot taken: a file made now could outlive an interrupted run, so none is made.
    return EMFILE;
}

void forget_temp_file(const std::string& path) {
    const HeldSignals held;
    for (int i = 0; i < kMaxTempFiles; ++i) {
        if (g_temp_armed[i] != 0 && path == g_temp_paths[i]) g_temp_armed[i] = 0;
    }
}

}  // namespace lvforge
