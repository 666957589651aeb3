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
    // With no session bus to be found, connecting to one forks to start it. A child forked while
    // another thread is inside the allocator can inherit its lock and hang before it runs
    // anything (the address sanitizer's allocator does), so this thread waits until the fork is
    // done; the child's work and the rest of the connection still overlap with start-up.
    static const int nRegistered = pthread_atfork(nullptr, &NoteForkDone, nullptr);
    (void)nRegistered;
    // The first thread that Qt meets becomes its main thread: this one, not the bus's.
    QThread::currentThread();
    m_beforeApplication = std::thread([] {
        QDBusConnection::sessionBus();
        NoteForkDone();
        FcInit();
    });
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
