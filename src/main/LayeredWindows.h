#pragma once
// LayeredWindows: the translucency the program gives other windows, and
// taking it back. Whatever it changes goes into its record first, so that
// the end of the program, however it comes, gives back exactly that.

#include <windows.h>

#include "main/TranslucencyRecord.h"
#include "platform/OptionalApis.h"

namespace vistrel {

class LayeredWindows {
public:
    LayeredWindows() : api_(platform::LayeredApi::Load()) {}

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
    // At the end: every window the program made layered as it was before.
    void GiveBackAtExit();
    // In a crash or at the session end: visible again, waiting for nobody.
    void GiveBackNow() const noexcept;

private:
    // The opacity a window's own program had given it, when it could be read.
    void GiveBackOwnOpacity(const LayeredBefore& before) const noexcept;

    platform::LayeredApi api_;
    TranslucencyRecord record_;
};

}  // namespace vistrel
