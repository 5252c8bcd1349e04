// durchlauftraeger: bending of continuous beams and stepped round shafts by
// the transfer-matrix method, driven from a German single-key menu.
#include "app/menu.h"
#include "console/stream.h"

int main() {
  dlt::console_open();
  dlt::run_menu();
  dlt::console_close();
  return 0;
}
