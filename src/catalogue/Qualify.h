#pragma once
// Which top-level windows the list shows. The Win32 side reads the facts of a
// window and asks here; only when this accepts does it look up the window's
// executable path for the exclusion list, because opening the process is the
// one expensive fact.

#include <functional>
#include <string>

namespace vistrel {

struct WindowFacts {
    int width = 0;   // of the window rectangle, frame included
    int height = 0;
    std::u16string title;
    std::u16string className;
    bool hasOwner = false;   // GetWindow(GW_OWNER) is not null
    bool hasParent = false;  // GetParent is not null
    bool visible = false;    // IsWindowVisible
    bool cloaked = false;    // kept off the screen by the desktop compositor
};

// List: the windows that become list items (cloaking is read for both
// modes). Visible: the windows that may
// serve as placement targets (frames owned by a listed window). Besides the
// title, class and visibility, List looks only at hasOwner and Visible only
// at the area and hasParent; the Win32 side gathers no other fact, so a rule
// that starts using one must have it gathered there too.
enum class QualifyMode { List, Visible };

// Case-insensitive equality of two UTF-16 texts (lstrcmpi on Windows).
using TextEqualsIgnoreCase = std::function<bool(const std::u16string&, const std::u16string&)>;

// Every test but the exclusion list, in the order the rules are stated: the
// two halves below together.
bool Qualifies(const WindowFacts& facts, QualifyMode mode, const TextEqualsIgnoreCase& equalIgnoreCase);
// The rules on the window's title and class alone: our own windows, the
// desktop, an untitled window, and for Visible the TApplication window. They
// answer the same for as long as the title does (a class never changes).
bool NamesQualify(const std::u16string& title, const std::u16string& className, QualifyMode mode,
                  const TextEqualsIgnoreCase& equalIgnoreCase);
// The rules on everything but the names (the facts' title and class are not
// read): owner, area, parent, visibility, cloaking.
bool StateQualifies(const WindowFacts& facts, QualifyMode mode);

}  // namespace vistrel
