// The temporary file the program is writing, if any: a signal that ends the
// program removes it on the way out, before the default action ends the
// program, so that no half-written file is left beside a report.
//
// Making or removing the file and noting it here happen between
// hold_leaving_signals() and release_leaving_signals(): a signal that comes
// in between waits, and never finds a file made but not noted, or noted but
// renamed away.
#pragma once

namespace dlt {

// Blocks the signals sent to end the program (on POSIX SIGHUP, SIGINT,
// SIGQUIT, SIGTERM, SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF, SIGXCPU,
// SIGPIPE and SIGABRT; not the faults, which cannot wait), and lets them
// through again. Nothing on Windows, whose console events come on a thread
// of their own.
void hold_leaving_signals();
void release_leaving_signals();

// Copies path into a fixed buffer the signal handlers read. False where it
// does not fit; then nothing is noted.
bool note_temporary_file(const char* path);

void forget_temporary_file();

}  // namespace dlt
