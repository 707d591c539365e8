#include "catalogue/ItemChange.h"

namespace vistrel {

ItemPlan PlanItemChange(const ItemFacts& facts) {
    ItemPlan plan;
    if (!facts.openOnly) {
        plan.remark = facts.minimisedNow != facts.marked;
        plan.minimisedMark = facts.minimisedNow;
        plan.redraw = !facts.minimisedNow;
        return plan;
    }
    // In Open Only mode a window ends up open, parked or not.
    plan.redraw = true;
    if (facts.minimisedNow || facts.marked) {
        plan.restoreFirst = facts.minimisedNow;
        plan.park = facts.parked ? ParkStep::Unpark : ParkStep::Park;
    }
    return plan;
}

}  // namespace vistrel
