#include "catalogue/Qualify.h"

#include <cstdint>

#include "common/AppIdentity.h"

namespace vistrel {

bool Qualifies(const WindowFacts& facts, QualifyMode mode, const TextEqualsIgnoreCase& equalIgnoreCase) {
    return NamesQualify(facts.title, facts.className, mode, equalIgnoreCase) && StateQualifies(facts, mode);
}

bool NamesQualify(const std::u16string& title, const std::u16string& className, QualifyMode mode,
                  const TextEqualsIgnoreCase& equalIgnoreCase) {
    const auto titleIs = [&](const char16_t* text) { return equalIgnoreCase(title, text); };
    const auto classIs = [&](const char16_t* text) { return equalIgnoreCase(className, text); };

    // Our own windows: the main window by title and class, its hint popups
    // and the level dialog by class.
    if (titleIs(kAppTitle16)) return false;
    if (classIs(u"THintWindow")) return false;
    if (classIs(u"TPrintWndDlg")) return false;
    if (titleIs(kSiblingToolTitle1)) return false;
    if (titleIs(kSiblingToolTitle2)) return false;
    if (classIs(u"TLebelDlg")) return false;
    if (mode == QualifyMode::Visible && classIs(u"TApplication")) return false;
    return !title.empty() && !classIs(u"Progman");
}

bool StateQualifies(const WindowFacts& facts, QualifyMode mode) {
    if (mode == QualifyMode::List) {
        // An owned window (a dialog, a frame under an application window) is
        // reached through its owner, which is the one on the task bar.
        if (facts.hasOwner) return false;
    } else {
        const int64_t area = int64_t{facts.width} * facts.height;
        if (facts.hasParent || area == 0) return false;
    }
    // A cloaked window shows nowhere: a ghost in the list, and nothing to
    // move or picture.
    return facts.visible && !facts.cloaked;
}

}  // namespace vistrel
