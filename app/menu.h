// The menu loop: the program itself. It owns the register file and the typed
// values for the whole run and hands both to the command bound to each key.
// Where reports are asked for, it hands what each command applied to the
// record of the pass and has the reports written at every right end, or
// with piped input when it ends and where a new beam begins.
//
// app/ is main, the command line and this loop, nothing else. It may include
// report/reports.h of report/, engine/ and console/; nothing includes app/.
#pragma once

#include "report/reports.h"

namespace dlt {

// Prints the menu (not in quiet mode), reads a key, runs its command, and
// starts over until q is pressed or input ends. Keys without a command print the menu again.
// Returns the exit status: 1 where a report could not be written, else 0.
int run_menu(const ReportOptions& reports = {});

// Prints the program's name, authors and date, then pauses.
void cmd_info();

}  // namespace dlt
