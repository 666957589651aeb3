// Brings a background job's progress and result to the window's thread.
#pragma once

#include "work/background_job.h"

class QObject;

// Posts a job's tasks to pOwner's event loop; those still waiting when pOwner goes go with its
// events. The job must be stopped before pOwner goes: CWindowJob, a member of it, is.
CPostFunction PostToWindowThread(QObject* pOwner);

// A job of a window (or any object of the window's thread) that runs its handlers there.
class CWindowJob : public CBackgroundJob {
public:
    explicit CWindowJob(QObject* pOwner) : CBackgroundJob(PostToWindowThread(pOwner)) {}
};
