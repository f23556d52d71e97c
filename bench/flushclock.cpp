// Counts the time the program spends flushing files to disk: the benchmark program's own
// fdatasync and fsync stand in front of the C library's, time them and call them.

#include "figures.h"

#include <dlfcn.h>

#include <atomic>
#include <chrono>

namespace {

std::atomic<double> flushed{0};

template <class Call> int timedflush(const char* name, int fd) {
    static const auto real = reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
    const auto t0 = std::chrono::steady_clock::now();
    const int result = real(fd);
    flushed += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return result;
}

} // namespace

extern "C" int fdatasync(int fd) {
    return timedflush<int (*)(int)>("fdatasync", fd);
}

extern "C" int fsync(int fd) {
    return timedflush<int (*)(int)>("fsync", fd);
}

double tsl::bench::flushseconds() {
    return flushed.load();
}
