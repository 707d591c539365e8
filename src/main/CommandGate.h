#pragma once
// CommandGate: the main window's commands run one at a time. A command begins
// only through TryBegin, which refuses while another command runs, once the
// program is on its way out, and inside a worker's call (a message another
// program sends while a pass step waits for its window: that step still
// holds an item of the list). The Command it gives pauses the background for
// as long as it lives; its waits process messages, so anything can arrive
// meanwhile.
//
// A close, a refresh or a new thumbnail size would pull the list from under
// a running command. Such a request asks MayRunNow first: while a command
// runs, or inside a worker's call, it is recorded and carried out once
// nothing holds the list any more (the close superseding the rest).

#include <functional>
#include <optional>

#include "catalogue/BackgroundWork.h"
#include "main/ClosingSequence.h"

namespace vistrel {

// How a refresh was asked for: the refresh itself, or "Open Only" switched
// (switched off, it brings the parked windows home instead of rebuilding).
enum class RefreshKind { List, OpenOnlySwitched };

class CommandGate {
public:
    struct Deferred {
        std::function<void()> close;
        std::function<void()> resize;
        std::function<void(RefreshKind)> refresh;
    };

    // `post` posts a message to the main window that comes back as
    // RunDeferred: posted messages wait until the worker's call has returned.
    CommandGate(ClosingSequence& closing, std::function<void()> post, Deferred deferred);
    ~CommandGate();
    CommandGate(const CommandGate&) = delete;
    CommandGate& operator=(const CommandGate&) = delete;

    // The background the commands pause, made after the gate; every command
    // is refused before it.
    void Attach(BackgroundWork& work);

    class Command {
    public:
        explicit Command(BackgroundWork& work) : pause_(work) {}

    private:
        BackgroundWork::Pause pause_;
    };

    bool MayBegin() const;
    [[nodiscard]] std::optional<Command> TryBegin();
    // A command is running.
    bool Busy() const { return work_ && work_->Busy(); }

    enum class Request { Close, Resize, Refresh };
    // True when the request may run now; else it is recorded.
    bool MayRunNow(Request request, RefreshKind kind = RefreshKind::List);
    // The list held for work that is no command: the change tick (itself a
    // worker's call), and a request once MayRunNow has said yes.
    [[nodiscard]] Command Hold();
    void RunDeferred();

    // The size bar held (mouse or arrow key down): the background paused
    // until it is let go.
    void HoldSize();
    void ReleaseSize() { sizeHold_.reset(); }

private:
    bool MustDefer();

    ClosingSequence& closing_;
    std::function<void()> post_;
    Deferred deferred_;
    BackgroundWork* work_ = nullptr;
    bool resizeAsked_ = false;
    bool awaitingCalls_ = false;
    std::optional<RefreshKind> refreshAsked_;
    std::optional<BackgroundWork::Pause> sizeHold_;
};

}  // namespace vistrel
