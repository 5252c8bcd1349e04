// The menu loop: the program itself. It owns the register file and the typed
// values for the whole run and hands both to the command bound to each key.
#pragma once

namespace dlt {

// Prints the menu, reads a key, runs its command, and starts over until q is
// pressed or input ends. Keys without a command print the menu again.
void run_menu();

// Prints the program's name, authors and date, then pauses.
void cmd_info();

}  // namespace dlt
