#include "catalogue/UpdateThreadUnit.h"

namespace vistrel {

TUpdateThread::TUpdateThread(std::function<void()> changeTick)
    : changeTick_(std::move(changeTick)) {}

TUpdateThread::~TUpdateThread() { Stop(); }

void TUpdateThread::Execute() {
    while (WaitWhileSuspended()) {
        // A pause may begin while this call waits to be served; the tick is
        // skipped then, so that nothing changes under a running command.
        Synchronize([this] {
            if (!Suspended() && !Terminated()) changeTick_();
        });
        if (!SleepFor(kTickPauseMs)) break;
    }
}

}  // namespace vistrel
