#include "work/background_job.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace {

std::atomic<int> g_nLiveThreads{0};  // never destroyed: a thread may end after the statics

}  // namespace

// Shared by the owner's handle, the job's thread and the tasks posted for it.
struct CBackgroundJob::CState {
    CPostFunction post;
    std::function<void(double)> onProgress;
    CRun run;
    std::atomic<bool> bStop{false};
    bool bDelivered = false;  // the owner's thread only
    // Held while posting: once Stop has it, nothing more is posted, so the owner may go.
    std::mutex postMutex;

    // From the job's thread: task runs on the owner's thread unless stopped by then.
    void Post(const std::shared_ptr<CState>& pSelf, std::function<void()> task) {
        const std::lock_guard lock(postMutex);
        if (bStop) return;
        post([pSelf, task = std::move(task)] {
            if (!pSelf->bStop) task();
        });
    }
};

CBackgroundJob::CBackgroundJob(CPostFunction post) : m_post(std::move(post)) {}

CBackgroundJob::~CBackgroundJob() {
    Stop();
}

void CBackgroundJob::Stop() {
    if (!m_pState) return;
    {
        const std::lock_guard lock(m_pState->postMutex);
        m_pState->bStop = true;
    }
    m_pState.reset();
}

bool CBackgroundJob::IsRunning() const {
    return m_pState && !m_pState->bDelivered;
}

int CBackgroundJob::LiveThreads() {
    return g_nLiveThreads.load();
}

void CBackgroundJob::Launch(CRun run, std::function<void(double)> onProgress) {
    Stop();
    auto pState = std::make_shared<CState>();
    pState->post = m_post;
    pState->onProgress = std::move(onProgress);
    pState->run = std::move(run);
    m_pState = pState;
    ++g_nLiveThreads;
    std::thread([pState = std::move(pState)]() mutable {
        LowerThisThreadPriority();
        {
            // Everything the job does, down to dropping its inputs and result, is inside the
            // scope, which the end of the process waits for or stops.
            const CStoppableWork work(pState->bStop);
            CRun run = std::move(pState->run);
            CProgressFunction progress;
            if (pState->onProgress)
                progress = [&pState](double dDone) {
                    pState->Post(pState, [pState = pState.get(), dDone] {
                        pState->onProgress(dDone);
                    });
                };
            std::function<void()> deliver = run(progress);
            if (!work.IsStopped())
                pState->Post(pState, [pState = pState.get(), deliver = std::move(deliver)] {
                    pState->bDelivered = true;
                    if (deliver) deliver();
                });
        }
        pState.reset();
        --g_nLiveThreads;
    }).detach();
}
