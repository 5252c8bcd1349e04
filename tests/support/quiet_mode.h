// Quiet mode for the length of one test: on where made, off again where
// it ends, so that no other test of the binary finds it on.
#pragma once

#include "console/console.h"

struct QuietMode {
  QuietMode() { dlt::set_quiet(true); }
  ~QuietMode() { dlt::set_quiet(false); }
  QuietMode(const QuietMode&) = delete;
  QuietMode& operator=(const QuietMode&) = delete;
};
