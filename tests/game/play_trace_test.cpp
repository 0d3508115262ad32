// kelvro-trace: its input and output lines, and runs of the real program.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "TraceInput.h"
#include "TraceLine.h"

namespace {

TEST(TraceInputTest, LettersNameKeysAndAnythingElseIsAnError) {
  const struct {
    const char* line;
    bool ok;
    int badColumn;
    bool fire, left, right, up, down, escape;
  } cases[] = {
      {"", true, 0, false, false, false, false, false, false},
      {"-", true, 0, false, false, false, false, false, false},
      {"FLRUDE", true, 0, true, true, true, true, true, true},
      {"RF", true, 0, true, false, true, false, false, false},
      {"FF", true, 0, true, false, false, false, false, false},
      {"f", false, 1, false, false, false, false, false, false},
      {"FX", false, 2, false, false, false, false, false, false},
      {"F-", false, 2, false, false, false, false, false, false},
      {" F", false, 1, false, false, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    int badColumn = 0;
    const std::optional<FrameKeys> keys = ParseFrameKeys(c.line, &badColumn);
    ASSERT_EQ(keys.has_value(), c.ok);
    if (!c.ok) {
      EXPECT_EQ(badColumn, c.badColumn);
      continue;
    }
    EXPECT_EQ(keys->fire, c.fire);
    EXPECT_EQ(keys->left, c.left);
    EXPECT_EQ(keys->right, c.right);
    EXPECT_EQ(keys->up, c.up);
    EXPECT_EQ(keys->down, c.down);
    EXPECT_EQ(keys->escape, c.escape);
  }
}

TEST(TraceInputTest, EveryLineIsAFrameAndTheFirstBadLineIsNamed) {
  std::istringstream good("F\n\n-\r\nR");
  const TraceInput input = ParseTraceInput(good);
  EXPECT_EQ(input.error, "");
  ASSERT_EQ(input.frames.size(), 4u);
  EXPECT_TRUE(input.frames[0].fire);
  EXPECT_FALSE(input.frames[2].fire);
  EXPECT_TRUE(input.frames[3].right);

  std::istringstream bad("F\nFR\nFq\nZ\n");
  EXPECT_EQ(ParseTraceInput(bad).error.rfind("line 3: unknown key letter 'q' at column 2", 0), 0u);
}

TEST(TraceInputTest, TheStageIsOneDigitFromZeroToFive) {
  EXPECT_EQ(ParseStageArgument("0"), 0);
  EXPECT_EQ(ParseStageArgument("5"), 5);
  for (const char* bad : {"6", "-1", "", "01", "a", "5 "}) {
    EXPECT_FALSE(ParseStageArgument(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(TraceLineTest, FloatsAreExactHexadecimal) {
  RopePlayer p;
  p.x = 64.0f;
  p.y = 17.4775f;
  p.vx = -0.0f;
  p.vy = 1.47749996185302734375f;
  p.hookX = -42;
  p.hookY = 32;
  p.ropeLength = 110;
  p.attached = 1;
  EXPECT_EQ(TraceLine(7, p, 10, TraceSound::catch_sound),
            "7,0x1p+6,0x1.17a3d8p+4,-0x0p+0,0x1.7a3d7p+0,-42,32,110,1,10,catch");
}

// --- The program ---------------------------------------------------------------

struct TraceRun {
  int status = -1;
  std::vector<std::string> out;
  std::string err;
};

std::vector<std::string> LinesOf(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// Runs the trace program with `arguments` and `input` on its standard input.
TraceRun RunTrace(const std::string& arguments, const std::string& input) {
  // Each run its own files: ctest runs the cases of this program side by side.
  static int runs = 0;
  const std::string base = testing::TempDir() + "kelvro-trace-test-" + std::to_string(::getpid()) +
                           "-" + std::to_string(++runs);
  std::ofstream(base + ".in") << input;
  const std::string command = std::string(KELVRO_TRACE_PROGRAM) + " " + arguments + " < " + base +
                              ".in > " + base + ".out 2> " + base + ".err";
  TraceRun run;
  const int status = std::system(command.c_str());
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = LinesOf(base + ".out");
  const std::vector<std::string> err = LinesOf(base + ".err");
  for (const std::string& line : err)
    run.err += line + "\n";
  for (const char* suffix : {".in", ".out", ".err"})
    std::remove((base + suffix).c_str());
  return run;
}

TEST(TraceProgramTest, ABadLetterOrStageStopsWithStatusTwo) {
  TraceRun run = RunTrace("0", "F\nFR\nF?\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  EXPECT_TRUE(run.out.empty());

  for (const char* stage : {"6", "x", ""}) {
    run = RunTrace(stage, "F\n");
    EXPECT_EQ(run.status, 2) << stage;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(TraceProgramTest, AShortScriptFollowsTheRopeRules) {
  // Rest, shoot (the hook catches on the top row at once), hold, let go;
  // the numbers as worked out from the rules with exact rational arithmetic.
  const TraceRun run = RunTrace("0", "-\nF\nF\n-\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> expected = {
      "1,0x1p+6,0x1.17a3d8p+4,0x0p+0,0x1.7a3d7p+0,80,32,100,0,0,none",
      "2,0x1p+6,0x1.4690cp+4,0x0p+0,0x1.776738p+1,92,21,110,1,0,catch",
      "3,0x1p+6,0x1.8c6d4cp+4,0x0p+0,0x1.177232p+2,92,21,110,1,0,none",
      "4,0x1p+6,0x1.e8e16cp+4,0x0p+0,0x1.71d07cp+2,80,40,100,0,0,letgo",
  };
  EXPECT_EQ(run.out, expected);
}

TEST(TraceProgramTest, ASwingOnTheRopeIsReproducedBitForBit) {
  // Shoot and hang, swing right, lengthen, shorten, swing left, let go. The
  // rope pulls on frames 13 to 24 and 44 to 59; on frames 49 and 50 the pull
  // factor's extended 0.1 makes the last bits differ from a float 0.1. Every
  // line as worked out from the rules with exact rational arithmetic.
  std::string input;
  const std::pair<const char*, int> script[] = {{"F", 30}, {"FR", 12}, {"FU", 5},
                                                {"FD", 5}, {"FL", 8},  {"-", 2}};
  for (const auto& [keys, frames] : script) {
    for (int i = 0; i < frames; ++i)
      input += std::string(keys) + "\n";
  }
  const TraceRun run = RunTrace("0", input);
  ASSERT_EQ(run.out.size(), 62u) << run.err;
  const std::pair<int, const char*> expected[] = {
      {1, "1,0x1p+6,0x1.17a3d8p+4,0x0p+0,0x1.7a3d7p+0,76,4,110,1,0,catch"},
      {13, "13,0x1.006aa6p+6,0x1.1b5064p+7,0x1.aa9584p-4,0x1.084e3p+4,76,4,110,1,0,none"},
      {24, "24,0x1.42986cp+6,0x1.a60514p+6,0x1.f41a44p+0,-0x1.d85c58p+3,76,4,110,1,0,none"},
      {42, "42,0x1.0a0fa8p+7,0x1.ac29ap+6,0x1.305f9cp+2,0x1.86e416p+3,76,4,110,1,0,none"},
      {47, "47,0x1.2f53f6p+7,0x1.659daap+7,0x1.2f6b28p+1,0x1.c7ad08p+3,76,4,150,1,0,none"},
      {49, "49,0x1.2ef9fcp+7,0x1.8f6108p+7,-0x1.116d2ap+0,0x1.16bdp+3,76,4,134,1,0,none"},
      {50, "50,0x1.29089ep+7,0x1.998ae8p+7,-0x1.7c57a4p+1,0x1.453bfep+2,76,4,126,1,0,none"},
      {52, "52,0x1.12b06cp+7,0x1.97cc1p+7,-0x1.9a9cb8p+2,-0x1.252bb6p+1,76,4,110,1,0,none"},
      {59, "59,0x1.be432ep+5,0x1.8b2e24p+6,-0x1.aa9fcap+3,-0x1.278736p+4,76,4,110,1,0,none"},
      {61, "61,0x1.d2111p+4,0x1.0c5d94p+6,-0x1.a73c5p+3,-0x1.df9b5cp+3,58,98,100,0,0,letgo"},
      {62, "62,0x1.019f84p+4,0x1.ae72a8p+5,-0x1.a0e316p+3,-0x1.a921fep+3,45,83,100,0,0,none"},
  };
  for (const auto& [frame, line] : expected)
    EXPECT_EQ(run.out[frame - 1], line);
}

std::vector<std::string> FieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');)
    fields.push_back(field);
  return fields;
}

TEST(TraceProgramTest, TheGameStateColumnShowsTheFallAndEscape) {
  std::string falling;
  for (int i = 0; i < 60; ++i)
    falling += "-\n";
  const TraceRun fall = RunTrace("0", falling);
  ASSERT_EQ(fall.out.size(), 60u);
  EXPECT_EQ(FieldsOf(fall.out[56])[9], "0");  // frame 57
  EXPECT_EQ(FieldsOf(fall.out[57])[9], "3");  // frame 58: below the fall line

  const TraceRun escape = RunTrace("0", "E\n" + falling);
  ASSERT_EQ(escape.out.size(), 61u);
  EXPECT_EQ(FieldsOf(escape.out[0])[9], "10");
  EXPECT_EQ(FieldsOf(escape.out[60])[9], "10");  // a later fall changes nothing
}

}  // namespace
