// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <vector>

#include "aklas/aklas.h"
#include "automation/frmmaalkluk.h"
#include "drill/tafels.h"
#include "shell/frmbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmsplash.h"
#include "tests/testprogram.h"

using mt::Control;
using mt::Direction;

namespace {

// The controls that Tab reaches on a screen, in tab order.
std::vector<Control*> tabOrder(const mt::Screen& s) {
    std::vector<Control*> out;
    for (Control* c : s.tabOrder())
        if (c->canTakeFocus())
            out.push_back(c);
    return out;
}

// Shift+Tab walks the tab order backwards, wraps round and skips what is switched off.
TEST(FocusKeys, ShiftTabWalksTheTabOrderBack) {
    TestProgram test;
    Maaltafels& app = test.app;
    app.click(app.frmmecenaat1().cmdkombinnen);
    Frmbasis& board = app.frmbasis();
    const auto order = tabOrder(board);
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(order.back(), &board.cmdeinde);

    // Back from the first wraps round to the last, then steps back through all of them.
    app.focusTo(*order.front());
    app.tabBack(board);
    EXPECT_EQ(board.focus(), &board.cmdeinde);
    for (std::size_t i = order.size() - 1; i-- > 0;) {
        app.tabBack(board);
        EXPECT_EQ(board.focus(), order[i]) << "step back to " << order[i]->fullName();
    }
    // Forward and back again are each other's undo.
    app.key(board, 9);
    app.tabBack(board);
    EXPECT_EQ(board.focus(), order.front());

    board.Command7.setEnabled(false);
    app.tabBack(board);
    EXPECT_NE(board.focus(), &board.Command7) << "a switched-off button is skipped";
}

// The mode buttons of a drill are numbered out of screen order ("x 3" is index 1, "x 2" index 2):
// the arrows follow what the child sees, not the numbers.
TEST(FocusKeys, ArrowsFollowTheRowOnScreen) {
    TestProgram test;
    Maaltafels& app = test.app;
    Tafels& drill = app.tafels(Level::E);
    drill.show();
    app.focusTo(drill.cmdstarter(0));
    const int row[] = {0, 2, 1, 3, 4, 5, 6, 7, 8};
    for (int i : row) {
        EXPECT_EQ(drill.focus(), &drill.cmdstarter(i)) << "x button at index " << i;
        app.arrow(drill, Direction::Right);
    }
    EXPECT_EQ(drill.focus(), &drill.cmdstarter(8)) << "the end of the row keeps the focus";
    app.arrow(drill, Direction::Left);
    EXPECT_EQ(drill.focus(), &drill.cmdstarter(7));
    app.arrow(drill, Direction::Down);
    EXPECT_EQ(drill.focus(), &drill.cmdstarter(7)) << "nothing below the row";

    // Up from "x 5" finds the stop button standing over it; from "alles" nothing is above.
    app.focusTo(drill.cmdstarter(4));
    app.arrow(drill, Direction::Up);
    EXPECT_EQ(drill.focus(), &drill.cmdstop);
    app.arrow(drill, Direction::Down);
    EXPECT_EQ(drill.focus(), &drill.cmdstarter(4)) << "down again lands on the button under it";
    app.focusTo(drill.cmdstarter(0));
    app.arrow(drill, Direction::Up);
    EXPECT_EQ(drill.focus(), &drill.cmdstarter(0));

    // A hidden button is passed over: with "x 2" hidden, right from "alles" goes to "x 3".
    drill.cmdstarter(2).setVisible(false);
    app.arrow(drill, Direction::Right);
    EXPECT_EQ(drill.focus(), &drill.cmdstarter(1));
}

// In a text box the arrows belong to the text; the model leaves the focus where it is.
TEST(FocusKeys, ArrowsLeaveATextBoxAlone) {
    TestProgram test;
    Maaltafels& app = test.app;
    Tafels& drill = app.tafels(Level::E);
    drill.show();
    app.click(drill.cmdstarter(6));
    ASSERT_EQ(drill.focus(), &drill.txtAntwoord);
    for (Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
        app.arrow(drill, d);
    EXPECT_EQ(drill.focus(), &drill.txtAntwoord);
}

// Shift+Tab and the arrows only move the focus: a screen whose KeyPress turns Enter into Tab
// never sees them, and nothing is clicked.
TEST(FocusKeys, NoKeyPressAndNoClick) {
    TestProgram test;
    Maaltafels& app = test.app;
    Tafels& drill = app.tafels(Level::T);
    drill.show();
    app.click(drill.cmdstarter(0));
    app.click(drill.cmdrood);
    Aklas& trainer = app.aklas(Level::T);
    ASSERT_TRUE(trainer.visible());

    app.focusTo(*trainer.Cmd[4]);
    app.arrow(trainer, Direction::Down);
    EXPECT_EQ(trainer.focus(), trainer.Cmd[5].get()) << "the table buttons stand in a column";
    app.arrow(trainer, Direction::Up);
    app.arrow(trainer, Direction::Up);
    EXPECT_EQ(trainer.focus(), trainer.Cmd[3].get());
    app.tabBack(trainer);
    EXPECT_EQ(trainer.focus(), trainer.Cmd[2].get());
    EXPECT_TRUE(trainer.Frmkiestafel.visible()) << "a focus move clicked a table button";
    EXPECT_FALSE(trainer.Timerreset.running());
}

// The level choice: three levels in a row and the way back under them.
TEST(FocusKeys, LevelChoiceRowAndTheWayBack) {
    TestProgram test;
    Maaltafels& app = test.app;
    FrmSplash& levels = app.frmSplash();
    levels.show();
    app.focusTo(levels.cmdvervoer);
    app.arrow(levels, Direction::Right);
    EXPECT_EQ(levels.focus(), &levels.cmdhuis);
    app.arrow(levels, Direction::Down);
    EXPECT_EQ(levels.focus(), &levels.Command1);
    app.arrow(levels, Direction::Left);
    EXPECT_EQ(levels.focus(), &levels.Command1) << "nothing beside the way back";
    app.arrow(levels, Direction::Up);
    EXPECT_EQ(levels.focus(), &levels.cmdhuis) << "up goes to the level nearest above";
}

// Tab reads the grid as the child does: the top row (x, 1 to 10, =), then row by row the number on
// the left and the running product on the right. The screen opens on the first number of the left
// column, which is what the arrow asks for first.
TEST(FocusKeys, TabReadsTheGridRowByRow) {
    TestProgram test;
    Maaltafels& app = test.app;
    Frmmaalkluk& grid = app.frmmaalkluk();
    grid.show();
    EXPECT_EQ(grid.focus(), &grid.Cmd1(1));
    app.focusTo(grid.Command1);
    for (int k = 1; k <= 10; ++k) {
        app.key(grid, 9);
        EXPECT_EQ(grid.focus(), &grid.cmdmaler(k)) << "along the top row";
    }
    app.key(grid, 9);
    EXPECT_EQ(grid.focus(), &grid.cmdgelijk);
    app.key(grid, 9);
    EXPECT_EQ(grid.focus(), &grid.Cmd1(1)) << "then the next row";
    app.tabBack(grid);
    EXPECT_EQ(grid.focus(), &grid.cmdgelijk);
    // The arrows still go by where the buttons stand: down the left column, along the top row.
    app.focusTo(grid.Cmd1(1));
    app.arrow(grid, Direction::Down);
    EXPECT_EQ(grid.focus(), &grid.Cmd1(2));
    app.focusTo(grid.cmdmaler(1));
    app.arrow(grid, Direction::Right);
    EXPECT_EQ(grid.focus(), &grid.cmdmaler(2));
}

} // namespace
