// The decisions of runs and undos, each as a table of the facts a look gives
// and what must be done then.
#include "services/organizing/MoveDecision.h"
#include "services/organizing/UndoDecision.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(RunDecisionsTest, ARunAnnouncesOnlyARegularFileItCanMove)
{
    using enum MoveDecision::Action;
    const struct
    {
        MoveDecision facts;
        MoveDecision::Action expected;
    } table[] = {
        { { false, 0, true }, announce },
        { { true, ENOENT, false }, skipBlocked },
        { { true, 0, true }, skipBlocked },
        { { false, ENOENT, true }, skipUnreadable },
        { { false, 0, false }, skipChanged },
    };
    for (std::size_t row = 0; row < std::size(table); ++row)
        EXPECT_EQ(table[row].facts.decide(), table[row].expected) << "row " << row;
}

TEST(RunDecisionsTest, AnUndoMovesBackOnlyWhatItFindsAndKeepsWhatMayPass)
{
    using enum UndoDecision::Action;
    // Found at the destination, at the old name, aside; known moved; folder, destination.
    const struct
    {
        UndoDecision facts;
        UndoDecision::Action expected;
    } table[] = {
        { { true, true, false, true, 0, 0 }, moveBack },
        { { false, true, true, false, 0, 0 }, settleAsBack },
        { { false, false, true, false, ENOENT, 0 }, moveBackFromAside },
        { { false, false, false, false, ENOENT, 0 }, forget },
        { { false, false, false, false, 0, EACCES }, forget },
        { { false, false, false, false, 0, 0 }, leaveOtherItem },
        { { false, false, false, true, 0, 0 }, leaveOtherItem },
        { { false, false, false, true, ENOENT, 0 }, leaveGone },
        { { false, false, false, true, ENOTDIR, 0 }, leaveGone },
        { { false, false, false, true, ELOOP, 0 }, leaveGone },
        { { false, false, false, true, 0, ENOENT }, leaveGone },
        { { false, false, false, true, EACCES, 0 }, keepPending },
        { { false, false, false, true, 0, EMFILE }, keepPending },
    };
    for (std::size_t row = 0; row < std::size(table); ++row)
        EXPECT_EQ(table[row].facts.decide(), table[row].expected) << "row " << row;
}
