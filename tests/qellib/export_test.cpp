// The library's export list: libqel.so exports the numbered entries of
// qellib/exports.txt and nothing else, and the program imports exactly the
// entries marked as used by the game. The linker binds by name; this test
// stands in for the fixed numbering.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

struct ExportList {
  std::set<std::string> all;
  std::set<std::string> used_by_game;
  int count = 0;
  bool numbered_in_order = true;
};

ExportList ReadExportList() {
  ExportList list;
  std::ifstream in(KELVRO_EXPORT_LIST);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    int number = 0;
    std::string game, entry;
    fields >> number >> game;
    std::getline(fields >> std::ws, entry);
    list.numbered_in_order &= number == ++list.count;
    list.all.insert(entry);
    if (game == "yes") list.used_by_game.insert(entry);
  }
  return list;
}

// The demangled dynamic symbols `nm` lists for `options`, without versions
// and without the version definitions themselves.
std::set<std::string> DynamicSymbols(const std::string& options, const std::string& file) {
  std::set<std::string> symbols;
  const std::string command = "nm -D -C " + options + " '" + file + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return symbols;
  char buffer[1024];
  while (std::fgets(buffer, sizeof buffer, pipe)) {
    // "[VALUE] TYPE NAME": the name, which may hold spaces, is the rest of
    // the line after the one-letter type.
    std::istringstream fields(buffer);
    std::string first, type, name;
    fields >> first;
    type = first;
    if (first.size() > 1) fields >> type;
    std::getline(fields >> std::ws, name);
    if (type == "A" || name.empty()) continue;
    const std::size_t version = name.find('@');
    if (version != std::string::npos) name.erase(version);
    symbols.insert(name);
  }
  pclose(pipe);
  return symbols;
}

bool IsLibraryName(const std::string& name) {
  return name.rfind("Qel", 0) == 0;
}

TEST(ExportListTest, TheListHasItsThirtyFiveNumberedEntries) {
  const ExportList list = ReadExportList();
  EXPECT_EQ(list.count, 35);
  EXPECT_TRUE(list.numbered_in_order);
  EXPECT_EQ(list.all.size(), 35u);  // no entry twice
  EXPECT_EQ(list.used_by_game.size(), 25u);
}

TEST(ExportListTest, TheLibraryExportsTheListAndNothingElse) {
  const ExportList list = ReadExportList();
  const std::set<std::string> exported = DynamicSymbols("--defined-only", KELVRO_LIBRARY_PATH);
  EXPECT_EQ(exported, list.all);
}

#ifdef KELVRO_PROGRAM_PATH
TEST(ExportListTest, TheProgramImportsExactlyTheEntriesItUses) {
  const ExportList list = ReadExportList();
  std::set<std::string> imported;
  for (const std::string& name : DynamicSymbols("--undefined-only", KELVRO_PROGRAM_PATH)) {
    if (IsLibraryName(name)) imported.insert(name);
  }
  EXPECT_EQ(imported, list.used_by_game);
}
#endif

}  // namespace
