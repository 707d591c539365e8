#include "catalogue/AutoThreadUnit.h"

namespace vistrel {

AutoThread::AutoThread(int tickNumber, PassShared shared, Step step)
    : tick(tickNumber), shared_(shared), step_(std::move(step)) {}

AutoThread::~AutoThread() { Stop(); }

void AutoThread::Execute() {
    while (!Terminated()) {
        if (shared_.stopRequest.load() != 0) break;
        if (index_ >= shared_.itemCount.load()) break;
        const int index = index_;
        Synchronize([this, index] { step_(tick, index); });
        ++index_;
    }
    shared_.autoRunActive = false;
}

}  // namespace vistrel
