#pragma once
// CommandGate: the main window's commands run one at a time, and the gate is
// the only maker of the ListHold that every wait needs. A command begins only
// through TryBegin, which refuses while another command runs, once the
// program is on its way out, and inside a worker's call (a message another
// program sends while a pass step waits for its window: that step still
// holds an item of the list). The Command it gives holds the list for as
// long as it lives; its waits process messages, so anything can arrive
// meanwhile.
//
// A close, a refresh or a new thumbnail size would pull the list from under
// a running command. A refresh or a resize asks Admit, a close MayCloseNow:
// while a command runs, or inside a worker's call, the request is recorded
// and carried out once nothing holds the list any more (the close
// superseding the rest), from our own queue, never from a pump below.

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

    using Command = ListHold;

    // Whether a command could begin now. A command that waits for nothing
    // (sorting, opening the clipping list window, which needs the passes
    // running) asks this and holds nothing.
    bool MayBegin() const;
    [[nodiscard]] std::optional<Command> TryBegin();
    // A command is running.
    bool Busy() const { return work_ && work_->Busy(); }
    // The program is on its way out: a handler that is no command asks this.
    bool ClosingStarted() const { return closing_.Started(); }
    // Nothing holds the list and the program is not on its way out: the
    // background may run.
    bool ListFree() const { return work_ && !Busy() && !closing_.Started(); }

    enum class Request { Resize, Refresh };
    // The list held for the request when it may run now; else it is recorded.
    [[nodiscard]] std::optional<Command> Admit(Request request, RefreshKind kind = RefreshKind::List);
    // True when the close may run now; else it is recorded.
    bool MayCloseNow();
    // The change tick's hold (the tick is itself a worker's call): none while
    // a command runs or once the program is on its way out.
    [[nodiscard]] std::optional<Command> HoldForChangeTick();
    // The close's, for giving the windows back once the background is stopped.
    [[nodiscard]] Command HoldForClose();
    void RunDeferred();

    // The size bar held (mouse or arrow key down): the background paused
    // until it is let go.
    void HoldSize();
    void ReleaseSize() { sizeHold_.reset(); }

private:
    bool MustDefer();
    Command Hold() { return Command(work_); }
    std::optional<Command> HoldUnlessEnding();

    ClosingSequence& closing_;
    std::function<void()> post_;
    Deferred deferred_;
    BackgroundWork* work_ = nullptr;
    bool resizeAsked_ = false;
    bool awaitingCalls_ = false;
    std::optional<RefreshKind> refreshAsked_;
    std::optional<Command> sizeHold_;
};

}  // namespace vistrel
