// The committed files are exactly what the generator writes: a change to the
// artwork or a tune must come with the regenerated files, and a hand-edited
// file is caught.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "committed_files.h"

namespace asset_test {
namespace {

namespace fs = std::filesystem;

int run_generator(const std::string& arguments) {
  const std::string command =
      std::string("'") + KELVRO_ASSETGEN + "' " + arguments + " 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

std::set<std::string> file_names(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  return names;
}

class GeneratorRun : public testing::Test {
 protected:
  void SetUp() override {
    scratch_ = fs::temp_directory_path() / ("kelvro-assetgen-test-" + std::to_string(getpid()));
    fs::remove_all(scratch_);
    fs::create_directories(scratch_);
  }
  void TearDown() override { fs::remove_all(scratch_); }

  fs::path scratch_;
};

void expect_same_files(const fs::path& committed, const fs::path& generated) {
  EXPECT_EQ(file_names(committed), file_names(generated))
      << "the files in " << committed << " are not the ones the generator writes";
  for (const std::string& name : file_names(generated)) {
    if (!fs::exists(committed / name)) continue;
    EXPECT_TRUE(read_bytes(committed / name) == read_bytes(generated / name))
        << name << " differs from the generator's output; run the regenerate-assets target";
  }
}

TEST_F(GeneratorRun, WritesTheCommittedFilesByteForByte) {
  const fs::path resources = scratch_ / "resources";
  const fs::path sounds = scratch_ / "sounds";
  ASSERT_EQ(run_generator(quoted(resources) + " " + quoted(sounds)), 0);
  expect_same_files(resource_dir(), resources);
  expect_same_files(sound_dir(), sounds);
}

TEST_F(GeneratorRun, FailsWithoutTwoFoldersOrWhereItCannotWrite) {
  EXPECT_EQ(run_generator(""), 2);
  EXPECT_EQ(run_generator(quoted(scratch_)), 2);
  // A folder cannot be made below a plain file, even for root.
  const fs::path file = scratch_ / "plain-file";
  std::ofstream(file) << "x";
  EXPECT_EQ(run_generator(quoted(file / "resources") + " " + quoted(scratch_ / "sounds")), 1);
  EXPECT_EQ(run_generator(quoted(scratch_ / "resources") + " " + quoted(file)), 1);
}

}  // namespace
}  // namespace asset_test
