// Splits a long computation over the machine's cores.
#pragma once

#include <atomic>
#include <functional>

// Told how far a long computation has come, 0 to 1; always called on the thread that started
// it, a few times a second and once with 1 at the end.
using CProgressFunction = std::function<void(double dDone)>;

// One stage of a longer computation: its 0 to 1 told as dFrom to dTo of the whole; none for none.
CProgressFunction ScaledProgress(const CProgressFunction& progress, double dFrom, double dTo);

// Runs work over [0, nItems) in chunks of at most nChunk items, on every core at once, the
// calling thread included, and returns when all is done. Chunks may run in any order and on
// any thread, so work must only write what its own range owns (or add up atomically).
// Once stopped (see CStoppableWork, StopAllParallelWork) it runs no more chunks and tells no
// progress: what the work was to fill stays partly unfilled, and its caller must drop it.
void ParallelFor(int nItems, int nChunk, const std::function<void(int nBegin, int nEnd)>& work,
                 const CProgressFunction& progress = {});

// Background work on the calling thread for this object's lifetime: every ParallelFor it runs
// stops once bStop is set, from any thread. StopAllParallelWork waits for the thread to leave
// this scope or to stop inside a ParallelFor, so what it does in between is safe too. Not for
// the window's thread, which the end of the process must not wait for.
class CStoppableWork {
public:
    explicit CStoppableWork(const std::atomic<bool>& bStop);
    ~CStoppableWork();
    CStoppableWork(const CStoppableWork&) = delete;
    CStoppableWork& operator=(const CStoppableWork&) = delete;

    // True once bStop was set or StopAllParallelWork called: the work's result is incomplete.
    bool IsStopped() const;

private:
    const std::atomic<bool>& m_bStop;
    const std::atomic<bool>* m_pOuter;
};

// For a thread of its own doing background work: from now on it, and the threads it starts
// (ParallelFor's helpers inherit it), gives way to the window's thread, so clicks are answered
// at once while all cores count. It cannot be undone, so never call it on a thread that goes on
// to other work.
void LowerThisThreadPriority();

// Whether the calling thread's work has been stopped: its CStoppableWork's flag, or the end of
// the process.
bool IsParallelWorkStopped();

// For the end of the process, on any path (an exit handler): stops all ParallelFor work, now and
// later, and returns once no thread is inside a chunk or a CStoppableWork scope. A thread that
// stops there never returns to its caller, whose data may be going; the process's end takes it.
void StopAllParallelWork();
