// A directory of its own for one test's files, removed with everything in it
// when the test ends.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

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
    std::string count = file(".count");
    std::system(("ls -A '" + path + "' | grep -vx .count | wc -l > '" + count + "'").c_str());
    FILE* f = std::fopen(count.c_str(), "r");
    int n = -1;
    if (f != nullptr) {
      if (std::fscanf(f, "%d", &n) != 1) n = -1;
      std::fclose(f);
    }
    std::remove(count.c_str());
    return n;
  }
};
