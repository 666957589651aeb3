#include "app/start_up_warm_up.h"

#include <QBuffer>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QImageReader>
#include <QThread>

#include <fontconfig/fontconfig.h>
#include <pthread.h>

#include <condition_variable>
#include <mutex>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAllocatorForkSafe = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAllocatorForkSafe = false;
#else
constexpr bool kAllocatorForkSafe = true;
#endif
#else
constexpr bool kAllocatorForkSafe = true;
#endif

std::mutex g_forkMutex;
std::condition_variable g_forkDone;
bool g_bForkDone = false;

// Called after any fork in the parent, and once the bus is reached without one.
void NoteForkDone() {
    {
        std::lock_guard lock(g_forkMutex);
        g_bForkDone = true;
    }
    g_forkDone.notify_all();
}

}  // namespace

CStartUpWarmUp::CStartUpWarmUp() {
    // Connecting to the bus forks when its address is "autolaunch:" (only when the environment
    // says so: see session_bus.h), and the child allocates before it runs anything. glibc's malloc
    // holds its locks across a fork, so the child is safe whatever this thread is doing. The
    // address sanitizer's allocator does not: a child forked while this thread is inside it can
    // inherit its lock and hang. There, this thread waits until the fork is done; the rest of the
    // connection still overlaps.
    static const int nRegistered = pthread_atfork(nullptr, &NoteForkDone, nullptr);
    (void)nRegistered;
    // The first thread that Qt meets becomes its main thread: this one, not the bus's.
    QThread::currentThread();
    m_beforeApplication = std::thread([] {
        QDBusConnection::sessionBus();
        NoteForkDone();
        FcInit();
    });
    if (kAllocatorForkSafe) return;
    std::unique_lock lock(g_forkMutex);
    g_forkDone.wait(lock, [] { return g_bForkDone; });
}

void CStartUpWarmUp::ApplicationReady() {
    m_withApplication = std::thread([] {
        QFontDatabase::families();
        // Asking whether anything can read "png" loads every image plug-in, as reading the
        // first picture would.
        QBuffer empty;
        QImageReader(&empty, "png").canRead();
    });
}

void CStartUpWarmUp::Finish() {
    for (std::thread* pThread : {&m_beforeApplication, &m_withApplication})
        if (pThread->joinable()) pThread->join();
}
