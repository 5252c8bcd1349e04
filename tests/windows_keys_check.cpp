// The key decoding as the Windows build compiles it, run by the wine check:
// prints what decodes wrongly and ends with status 1, else status 0.
#include <cstdio>

#include "tests/support/key_decoding.h"

int main() {
  std::string faults = key_decoding_faults();
  std::fputs(faults.c_str(), stdout);
  return faults.empty() ? 0 : 1;
}
