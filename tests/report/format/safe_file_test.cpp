// The safe file write every report and envelope file goes through: the
// file replaced whole or left as it was, and no temporary file left behind.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "report/format/safe_file.h"
#include "tests/support/scratch_directory.h"

using namespace dlt;

namespace {

std::string contents_of(const std::string& path) {
  std::string text;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return "missing";
  for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f)) text.push_back(static_cast<char>(c));
  std::fclose(f);
  return text;
}

}  // namespace

TEST(ReportFile, ReplacesTheFileWholeWithTheUsersPermissions) {
  ScratchDirectory dir;
  std::string path = dir.path + "/r.txt";
  std::string reason;
  ASSERT_TRUE(write_file_atomically(path, "erster\n", reason)) << reason;
  ASSERT_TRUE(write_file_atomically(path, "zweiter\n", reason)) << reason;
  EXPECT_EQ(contents_of(path), "zweiter\n");
  EXPECT_EQ(dir.entries(), 1);
  struct stat info = {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(ReportFile, FailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
  ScratchDirectory dir;
  std::string reason;
  EXPECT_FALSE(write_file_atomically(dir.path + "/nicht/da.txt", "x", reason));
  EXPECT_EQ(reason, "No such file or directory");
  // A directory in the way is refused before anything is made.
  ASSERT_EQ(mkdir((dir.path + "/ordner").c_str(), 0755), 0);
  EXPECT_FALSE(write_file_atomically(dir.path + "/ordner", "x", reason));
  EXPECT_EQ(reason, "ist ein Verzeichnis");
  EXPECT_EQ(dir.entries(), 1);
}
