// Keyboard and standard streams on Windows, through the console API and the
// C runtime's key read.
//
// _getch puts the console into raw input for the one key it reads and back
// afterwards, so the program itself changes no console mode. A Ctrl-Break or
// a closed window ends the program from a handler thread, possibly inside
// _getch: the handler puts back the mode found at start first.
#include "console/terminal.h"

#include <climits>

#include <conio.h>
#include <io.h>
#include <windows.h>

namespace dlt {

static bool g_keyboard = false;
static HANDLE g_input = INVALID_HANDLE_VALUE;
static DWORD g_found_mode = 0;

static BOOL WINAPI on_console_event(DWORD /*event*/) {
  SetConsoleMode(g_input, g_found_mode);
  return FALSE;  // the default handling then ends the process
}

void term_open() {
  g_input = GetStdHandle(STD_INPUT_HANDLE);
  g_keyboard = GetConsoleMode(g_input, &g_found_mode) != 0;
  if (g_keyboard) SetConsoleCtrlHandler(on_console_event, TRUE);
}

bool term_is_keyboard() { return g_keyboard; }

void term_begin_key() {}

int term_read_key() {
  int code = _getch();
  // In raw input Ctrl-C arrives as a key; it ends the program as it does at
  // a number prompt, where the console raises it.
  if (code == 3) ExitProcess(STATUS_CONTROL_C_EXIT);
  return code;
}

void term_end_key() {}

bool term_input_ready() {
  switch (GetFileType(g_input)) {
    case FILE_TYPE_DISK:
      return true;
    case FILE_TYPE_PIPE: {
      DWORD available = 0;
      if (PeekNamedPipe(g_input, nullptr, 0, nullptr, &available, nullptr) != 0) return available > 0;
      // A pipe whose writer has gone reads as ended at once.
      return GetLastError() == ERROR_BROKEN_PIPE;
    }
    default:  // the console, where a read waits for a line
      return false;
  }
}

// Straight from the handle, without the C runtime's text mode, so that a
// script is read byte for byte as elsewhere.
std::size_t term_read_input(char* buffer, std::size_t size) {
  DWORD limit = size < MAXDWORD ? static_cast<DWORD>(size) : MAXDWORD;
  for (;;) {
    DWORD count = 0;
    if (ReadFile(g_input, buffer, limit, &count, nullptr) != 0) return count;
    // Ctrl-C aborts a console read while its handler thread ends the process.
    if (GetLastError() != ERROR_OPERATION_ABORTED) return 0;
  }
}

// Through the C runtime's text mode, so that lines end in CR LF as in any
// Windows program's output.
void term_write_output(const char* text, std::size_t size) {
  while (size > 0) {
    unsigned int part = size < INT_MAX ? static_cast<unsigned int>(size) : INT_MAX;
    int n = _write(1, text, part);
    if (n <= 0) return;  // the output is gone; nothing left to tell it
    text += n;
    size -= static_cast<std::size_t>(n);
  }
}

}  // namespace dlt
