#include "app/menu.h"

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
  print("Durchlauftraeger, Projektteam Durchlauftraeger, 08.12.2026\n");
  pause();
}

// Runs the command bound to key; false where the key ends the program.
static bool run_command(int key, RegisterFile& R, InputValues& in) {
  switch (key) {
    case 'a':
      cmd_left_end(R, in);
      return true;
    case 'b':
      cmd_elastic_support(R, in);
      return true;
    case 'c':
      cmd_beam_segment(R, in);
      return true;
    case 'd':
      cmd_point_load(R, in);
      return true;
    case 'e':
      cmd_shaft_segment(R, in);
      return true;
    case 'f':
      cmd_condition(R, in);
      return true;
    case 'g':
      cmd_results(R, in);
      return true;
    case 'i':
      cmd_info();
      return true;
    case 'q':
    case kEndOfInput:
      return false;
    default:
      return true;
  }
}

void run_menu() {
  InputValues in;
  RegisterFile R;
  for (;;) {
    print(kMenu);
    in.key = read_key();
    if (!run_command(in.key, R, in)) return;
  }
}

}  // namespace dlt
