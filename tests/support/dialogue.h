// Runs one command handler on a script console and returns what it printed.
#pragma once

#include <string>
#include <string_view>

#include "console/input_values.h"
#include "console/stream.h"
#include "engine/register_file.h"

template <typename Command>
std::string dialogue(Command command, dlt::RegisterFile& R, dlt::InputValues& in, std::string_view script) {
  dlt::console_open_script(script);
  command(R, in);
  return dlt::console_take_output();
}
