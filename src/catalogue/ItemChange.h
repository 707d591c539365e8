#pragma once
// What the change tick does to a listed window whose state changed: from the
// facts gathered once, a plan that the main window carries out.

namespace vistrel {

struct ItemFacts {
    bool openOnly = false;      // Open Only mode in force
    bool minimisedNow = false;  // the window is minimised now
    bool marked = false;        // its entry says minimised
    bool parked = false;        // its entry says parked
};

enum class ParkStep { None, Park, Unpark };

struct ItemPlan {
    // Minimised by the user in Open Only mode: restored quietly first; a
    // window that does not answer is passed over until it does.
    bool restoreFirst = false;
    // Minimised by the user: parked out of sight, so it keeps being
    // pictured; minimised while parked: brought back.
    ParkStep park = ParkStep::None;
    // The marks stored anew and the picture drawn anew (outside Open Only
    // mode, with this minimised mark; parking stores its own).
    bool remark = false;
    bool minimisedMark = false;
    // Open afterwards: the window is redrawn before its title is compared.
    bool redraw = false;
    friend bool operator==(const ItemPlan&, const ItemPlan&) = default;
};

ItemPlan PlanItemChange(const ItemFacts& facts);

}  // namespace vistrel
