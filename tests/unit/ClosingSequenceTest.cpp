#include "main/ClosingSequence.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace vistrel {
namespace {

// Every step writes its letter, so a test reads the order as a word.
struct Recorder {
    std::string steps;
    bool failGiveBack = false;

    ClosingSequence Make() {
        ClosingSteps s;
        s.markEnding = [this] { steps += 'E'; };
        s.tellCpuToEnd = [this] { steps += 'c'; };
        s.stopBackground = [this] { steps += 'b'; };
        s.giveWindowsBack = [this] {
            steps += 'w';
            if (failGiveBack) throw std::runtime_error("window gone wrong");
        };
        s.giveWindowsBackNow = [this] { steps += 'W'; };
        s.freeSystemFunctions = [this] { steps += 'f'; };
        s.saveList = [this](bool report) { steps += report ? 'S' : 's'; };
        s.writeSettings = [this] { steps += 'r'; };
        s.fadeOut = [this] { steps += 'a'; };
        s.joinWorkers = [this] { steps += 'j'; };
        s.releaseEntries = [this] { steps += 'x'; };
        return ClosingSequence(s);
    }
};

TEST(ClosingSequence, TheUsersCloseRunsEveryStepOnceInOrder) {
    Recorder r;
    ClosingSequence closing = r.Make();
    closing.NoteCloseAsked();
    EXPECT_TRUE(closing.Started());
    EXPECT_TRUE(closing.TakeCloseAsked());
    EXPECT_FALSE(closing.Started());
    closing.Query();
    EXPECT_TRUE(closing.Closing());
    closing.Close();
    closing.Destroy();
    closing.Finish();
    // The closing work (list.dat with its failure reported), the settings
    // and the fade, the workers joined, and joined again by the destructor.
    EXPECT_EQ(r.steps, "cbwfS" "ra" "jx" "j");
}

TEST(ClosingSequence, TheSessionEndSavesFirstAndGivesBackWithoutWaiting) {
    Recorder r;
    ClosingSequence closing = r.Make();
    closing.EndSession();
    closing.EndSession();  // sent again: nothing twice
    EXPECT_EQ(r.steps, "Ecsr" "Wb");
    // The close that follows neither redoes the work nor fades.
    r.steps.clear();
    closing.Query();
    closing.Close();
    closing.Finish();
    EXPECT_EQ(r.steps, "j");
}

TEST(ClosingSequence, ASessionEndInsideTheCloseFinishesWhatTheCloseHasNotDone) {
    Recorder r;
    ClosingSequence closing = r.Make();
    closing.Query();
    closing.EndSession();
    closing.Close();
    // list.dat saved again (a save cut short below), the settings once.
    EXPECT_EQ(r.steps, "cbwfS" "Ecsr" "Wb");
}

TEST(ClosingSequence, WithoutACloseTheDestructorDoesTheWorkOrGivesBackAtLeast) {
    Recorder r;
    r.Make().Finish();
    EXPECT_EQ(r.steps, "jcbwfS");

    Recorder failing;
    failing.failGiveBack = true;
    failing.Make().Finish();
    EXPECT_EQ(failing.steps, "jcbwW");
}

}  // namespace
}  // namespace vistrel
