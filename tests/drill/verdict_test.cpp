// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "drill/tafels.h"
#include "tests/testprogram.h"

namespace {

struct Case {
    int correct;
    const char* caption;
    mt::Color back, fore;
    bool rood, geel, blauw, groen;
};

constexpr mt::Color green = mt::Color::rgb(0, 255, 0), blue = mt::Color::rgb(0, 0, 255);
constexpr mt::Color yellow = mt::Color::rgb(255, 255, 0), red = mt::Color::rgb(255, 0, 0);
constexpr mt::Color black = mt::Color::rgb(0, 0, 0), white = mt::Color::rgb(255, 255, 255);

// A run with that many correct answers, then the 61st tick of the countdown.
class Verdict : public ::testing::TestWithParam<Case>, protected TestProgram {
protected:
    Tafels& run(int correct) {
        Tafels& t = app.tafels(Level::E);
        t.show();
        // Every factor 0, so every answer is 0.
        random.queue(std::vector<double>(2 * (correct + 2), 0.0));
        app.click(t.cmdstarter(6));
        for (int i = 0; i < correct; ++i)
            app.edit(t.txtAntwoord, "0");
        clock.advance(60000);
        EXPECT_FALSE(t.lblmemo.visible() && t.lblmemo.caption() != "") << "verdict before the end";
        clock.advance(1000);
        return t;
    }
};

TEST_P(Verdict, TextColoursAndPencils) {
    const Case& c = GetParam();
    Tafels& t = run(c.correct);
    EXPECT_EQ(t.Lbltotaal.caption(), std::to_string(c.correct));
    EXPECT_TRUE(t.lblmemo.visible());
    EXPECT_EQ(t.lblmemo.caption(), c.caption);
    EXPECT_EQ(t.lblmemo.backColor(), c.back);
    EXPECT_EQ(t.lblmemo.foreColor(), c.fore);
    EXPECT_EQ(t.Imgpotloodrood.visible(), c.rood);
    EXPECT_EQ(t.Imgpotloodgeel.visible(), c.geel);
    EXPECT_EQ(t.Imgpotloodblauw.visible(), c.blauw);
    EXPECT_EQ(t.Imgpotloodgroen.visible(), c.groen);
    EXPECT_TRUE(box.shown().empty());
}

// The boundaries of every verdict; below 25 the earlier pencils stay under the later ones.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, Verdict,
    ::testing::Values(Case{0, " Dat is te traag", red, white, true, true, true, false},
                      Case{9, " Dat is te traag", red, white, true, true, true, false},
                      Case{10, " Nog wat oefenen", red, white, true, true, true, false},
                      Case{14, " Nog wat oefenen", red, white, true, true, true, false},
                      Case{15, "Dat gaat al aardig", yellow, black, false, true, true, false},
                      Case{19, "Dat gaat al aardig", yellow, black, false, true, true, false},
                      Case{20, " Dat is zeer goed", yellow, black, false, true, true, false},
                      Case{24, " Dat is zeer goed", yellow, black, false, true, true, false},
                      Case{25, " Dat is prima", blue, white, false, false, true, false},
                      Case{29, " Dat is prima", blue, white, false, false, true, false},
                      Case{30, "Dat is uitstekend ", blue, white, false, false, true, false},
                      Case{34, "Dat is uitstekend ", blue, white, false, false, true, false},
                      Case{35, "Dat is turbosnel ", blue, white, false, false, true, false},
                      Case{39, "Dat is turbosnel ", blue, white, false, false, true, false},
                      Case{40, "dat is SUPER", green, black, false, false, false, true},
                      Case{41, "Dat is SUPER ", green, black, false, false, false, true},
                      Case{120, "Dat is SUPER ", green, black, false, false, false, true}),
    [](const auto& info) { return "correct" + std::to_string(info.param.correct); });

} // namespace
