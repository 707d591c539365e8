#pragma once
// LayeredWindows: the translucency the program gives other windows, and
// taking it back. Whatever it changes goes into the record of changes first
// (ChangeJournal), so that the end of the program, however it comes, and the
// next start after a kill give back exactly that, and nothing else.

#include <windows.h>

#include "catalogue/ChangeJournal.h"
#include "platform/OptionalApis.h"

namespace vistrel {

class LayeredWindows {
public:
    explicit LayeredWindows(ChangeJournal& changes) : api_(platform::LayeredApi::Load()), changes_(changes) {}

    bool Available() const { return api_.Available(); }

    // The window layered at this opacity (0 transparent, 255 opaque). Not
    // once the program is ending: nobody would give it back.
    void Apply(HWND window, BYTE opacity);
    // Its own look back: the style removed, or for a window that does not
    // answer fully opaque at once, kept in the record until the style can go.
    void Release(HWND window);
    // A level preview cancelled: the window as it was before the dialog.
    void CancelPreview(HWND window);
    // On the change tick: released windows that answer again lose the style.
    void RetryReleased();
    // Every window the record names as layered as it was before, when it is
    // still as the program left it (at the close; at the start, what a run
    // that was killed left). One that does not answer is made opaque and
    // keeps its record until its style can go.
    void GiveBack();
    // In a crash or at the session end: visible again, waiting for nobody.
    void GiveBackNow() const noexcept;

private:
    void GiveBackOne(HWND window);
    void GiveBackOwnOpacity(HWND window, const LayerChange& change) const noexcept;
    void MakeOpaque(HWND window) const noexcept;

    platform::LayeredApi api_;
    ChangeJournal& changes_;
};

}  // namespace vistrel
