#include "ui/work/window_job.h"

#include <QMetaObject>
#include <QObject>

CPostFunction PostToWindowThread(QObject* pOwner) {
    return [pOwner](std::function<void()> task) {
        QMetaObject::invokeMethod(pOwner, std::move(task), Qt::QueuedConnection);
    };
}
