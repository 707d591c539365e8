#include "main/LayeredWindows.h"

#include "catalogue/GiveBack.h"
#include "platform/Layered.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"

namespace vistrel {

namespace {

constexpr BYTE kOpaque = 255;

std::optional<LayeredAttributes> AttributesOf(HWND window) {
    platform::LayeredState state;
    if (!platform::ReadLayeredState(window, state)) return std::nullopt;
    return LayeredAttributes{state.key, state.alpha, state.flags};
}

}  // namespace

void LayeredWindows::Apply(HWND window, BYTE opacity) {
    if (!api_.Available() || !IsWindow(window) || tk::Application::Instance().Terminated() || !changes_.MayChange())
        return;
    const WindowChange* known = changes_.Find(window);
    const bool noted = known && known->layer;
    const bool wasLayered = platform::HasLayeredStyle(window);
    // Written down before the window changes.
    changes_.NoteLayering(window, wasLayered, wasLayered ? AttributesOf(window) : std::nullopt, opacity);
    // A layered window without attributes is not drawn at all: the style
    // goes again when they cannot be set.
    if ((wasLayered || platform::SetLayeredStyle(window, true)) && api_.SetAttributes(window, 0, opacity, LWA_ALPHA))
        return;
    if (!wasLayered) platform::SetLayeredStyle(window, false);
    if (!noted) changes_.ForgetLayer(window);
}

void LayeredWindows::Release(HWND window) {
    if (!api_.Available() || !IsWindow(window)) return;
    if (!platform::HasLayeredStyle(window) || platform::SetLayeredStyle(window, false)) {
        changes_.ForgetLayer(window);
        return;
    }
    // Busy for the moment: changing its style would wait for it. Fully
    // opaque it is visible at once (that sends no message), and its style
    // goes when it answers again, or at the end.
    changes_.NoteReleased(window);
    MakeOpaque(window);
}

void LayeredWindows::RetryReleased() {
    if (!changes_.Record().AnyReleased()) return;
    for (const HWND window : changes_.TranslucentWindows(true)) GiveBackOne(window);
}

void LayeredWindows::MakeOpaque(HWND window) const noexcept { api_.SetAttributes(window, 0, kOpaque, LWA_ALPHA); }

void LayeredWindows::GiveBackOwnOpacity(HWND window, const LayerChange& change) const noexcept {
    if (change.own) api_.SetAttributes(window, change.own->key, change.own->alpha, change.own->flags);
}

void LayeredWindows::CancelPreview(HWND window) {
    // Its own opacity back when its program had layered it, else no layered
    // style at all.
    const WindowChange* change = changes_.Find(window);
    if (change && change->layer && RestoreOf(*change->layer) == LayeredRestore::RestoreAttributes) {
        GiveBackOwnOpacity(window, *change->layer);
        changes_.ForgetLayer(window);
        return;
    }
    Release(window);
}

void LayeredWindows::GiveBackOne(HWND window) {
    const WindowChange* found = changes_.Find(window);
    if (!found || !found->layer) return;
    const LayerChange change = *found->layer;  // the calls below may wait
    switch (LayerGiveBackOf(*found, ChangeJournal::LayerNowOf(window))) {
    case LayerGiveBack::Forget:
        // Closed, or re-layered by its own program since: none of ours.
        break;
    case LayerGiveBack::RemoveStyle:
        if (!platform::SetLayeredStyle(window, false)) {
            // A window that does not answer cannot have its style changed
            // now; fully opaque it is visible all the same.
            if (!change.released) changes_.NoteReleased(window);
            MakeOpaque(window);
            return;
        }
        platform::RedrawNow(window);
        break;
    case LayerGiveBack::RestoreAttributes:
        GiveBackOwnOpacity(window, change);
        break;
    case LayerGiveBack::MakeOpaque:
        MakeOpaque(window);
        break;
    }
    changes_.ForgetLayer(window);
}

void LayeredWindows::GiveBack() {
    if (!api_.Available()) return;
    for (const HWND window : changes_.TranslucentWindows(false)) GiveBackOne(window);
}

void LayeredWindows::GiveBackNow() const noexcept {
    if (!api_.Available()) return;
    for (const WindowChange& change : changes_.Record().Changes()) {
        if (!change.layer) continue;
        const HWND window = ChangeJournal::WindowOf(change.window);
        // Asks nothing of the window; one its program layered anew since is
        // left as it is.
        switch (LayerGiveBackOf(change, ChangeJournal::LayerNowOf(window))) {
        case LayerGiveBack::Forget:
            break;
        case LayerGiveBack::RestoreAttributes:
            GiveBackOwnOpacity(window, *change.layer);
            break;
        case LayerGiveBack::RemoveStyle:
        case LayerGiveBack::MakeOpaque:
            MakeOpaque(window);  // the style stays, but fully opaque; the next start takes it
            break;
        }
    }
}

}  // namespace vistrel
