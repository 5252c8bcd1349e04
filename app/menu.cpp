#include "app/menu.h"

#include <new>

#include "console/console.h"
#include "console/input_values.h"
#include "console/stream.h"
#include "engine/conditions.h"
#include "engine/left_end.h"
#include "engine/point_loads.h"
#include "engine/register_file.h"
#include "engine/results.h"
#include "engine/segments.h"

namespace dlt {

static constexpr char kMenu[] =
    "Durchlauftraeger,i Info\n"
    "F1 a linkes Traegerende\n"
    "F2 b Z-Bed. elast.Lager\n"
    "F3 c Traegerabschnitt\n"
    "F4 d Einzellast\n"
    "F5 e Wellenabschnitt\n"
    "F6 f Lager,Gelenk,re.Ende\n"
    "F7 g w, psi, M, Q\n"
    "F8 q Exit\n";

void cmd_info() {
  print_result("Durchlauftraeger, Projektteam Durchlauftraeger, 08.12.2026\n");
  pause();
}

// F1 to F8 at a keyboard do what the menu's labels say.
static int command_key(int key) {
  static constexpr char kFunctionKeyCommands[] = "abcdefgq";
  if (key > kFunctionKey && key <= kFunctionKey + 8) return kFunctionKeyCommands[key - kFunctionKey - 1];
  return key;
}

// Runs the command bound to key.
static CommandEffect run_command(int key, RegisterFile& R, InputValues& in) {
  switch (key) {
    case 'a':
      return cmd_left_end(R, in);
    case 'b':
      return cmd_elastic_support(R, in);
    case 'c':
      return cmd_beam_segment(R, in);
    case 'd':
      return cmd_point_load(R, in);
    case 'e':
      return cmd_shaft_segment(R, in);
    case 'f':
      return cmd_condition(R, in);
    case 'g':
      return cmd_results(R, in);
    case 'i':
      cmd_info();
      return {};
    default:
      return {};
  }
}

// Gives up the pass being entered, where memory ran out in the engine or in
// the reports' record of it.
static void give_up_pass(ReportSession& session, RegisterFile& R) {
  abandon_pass(R);
  print_failure(kPassAbandonedNotice);
  report_command(session, {Effect::pass_closed, {}}, R);
}

// Runs the command bound to key, where memory may run out: the pass is then
// given up, and each element after it refused until the next left end.
static CommandEffect run_within_memory(int key, RegisterFile& R, InputValues& in, ReportSession& session,
                                       int& status) {
  bool abandoned = R.pass_abandoned;
  try {
    CommandEffect effect = run_command(key, R, in);
    if (abandoned && R.pass_abandoned && effect.effect == Effect::element) {
      // Standard error has had the notice that gave the pass up.
      print_notice(kAbandonedPassNotice);
      return {};
    }
    return effect;
  } catch (const std::bad_alloc&) {
    give_up_pass(session, R);
    status = 1;
    return {};
  }
}

int run_menu(const ReportOptions& reports) {
  InputValues in;
  RegisterFile R;
  ReportSession session = start_reports(reports);
  // Piped input has its files written once it ends; a keyboard's user reads
  // them after every right end.
  session.options.write_at_end = !keys_from_keyboard();
  int status = 0;
  for (;;) {
    print(kMenu);
    in.key = command_key(read_key());
    if (in.key == 'q' || in.key == kEndOfInput) return finish_reports(session) ? status : 1;
    CommandEffect effect = run_within_memory(in.key, R, in, session, status);
    if (!report_command(session, effect, R)) status = 1;
    if (record_out_of_memory(session) && !R.pass_abandoned) {
      give_up_pass(session, R);
      status = 1;
    }
  }
}

}  // namespace dlt
