// The stage maps and their drawing.

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "PlayAssets.h"
#include "stage/DrawStage.h"
#include "stage/PrepareStage.h"
#include "stage/StageMaps.h"
#include "stage/StageTiles.h"

namespace {

struct GoalRun {
  int row;
  int firstColumn;
  int lastColumn;
};

struct StageContent {
  int solid;
  int open;
  int goal;
  int shadowed;
  std::vector<GoalRun> goalCells;
};

// What each stage holds, counted from the maps' published description.
const StageContent Stages[StageCount] = {
    {198, 954, 48, 120, {{27, 23, 38}, {28, 23, 38}, {29, 23, 38}}},
    {220, 969, 11, 134, {{12, 35, 38}, {13, 36, 38}, {14, 37, 38}, {15, 38, 38}, {26, 11, 11}}},
    {226, 965, 9, 155, {{0, 36, 38}, {1, 34, 38}, {26, 18, 18}}},
    {171, 1016, 13, 64, {{0, 35, 38}, {1, 35, 38}, {2, 35, 38}, {29, 39, 39}}},
    {98, 1098, 4, 62, {{12, 18, 20}, {13, 19, 19}}},
    {95, 1102, 3, 62, {{17, 18, 18}, {18, 18, 18}, {19, 18, 18}}},
};

using Cell = std::pair<int, int>;  // row, column

std::set<Cell> CellsOf(const std::vector<GoalRun>& runs) {
  std::set<Cell> cells;
  for (const GoalRun& run : runs) {
    for (int column = run.firstColumn; column <= run.lastColumn; ++column) {
      cells.insert({run.row, column});
    }
  }
  return cells;
}

TEST(StageMapsTest, EveryStageHoldsItsCountsGoalCellsAndShadows) {
  for (int stage = 0; stage < StageCount; ++stage) {
    SCOPED_TRACE(testing::Message() << "stage index " << stage);
    const StageContent& expected = Stages[stage];
    int solid = 0, open = 0, goal = 0, shadowed = 0;
    std::set<Cell> goals;
    for (int row = 0; row < StageRows; ++row) {
      ASSERT_EQ(std::strlen(StageMaps[stage * StageRows + row]), 40u) << "row " << row;
      for (int column = 0; column < StageColumns; ++column) {
        const char code = StageCell(stage, row, column);
        solid += code == CellSolid;
        open += code == CellOpen;
        goal += code == CellGoal;
        if (code == CellGoal) goals.insert({row, column});
        shadowed += StageTileX(stage, row, column) == ShadowedOpenTileX;
      }
    }
    EXPECT_EQ(solid, expected.solid);
    EXPECT_EQ(open, expected.open);
    EXPECT_EQ(goal, expected.goal);
    EXPECT_EQ(shadowed, expected.shadowed);
    EXPECT_EQ(goals, CellsOf(expected.goalCells));
  }
}

TEST(StageMapsTest, TheOutsideColumnsAreSolidSaveOneGoal) {
  for (int stage = 0; stage < StageCount; ++stage) {
    for (int row = 0; row < StageRows; ++row) {
      EXPECT_EQ(StageCell(stage, row, 0), CellSolid) << stage << " " << row;
      const bool theGoal = stage == 3 && row == 29;
      EXPECT_EQ(StageCell(stage, row, 39), theGoal ? CellGoal : CellSolid) << stage << " " << row;
    }
  }
}

struct TileCase {
  int stage, row, column;
  std::int16_t tileX;
  const char* why;
};

TEST(StageTilesTest, OnlyTheUpLeftNeighbourCastsAShadow) {
  const TileCase cases[] = {
      {0, 1, 4, 96, "solid up-left"},
      {0, 2, 18, 96, "solid up-left"},
      {0, 4, 1, 96, "solid up-left, next to column 0"},
      {0, 4, 13, 32, "solid directly above, open up-left"},
      {0, 6, 27, 32, "solid directly to the left, open up-left"},
      {1, 27, 12, 96, "goal up-left"},
      {3, 0, 1, 32, "open cells in row 0 are never shadowed"},
      {3, 29, 39, 64, "the goal in the right-most column"},
      {0, 0, 0, 0, "solid"},
  };
  for (const TileCase& c : cases) {
    EXPECT_EQ(StageTileX(c.stage, c.row, c.column), c.tileX)
        << c.stage << " " << c.row << " " << c.column << ": " << c.why;
  }
}

using StageDrawingTest = PlayTest;

TEST_F(StageDrawingTest, EachCellShowsItsTileAndTheWorldGetsTheSamePicture) {
  for (std::int16_t stage = 0; stage < StageCount; ++stage) {
    SCOPED_TRACE(testing::Message() << "stage index " << stage);
    WorldImage.Clear(1, 2, 3);
    DrawStage(stage);
    for (int row = 0; row < StageRows; ++row) {
      for (int column = 0; column < StageColumns; ++column) {
        ASSERT_TRUE(SameBlock(StageImage, column * 32, row * 32, TileSheet,
                              StageTileX(stage, row, column), 0, 32, 32))
            << "row " << row << " column " << column;
      }
    }
    EXPECT_TRUE(SameImage(WorldImage, StageImage));
  }
}

TEST_F(StageDrawingTest, TheLabelShowsTheStageNumberAfterStage) {
  // The word STAGE lies left of the slot and must stay as loaded.
  const std::vector<std::uint8_t> word = BlockBytes(StageLabelImage, 0, 0, 224, 32);
  const std::pair<std::int16_t, int> cases[] = {{5, 6}, {0, 1}};  // index, shown digit
  for (const auto& [stage, digit] : cases) {
    PrepareStage(stage);
    EXPECT_TRUE(SameBlock(StageLabelImage, 224, 0, StageLabelImage, 32 * digit, 32, 32, 32))
        << "after stage index " << stage;
    EXPECT_TRUE(SameImage(WorldImage, StageImage));
  }
  EXPECT_EQ(BlockBytes(StageLabelImage, 0, 0, 224, 32), word);
}

TEST_F(StageDrawingTest, AStageTheMapDoesNotHaveDrawsNothing) {
  DrawStage(0);
  WorldImage.Clear(1, 2, 3);
  const std::vector<std::uint8_t> stage = BlockBytes(StageImage, 0, 0, 64, 64);
  DrawStage(6);
  DrawStage(-1);
  EXPECT_EQ(BlockBytes(StageImage, 0, 0, 64, 64), stage);
  EXPECT_EQ(PixelOf(WorldImage, 5, 5)[0], 3);  // blue of the clear: untouched
}

}  // namespace
