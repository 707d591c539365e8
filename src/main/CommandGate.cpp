#include "main/CommandGate.h"

#include <utility>

#include "toolkit/Application.h"

namespace vistrel {

CommandGate::CommandGate(ClosingSequence& closing, std::function<void()> post, Deferred deferred)
    : closing_(closing), post_(std::move(post)), deferred_(std::move(deferred)) {}

void CommandGate::Attach(BackgroundWork& work) {
    work_ = &work;
    // The end of the outermost command carries out what waited for it.
    work_->OnIdle = post_;
}

bool CommandGate::MayBegin() const {
    return work_ && !closing_.Started() && !Busy() && !tk::Application::Instance().ServingAnyCall();
}

std::optional<CommandGate::Command> CommandGate::HoldUnlessEnding() {
    // Taking the hold waits for a running pass, serving sent messages: the
    // end of the session may come there.
    Command hold = Hold();
    if (closing_.Started()) return std::nullopt;
    return hold;
}

std::optional<CommandGate::Command> CommandGate::TryBegin() {
    if (!MayBegin()) return std::nullopt;
    return HoldUnlessEnding();
}

std::optional<CommandGate::Command> CommandGate::HoldForChangeTick() {
    if (!work_ || closing_.Started() || Busy()) return std::nullopt;
    return HoldUnlessEnding();
}

CommandGate::Command CommandGate::HoldForClose() {
    // The background may be stopped already, or never have been made.
    return Command(work_ && !work_->Stopped() ? work_ : nullptr);
}

CommandGate::~CommandGate() { tk::Application::Instance().ForgetCallsServed(this); }

bool CommandGate::MustDefer() {
    // The end of a command posts the deferred work itself.
    if (Busy()) return true;
    auto& app = tk::Application::Instance();
    if (!app.ServingAnyCall()) return false;
    // The end of the call runs it: a post now would come straight back to a
    // pump running inside that call.
    if (!std::exchange(awaitingCalls_, true))
        app.WhenCallsServed(this, [this] {
            awaitingCalls_ = false;
            RunDeferred();
        });
    return true;
}

std::optional<CommandGate::Command> CommandGate::Admit(Request request, RefreshKind kind) {
    if (!work_ || closing_.Started()) return std::nullopt;
    if (!MustDefer()) return HoldUnlessEnding();
    if (request == Request::Resize)
        resizeAsked_ = true;
    else
        refreshAsked_ = kind;
    return std::nullopt;
}

bool CommandGate::MayCloseNow() {
    if (!MustDefer()) return true;
    // The program counts as on its way out from here on.
    closing_.NoteCloseAsked();
    return false;
}

void CommandGate::RunDeferred() {
    // Another command may have begun between the post and now; its own end
    // posts again.
    if (closing_.Closing() || MustDefer()) return;
    if (closing_.TakeCloseAsked()) {
        // The close supersedes whatever else was asked for.
        resizeAsked_ = false;
        refreshAsked_.reset();
        deferred_.close();
        return;
    }
    if (std::exchange(resizeAsked_, false)) deferred_.resize();
    if (const auto kind = std::exchange(refreshAsked_, std::nullopt)) deferred_.refresh(*kind);
}

void CommandGate::HoldSize() {
    if (work_ && !sizeHold_ && !closing_.Started()) sizeHold_.emplace(Hold());
}

}  // namespace vistrel
