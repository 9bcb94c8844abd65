// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "drill/tafels.h"
#include "tests/testprogram.h"

using namespace mt;

namespace {

// A run of "x 7" on the units screen, with a child who takes its time over the message box.
class DrillMessageBoxTest : public ::testing::Test, protected TestProgram {
protected:
    DrillMessageBoxTest() {
        app.tafels(Level::E).show();
        random.queue({0.65, 0.5});
        app.click(drill().cmdstarter(6));
    }
    Tafels& drill() { return app.tafels(Level::E); }
};

// Nothing moves while the box is open; after OK the clock and the problem each take one step and
// then go on at their own pace, so the seconds spent reading the box cost the child one tick.
TEST_F(DrillMessageBoxTest, ClockAndProblemWaitForTheChildToPressOk) {
    clock.advance(2050);
    ASSERT_EQ(drill().seconden, 58);
    const int top = drill().lblvalprobleem.top();
    std::vector<std::pair<int, int>> whileOpen;
    box.during = [&] {
        clock.advance(5000);
        whileOpen.emplace_back(drill().seconden, drill().lblvalprobleem.top());
    };
    app.edit(drill().txtAntwoord, "a");

    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown().front().text, "Je mag alleen cijfers invoegen");
    EXPECT_EQ(box.shown().front().title, "Let eens op !!");
    EXPECT_EQ(whileOpen, (std::vector<std::pair<int, int>>{{58, top}}));
    EXPECT_EQ(drill().txtAntwoord.text(), "");
    EXPECT_EQ(drill().seconden, 57);
    EXPECT_EQ(drill().lblvalprobleem.top(), top + 30);
    EXPECT_EQ(drill().Lblchrono.caption(), "57");

    box.during = nullptr;
    clock.advance(1000);
    EXPECT_EQ(drill().seconden, 56);
    EXPECT_EQ(drill().lblvalprobleem.top(), top + 11 * 30) << "the 100 ms steps keep their schedule";
}

// Numbers too big for 16 bits are wrong answers, not a crash or a wrapped value that matches.
TEST_F(DrillMessageBoxTest, HugeAnswersAreJustWrong) {
    const int uitkomst = drill().uitkomst;
    ASSERT_EQ(uitkomst, 49);
    // The last two would read 49 if they wrapped round in 16 bits.
    for (const std::string& answer : {std::string("99999999999999999999"), std::to_string(uitkomst + 65536),
                                      std::to_string(uitkomst - 65536)}) {
        app.edit(drill().txtAntwoord, answer);
        EXPECT_EQ(drill().juistreeks, 0) << answer;
        EXPECT_EQ(drill().uitkomst, uitkomst) << answer;
    }
    EXPECT_TRUE(box.shown().empty());
}

} // namespace
