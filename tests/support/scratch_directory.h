// A directory of its own for one test's files, removed with everything in it
// when the test ends.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include <dirent.h>
#include <unistd.h>

struct ScratchDirectory {
  std::string path;
  ScratchDirectory() {
    char name[] = "/tmp/durchlauftraeger-test-XXXXXX";
    path = mkdtemp(name) != nullptr ? name : "/tmp/durchlauftraeger-test-failed";
  }
  ~ScratchDirectory() { std::system(("rm -rf '" + path + "'").c_str()); }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  std::string file(const std::string& name) const { return path + "/" + name; }

  // How many files and directories it holds; -1 where that cannot be told.
  int entries() const {
    DIR* listing = opendir(path.c_str());
    if (listing == nullptr) return -1;
    int n = 0;
    while (const struct dirent* entry = readdir(listing)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") ++n;
    }
    closedir(listing);
    return n;
  }
};
