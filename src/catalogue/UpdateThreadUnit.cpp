#include "catalogue/UpdateThreadUnit.h"

#include "toolkit/Application.h"

namespace vistrel {

TUpdateThread::TUpdateThread(std::function<void()> changeTick)
    : changeTick_(std::move(changeTick)) {}

TUpdateThread::~TUpdateThread() { Stop(); }

void TUpdateThread::Execute() {
    while (WaitWhileSuspended()) {
        // A pause may begin while this call waits to be served; the tick is
        // skipped then, so that nothing changes under a running command.
        try {
            Synchronize([this] {
                if (!Suspended() && !Terminated()) changeTick_();
            });
        } catch (...) {
            // Reported like any failure; the list must not stop being kept
            // current because one tick could not be handed over.
            tk::Application::Instance().ReportWorkerException(std::current_exception());
        }
        if (!SleepFor(kTickPauseMs)) break;
    }
}

}  // namespace vistrel
