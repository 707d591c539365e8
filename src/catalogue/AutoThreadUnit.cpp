#include "catalogue/AutoThreadUnit.h"

namespace vistrel {

AutoThread::AutoThread(int tickNumber, PassShared shared, Step step)
    : tick(tickNumber), shared_(shared), step_(std::move(step)) {}

AutoThread::~AutoThread() { Stop(); }

void AutoThread::Execute() {
    // However the pass ends, a failure included, the next one may start.
    struct EndOfPass {
        std::atomic<bool>& active;
        ~EndOfPass() { active = false; }
    } end{shared_.autoRunActive};
    while (!Terminated()) {
        if (shared_.stopRequest.load() != 0) break;
        if (index_ >= shared_.itemCount.load()) break;
        const int index = index_;
        bool captured = false;
        Synchronize([this, index, &captured] { captured = step_(tick, index); });
        ++index_;
        if (captured) Sleep(kRestMs);
    }
}

}  // namespace vistrel
