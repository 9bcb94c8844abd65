// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "aklas/aklas.h"
#include "drill/tafels.h"
#include "tests/testprogram.h"

namespace {

// Enter on the trainer moves the focus on like Tab and never reaches the control.
TEST(AklasKeys, EnterMovesOnAndDoesNotClick) {
    TestProgram test;
    Maaltafels& app = test.app;
    Tafels& drill = app.tafels(Level::T);
    drill.show();
    app.click(drill.cmdstarter(0));
    app.click(drill.cmdrood);
    Aklas& trainer = app.aklas(Level::T);
    ASSERT_TRUE(trainer.visible());

    app.focusTo(*trainer.Cmd[0]);
    ASSERT_EQ(trainer.focus(), trainer.Cmd[0].get());
    app.key(trainer, 13);
    EXPECT_EQ(trainer.focus(), trainer.Cmd[1].get());
    EXPECT_TRUE(trainer.Frmkiestafel.visible()) << "Enter clicked the table button";
    EXPECT_FALSE(trainer.Timerreset.running());

    // A space still clicks the focused button, as everywhere else.
    app.key(trainer, 32);
    EXPECT_FALSE(trainer.Frmkiestafel.visible());
    EXPECT_TRUE(trainer.Timer[1]->running());

    app.focusTo(trainer.Text2(100));
    app.key(trainer, 13);
    EXPECT_EQ(trainer.Text2(100).text(), "100");
    EXPECT_NE(trainer.focus(), &trainer.Text2(100));
}

} // namespace
