#pragma once
// The list held as the main window's gate holds it for a command: what the
// operations that wait for a window take.

#include <optional>

#include "catalogue/BackgroundWork.h"
#include "main/ClosingSequence.h"
#include "main/CommandGate.h"
#include "toolkit/Timer.h"

namespace vistrel::test {

struct HeldList {
    const ListHold& operator*() const { return *hold; }

    tk::Timer timer;
    ClosingSequence closing{ClosingSteps{}};
    CommandGate gate{closing, [] {}, {}};
    BackgroundWork work{timer, [] { return false; }, [] {}, [](int, int) { return false; }};
    std::optional<ListHold> hold = Begin(gate, work);

private:
    static std::optional<ListHold> Begin(CommandGate& gate, BackgroundWork& work) {
        gate.Attach(work);
        return gate.TryBegin();
    }
};

}  // namespace vistrel::test
