// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "bignumbers/frmmaalte.h"
#include "shell/maaltafels.h"
#include "shell/mdiform2.h"
#include "tests/testprogram.h"

using namespace mt;

namespace {

class FrmmaalTETest : public ::testing::Test, protected TestProgram {
protected:
    FrmmaalTETest() { app.frmmaalTE().show(); }
    FrmmaalTE& te() { return app.frmmaalTE(); }
};

// The child comes back to the screen (from another window) while an exercise is open: the
// exercise stays, so the child can finish it; there is no other way out of it.
TEST_F(FrmmaalTETest, ComingBackToAnOpenExerciseKeepsIt) {
    random.queue({0.4, 0.8, 0.3});
    app.click(te().cmdstart);
    app.activate(app.mdiForm2());
    app.activate(te());
    EXPECT_TRUE(te().cmdTE.visible());
    EXPECT_EQ(te().cmdTE.caption(), "47  x 3 =  ? ");
    app.click(te().cmdTE);
    app.edit(te().txtT, "120");
    app.activate(app.mdiForm2());
    app.activate(te());
    EXPECT_EQ(te().txtT.text(), "120");
    EXPECT_TRUE(te().cmdT.visible());
    EXPECT_EQ(te().cmdT.caption(), "40  x 3  =  ? ");
}

TEST_F(FrmmaalTETest, ComingBackWhenIdleClearsTheLastResult) {
    random.queue({0.4, 0.8, 0.3});
    app.click(te().cmdstart);
    app.click(te().cmdTE);
    app.edit(te().txtT, "120");
    app.edit(te().txtE, "21");
    app.click(te().cmdT);
    app.click(te().cmdE);
    app.click(te().cmdplus);
    ASSERT_EQ(te().lbluitkomst.caption(), "47  x 3 = 141");
    app.activate(app.mdiForm2());
    app.activate(te());
    EXPECT_EQ(te().lbluitkomst.caption(), "");
    EXPECT_EQ(te().txtT.text(), "");
    EXPECT_FALSE(te().cmdTE.visible());
}

// Every draw: tens digit 1..9, units digit and multiplier 2..8, never 0, 1 or 9.
TEST_F(FrmmaalTETest, DrawsStayInRange) {
    for (double r : {0.0, 0.124, 0.125, 0.5, 0.874, 0.875, 0.9999}) {
        random.queue({r, r, 0.5, r, 0.5});
        app.click(te().cmdstart);
        EXPECT_GE(te().tiencijfer, 1);
        EXPECT_LE(te().tiencijfer, 9);
        EXPECT_GE(te().eenheid, 2) << r;
        EXPECT_LE(te().eenheid, 8) << r;
        EXPECT_GE(te().maalgetal, 2) << r;
        EXPECT_LE(te().maalgetal, 8) << r;
        EXPECT_EQ(te().tegetal, te().tienwaarde + te().eenheid);
        // A 1 is drawn again, once for the units digit and once for the multiplier.
        EXPECT_EQ(random.queued(), r < 0.125 ? 0u : 2u) << r;
        random = Random{};
        // Back to idle for the next deal.
        app.click(te().cmdTE);
        app.edit(te().txtT, std::to_string(te().tienwaarde * te().maalgetal));
        app.edit(te().txtE, std::to_string(te().eenheid * te().maalgetal));
        app.click(te().cmdT);
        app.click(te().cmdE);
        app.click(te().cmdplus);
        ASSERT_TRUE(te().cmdstart.visible());
    }
}

} // namespace
