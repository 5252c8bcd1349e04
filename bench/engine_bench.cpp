// Google Benchmark of the engine's register arithmetic, of each command
// handler fed from a script held in memory, and of whole beams run through
// the menu loop; every benchmark counts commands, so items_per_second is
// commands per second and its inverse the time of one command.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "app/menu.h"
#include "console/input_values.h"
#include "console/stream.h"
#include "engine/conditions.h"
#include "engine/left_end.h"
#include "engine/point_loads.h"
#include "engine/register_file.h"
#include "engine/results.h"
#include "engine/segments.h"

namespace {

using dlt::InputValues;
using dlt::RegisterFile;

// Commands between fresh starts where a benchmark keeps changing the same
// registers: repeated transfers grow the columns like (n l)^4, which stays
// far below overflow for this many.
constexpr std::int64_t kBatch = 1000;

// The einfeldtraeger example: span 4, EI 100, uniform load 10.
constexpr double kSpan = 4;
constexpr double kEI = 100;
constexpr double kLoad = 10;

// The columns right after a pinned left end (S1 = 2, S2 = 4), as key a
// leaves them.
void pinned_left_end(RegisterFile& R) {
  R.clear(1, 12);
  R[6] = 1;
  R[12] = 1;
  R[15] = dlt::kFirstFactorSlot;
}

// A segment of the given length and EI as keys c and e hand it to the
// transfer: length in R13, l / (-EI) in R14.
void set_segment(RegisterFile& R, double length, double EI) {
  R[13] = length;
  R[14] = length / -EI;
}

// A pinned left end followed by the loaded span: every column holds the
// numbers a support at the span's right end meets.
RegisterFile end_of_loaded_span() {
  RegisterFile R;
  pinned_left_end(R);
  set_segment(R, kSpan, kEI);
  dlt::field_transfer(R);
  dlt::distributed_load(R, kLoad, 0);
  return R;
}

// Mid-span in the second pass, after a first pass that ended at a pinned
// right support: the state key g meets there.
RegisterFile mid_span_second_pass() {
  RegisterFile R = end_of_loaded_span();
  dlt::eliminate_unknown(R, dlt::Quantity::w, 0);
  dlt::right_end(R, dlt::Quantity::M, 0);
  pinned_left_end(R);
  set_segment(R, kSpan / 2, kEI);
  dlt::field_transfer(R);
  dlt::distributed_load(R, kLoad, 0);
  return R;
}

// --- Register arithmetic alone -------------------------------------------

// The cost of starting a command from a saved state, which the elimination
// benchmark pays on every command.
void BM_copy_register_file(benchmark::State& state) {
  const RegisterFile start = end_of_loaded_span();
  for (auto _ : state) {
    RegisterFile R = start;
    benchmark::DoNotOptimize(R);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_copy_register_file);

void BM_field_transfer(benchmark::State& state) {
  RegisterFile start;
  pinned_left_end(start);
  set_segment(start, kSpan, kEI);
  RegisterFile R = start;
  std::int64_t done = 0;
  for (auto _ : state) {
    if (++done % kBatch == 0) R = start;
    dlt::field_transfer(R);
    benchmark::DoNotOptimize(R);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_field_transfer);

void BM_distributed_load(benchmark::State& state) {
  const RegisterFile start = end_of_loaded_span();
  RegisterFile R = start;
  double q = kLoad;
  double qs = 0.5;
  std::int64_t done = 0;
  for (auto _ : state) {
    if (++done % kBatch == 0) R = start;
    // Hidden from the optimizer, so that the products are not folded.
    benchmark::DoNotOptimize(q);
    benchmark::DoNotOptimize(qs);
    dlt::distributed_load(R, q, qs);
    benchmark::DoNotOptimize(R);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_distributed_load);

void BM_shaft_minus_EI(benchmark::State& state) {
  double E = 210000;
  double diameter = 40;
  for (auto _ : state) {
    benchmark::DoNotOptimize(E);
    benchmark::DoNotOptimize(diameter);
    double minus_EI = dlt::shaft_minus_EI(E, diameter);
    benchmark::DoNotOptimize(minus_EI);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_shaft_minus_EI);

void BM_point_load(benchmark::State& state) {
  const RegisterFile start = end_of_loaded_span();
  RegisterFile R = start;
  dlt::Quantity S1 = dlt::Quantity::Q;
  double load = 3;
  std::int64_t done = 0;
  for (auto _ : state) {
    if (++done % kBatch == 0) R = start;
    benchmark::DoNotOptimize(S1);
    benchmark::DoNotOptimize(load);
    dlt::point_load(R, S1, load);
    benchmark::DoNotOptimize(R);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_point_load);

void BM_elastic_support(benchmark::State& state) {
  const RegisterFile start = end_of_loaded_span();
  RegisterFile R = start;
  double c = 75;
  std::int64_t done = 0;
  for (auto _ : state) {
    // Each spring adds c w to Q, so Q grows linearly: a fresh start now and
    // then is plenty.
    if (++done % kBatch == 0) R = start;
    benchmark::DoNotOptimize(c);
    dlt::elastic_support(R, c);
    benchmark::DoNotOptimize(R);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_elastic_support);

// Every elimination moves the factor pointer on and clears the X2 column, so
// a second one in a row would divide by zero: each starts from the saved
// state, and the time includes one register file copy (see above).
void BM_eliminate_unknown(benchmark::State& state) {
  const RegisterFile start = end_of_loaded_span();
  dlt::Quantity S1 = dlt::Quantity::w;
  double W1 = 0;
  for (auto _ : state) {
    RegisterFile R = start;
    benchmark::DoNotOptimize(S1);
    benchmark::DoNotOptimize(W1);
    dlt::eliminate_unknown(R, S1, W1);
    benchmark::DoNotOptimize(R);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_eliminate_unknown);

// The right end writes only R14 and R16, from registers it does not write,
// so it can run again and again on one state.
void BM_right_end(benchmark::State& state) {
  RegisterFile R = end_of_loaded_span();
  dlt::eliminate_unknown(R, dlt::Quantity::w, 0);
  dlt::Quantity S2 = dlt::Quantity::M;
  double W2 = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(S2);
    benchmark::DoNotOptimize(W2);
    dlt::right_end(R, S2, W2);
    benchmark::DoNotOptimize(R);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_right_end);

// --- Command handlers on a script console --------------------------------

using Handler = dlt::CommandEffect (*)(RegisterFile&, InputValues&);

// Runs handler once per iteration, its numbers (entry) read from a script
// console holding kBatch copies of them. The script, the collected output and
// the registers start afresh every kBatch commands; where a command cannot
// follow itself (fresh_each_command), the registers start afresh every time.
void run_handler(benchmark::State& state, Handler handler, std::string_view entry, const RegisterFile& start,
                 bool fresh_each_command) {
  std::string script;
  for (std::int64_t k = 0; k < kBatch; ++k) {
    script.append(entry);
    script.push_back('\n');
  }
  RegisterFile R = start;
  InputValues in;
  std::int64_t left = 0;
  for (auto _ : state) {
    if (left == 0) {
      // Also drops the output collected so far, keeping its buffer.
      dlt::console_open_script(script);
      R = start;
      left = kBatch;
    }
    if (fresh_each_command) R = start;
    handler(R, in);
    --left;
    benchmark::DoNotOptimize(R);
    benchmark::DoNotOptimize(in);
  }
  state.SetItemsProcessed(state.iterations());
  dlt::console_take_output();
}

RegisterFile left_end_state() {
  RegisterFile R;
  pinned_left_end(R);
  return R;
}

void BM_cmd_left_end(benchmark::State& state) {
  run_handler(state, dlt::cmd_left_end, "2 4", RegisterFile{}, false);
}
BENCHMARK(BM_cmd_left_end);

void BM_cmd_beam_segment(benchmark::State& state) {
  run_handler(state, dlt::cmd_beam_segment, "4 100 1 10 0", left_end_state(), false);
}
BENCHMARK(BM_cmd_beam_segment);

void BM_cmd_shaft_segment(benchmark::State& state) {
  run_handler(state, dlt::cmd_shaft_segment, "1 210000 40 0", left_end_state(), false);
}
BENCHMARK(BM_cmd_shaft_segment);

void BM_cmd_point_load(benchmark::State& state) {
  run_handler(state, dlt::cmd_point_load, "4 3", end_of_loaded_span(), false);
}
BENCHMARK(BM_cmd_point_load);

void BM_cmd_elastic_support(benchmark::State& state) {
  run_handler(state, dlt::cmd_elastic_support, "75", end_of_loaded_span(), false);
}
BENCHMARK(BM_cmd_elastic_support);

// A pinned right end: the support, then the end's second quantity.
void BM_cmd_condition(benchmark::State& state) {
  run_handler(state, dlt::cmd_condition, "1 0 1 3 0", end_of_loaded_span(), true);
}
BENCHMARK(BM_cmd_condition);

// Four values printed with six decimals, then the pause key.
void BM_cmd_results(benchmark::State& state) {
  run_handler(state, dlt::cmd_results, ".", mid_span_second_pass(), false);
}
BENCHMARK(BM_cmd_results);

void BM_cmd_info(benchmark::State& state) {
  run_handler(
      state,
      [](RegisterFile&, InputValues&) {
        dlt::cmd_info();
        return dlt::CommandEffect{};
      },
      ".", RegisterFile{}, false);
}
BENCHMARK(BM_cmd_info);

// --- Whole beams through the menu loop -----------------------------------

// Beams in N and mm, each entered twice, using every key: a two-span beam
// with a point load and a spring, a stepped shaft with an overhang, a
// beam with a hinge, and a cantilever from its free end. One command a line.
constexpr std::string_view kBeams[] = {
    "a 2 4\n"
    "c 2000 2.1e11 1 5 0\n"
    "d 4 10000\n"
    "c 2000 2.1e11 1 5 0\n"
    "f 1 0 0\n"
    "c 3000 2.1e11 1 5 0.001\n"
    "b 2000\n"
    "c 1000 2.1e11 0\n"
    "f 1 0 1 3 0\n"
    "a 2 4\n"
    "g .\n"
    "c 2000 2.1e11 1 5 0\n"
    "g .\n"
    "d 4 10000\n"
    "c 2000 2.1e11 1 5 0\n"
    "f 1 0 0\n"
    "g .\n"
    "c 3000 2.1e11 1 5 0.001\n"
    "b 2000\n"
    "g .\n"
    "c 1000 2.1e11 0\n"
    "g .\n"
    "i .\n",

    "a 2 4\n"
    "e 100 210000 40 0\n"
    "e 150 210000 50 1 2 0\n"
    "d 4 5000\n"
    "e 150 210000 50 0\n"
    "f 1 0 0\n"
    "e 80 210000 30 0\n"
    "f 3 0 1 4 2000\n"
    "a 2 4\n"
    "e 100 210000 40 0\n"
    "g .\n"
    "e 150 210000 50 1 2 0\n"
    "d 4 5000\n"
    "g .\n"
    "e 150 210000 50 0\n"
    "f 1 0 0\n"
    "g .\n"
    "e 80 210000 30 0\n"
    "g .\n",

    "a 3 4\n"
    "c 1500 2.1e11 1 8 0\n"
    "f 3 0 0\n"
    "c 1500 2.1e11 1 8 0\n"
    "d 4 20000\n"
    "c 1500 2.1e11 1 8 0\n"
    "f 1 0 1 3 0\n"
    "a 3 4\n"
    "g .\n"
    "c 1500 2.1e11 1 8 0\n"
    "g .\n"
    "f 3 0 0\n"
    "c 1500 2.1e11 1 8 0\n"
    "d 4 20000\n"
    "g .\n"
    "c 1500 2.1e11 1 8 0\n"
    "g .\n",

    "a 1 2\n"
    "d 4 3000\n"
    "c 2000 2.1e11 1 0 0.004\n"
    "f 1 0 1 2 0\n"
    "a 1 2\n"
    "d 4 3000\n"
    "g .\n"
    "c 2000 2.1e11 1 0 0.004\n"
    "g .\n",
};

// A command is a menu key, and every line above starts with one.
std::int64_t count_commands(std::string_view text) {
  std::int64_t lines = 0;
  for (char c : text) {
    if (c == '\n') ++lines;
  }
  return lines;
}

// The four beams over and over, about kBatch commands in all, ending with q;
// each iteration runs the whole script through the menu loop, menu texts,
// prompts, number reads and result printing included, output kept in memory.
void BM_menu_beams(benchmark::State& state) {
  std::string script;
  std::int64_t commands = 0;
  while (commands < kBatch) {
    for (std::string_view beam : kBeams) {
      script.append(beam);
      commands += count_commands(beam);
    }
  }
  script.append("q\n");
  std::string output;
  for (auto _ : state) {
    dlt::console_open_script(script);
    dlt::run_menu();
    output = dlt::console_take_output();
    benchmark::DoNotOptimize(output);
  }
  state.SetItemsProcessed(state.iterations() * commands);
  // Every beam is well posed: a nan or inf would mean a broken script.
  if (output.find("nan") != std::string::npos || output.find("inf") != std::string::npos)
    state.SkipWithError("a result is not finite");
}
BENCHMARK(BM_menu_beams);

}  // namespace
