// The one way to run work off the window's thread: a job takes its inputs by value, tells its
// progress, can be stopped, and hands its result to its owner only while the owner still wants
// it. The owner never waits for a job: a stopped job runs on to its next stopping point with
// nothing but its own inputs, and delivers nothing.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "work/parallel_for.h"

// Runs a task later on the owner's thread (the window's, through ui/work/), from any thread.
// It may drop the task unrun, for instance once the owner's thread has stopped taking tasks.
using CPostFunction = std::function<void(std::function<void()> task)>;

// A job's result when there is one: stopped builds of the shared caches give null.
template <class T>
std::optional<std::shared_ptr<T>> NonNull(std::shared_ptr<T> p) {
    if (!p) return std::nullopt;
    return p;
}

// One job at a time of one owner, used on the owner's thread only. Its destructor stops the job,
// so a member of the owner keeps its handlers from running once the owner goes.
class CBackgroundJob {
public:
    explicit CBackgroundJob(CPostFunction post);
    ~CBackgroundJob();
    CBackgroundJob(const CBackgroundJob&) = delete;
    CBackgroundJob& operator=(const CBackgroundJob&) = delete;

    // Stops the job this runs, if any, and runs work on a thread of its own that gives way to
    // the window's (LowerThisThreadPriority), inside a CStoppableWork scope: the end of the
    // process stops it too. work(progress) returns a std::optional, empty for nothing to hand
    // over; progress posts onProgress(dDone) to the owner's thread, and is empty without it.
    // The result of a job not stopped meanwhile is posted as onResult(result); by then
    // IsRunning() is false again, so onResult may start the next job. The handlers run on the
    // owner's thread only, never after Stop; work and the handlers must capture nothing that
    // must be freed on the owner's thread.
    template <class TWork, class TOnResult>
    void Start(TWork work, TOnResult onResult, std::function<void(double)> onProgress = {}) {
        using TResult = typename std::invoke_result_t<TWork&, const CProgressFunction&>::value_type;
        Launch(
            [work = std::move(work), onResult = std::move(onResult)](
                const CProgressFunction& progress) mutable -> std::function<void()> {
                std::optional<TResult> result = work(progress);
                if (!result) return {};
                return [onResult, result = std::move(*result)]() mutable {
                    onResult(std::move(result));
                };
            },
            std::move(onProgress));
    }

    // The owner wants nothing more of the current job: it stops at its next stopping point,
    // and none of its handlers runs from now on. Never waits for it.
    void Stop();
    // From Start until the result is handed over or the job is stopped.
    bool IsRunning() const;

    // Threads of jobs, stopped or not, that have not ended yet, for tests.
    static int LiveThreads();

private:
    struct CState;
    using CRun = std::function<std::function<void()>(const CProgressFunction& progress)>;
    void Launch(CRun run, std::function<void(double)> onProgress);

    CPostFunction m_post;
    std::shared_ptr<CState> m_pState;
};
