#include "main/LayeredWindows.h"

#include <vector>

#include "platform/Layered.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"

namespace vistrel {

namespace {

constexpr BYTE kOpaque = 255;

LayeredBefore ReadBefore(HWND window) {
    LayeredBefore before{window, platform::HasLayeredStyle(window), std::nullopt};
    platform::LayeredState state;
    if (before.wasLayered && platform::ReadLayeredState(window, state))
        before.attributes = LayeredAttributes{state.key, state.alpha, state.flags};
    return before;
}

}  // namespace

void LayeredWindows::Apply(HWND window, BYTE opacity) {
    if (!api_.Available() || !IsWindow(window) || tk::Application::Instance().Terminated()) return;
    const LayeredBefore before = ReadBefore(window);
    if (!before.wasLayered && !platform::SetLayeredStyle(window, true)) return;
    record_.NoteBefore(before);
    // A layered window without attributes is not drawn at all: the style
    // goes again when they cannot be set.
    if (!api_.SetAttributes(window, 0, opacity, LWA_ALPHA) && !before.wasLayered) {
        platform::SetLayeredStyle(window, false);
        record_.Forget(window);
    }
}

void LayeredWindows::Release(HWND window) {
    if (!api_.Available() || !IsWindow(window)) return;
    if (!platform::HasLayeredStyle(window) || platform::SetLayeredStyle(window, false)) {
        record_.Forget(window);
        return;
    }
    // Busy for the moment: changing its style would wait for it. Fully
    // opaque it is visible at once (that sends no message), and its style
    // goes when it answers again, or at the end.
    api_.SetAttributes(window, 0, kOpaque, LWA_ALPHA);
    record_.NoteReleased(window);
}

void LayeredWindows::RetryReleased() {
    if (!record_.AnyReleased()) return;
    std::vector<HWND> released;
    for (const LayeredBefore& before : record_.Changed())
        if (before.released) released.push_back(static_cast<HWND>(before.window));
    for (const HWND window : released)
        if (!IsWindow(window) || platform::SetLayeredStyle(window, false)) record_.Forget(window);
}

void LayeredWindows::GiveBackOwnOpacity(const LayeredBefore& before) const noexcept {
    if (!before.attributes) return;
    api_.SetAttributes(static_cast<HWND>(before.window), before.attributes->key, before.attributes->alpha,
                       before.attributes->flags);
}

void LayeredWindows::CancelPreview(HWND window) {
    // Its own opacity back when its program had layered it, else no layered
    // style at all.
    for (const LayeredBefore& before : record_.Changed()) {
        if (before.window != window || RestoreOf(before) != LayeredRestore::RestoreAttributes) continue;
        GiveBackOwnOpacity(before);
        record_.Forget(window);
        return;
    }
    Release(window);
}

void LayeredWindows::GiveBackAtExit() {
    if (!api_.Available()) return;
    // A copy: the questions below wait, and what arrives meanwhile may
    // change the record.
    const std::vector<LayeredBefore> changed = record_.Changed();
    for (const LayeredBefore& before : changed) {
        const HWND window = static_cast<HWND>(before.window);
        if (!IsWindow(window)) continue;
        switch (RestoreOf(before)) {
        case LayeredRestore::RemoveStyle:
            // A window that does not answer cannot have its style changed
            // now; fully opaque it is visible all the same.
            if (platform::SetLayeredStyle(window, false))
                platform::RedrawNow(window);
            else
                api_.SetAttributes(window, 0, kOpaque, LWA_ALPHA);
            break;
        case LayeredRestore::RestoreAttributes:
            GiveBackOwnOpacity(before);
            break;
        case LayeredRestore::MakeOpaque:
            api_.SetAttributes(window, 0, kOpaque, LWA_ALPHA);
            break;
        }
    }
}

void LayeredWindows::GiveBackNow() const noexcept {
    if (!api_.Available()) return;
    for (const LayeredBefore& before : record_.Changed()) {
        if (RestoreOf(before) == LayeredRestore::RestoreAttributes)
            GiveBackOwnOpacity(before);
        else  // the style stays, but fully opaque
            api_.SetAttributes(static_cast<HWND>(before.window), 0, kOpaque, LWA_ALPHA);
    }
}

}  // namespace vistrel
