#include "app/start_up_warm_up.h"

#include <QBuffer>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QImageReader>

#include <fontconfig/fontconfig.h>

CStartUpWarmUp::CStartUpWarmUp()
    : m_beforeApplication([] {
          // Without a session bus this tries to start one, a fork and an exec: cheapest first,
          // while the process is still small.
          QDBusConnection::sessionBus();
          FcInit();
      }) {}

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
