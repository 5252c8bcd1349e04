// Keyboard and standard streams on Windows, through the console API and the
// C runtime's key read.
//
// _getch puts the console into raw input for the one key it reads and back
// afterwards, so the program itself changes no console mode. A Ctrl-C, a
// Ctrl-Break or a closed window ends the program from a handler thread,
// possibly inside _getch: the handler puts back the mode found at start and
// removes the temporary file being written first.
#include "console/terminal.h"

#include <climits>
#include <cstring>

#include <conio.h>
#include <io.h>
#include <windows.h>

#include "console/keys.h"
#include "console/leaving.h"

namespace dlt {

static bool g_keyboard = false;
static HANDLE g_input = INVALID_HANDLE_VALUE;
static DWORD g_found_mode = 0;
static bool g_failures_to_errors = false;

// The temporary file being written, for the handler thread.
static char g_temporary[MAX_PATH + 64];
static volatile LONG g_has_temporary = 0;

static BOOL WINAPI on_console_event(DWORD /*event*/) {
  // The file is open for writing, but with deletion shared: it goes when
  // the process ends and its handle closes.
  if (g_has_temporary != 0) DeleteFileA(g_temporary);
  if (g_keyboard) SetConsoleMode(g_input, g_found_mode);
  return FALSE;  // the default handling then ends the process
}

void term_open() {
  g_input = GetStdHandle(STD_INPUT_HANDLE);
  g_keyboard = GetConsoleMode(g_input, &g_found_mode) != 0;
  g_failures_to_errors = _isatty(1) == 0;
  SetConsoleCtrlHandler(on_console_event, TRUE);
}

bool term_is_keyboard() { return g_keyboard; }

void term_begin_key() {}

int term_read_key() {
  int code = _getch();
  // In raw input Ctrl-C arrives as a key; it ends the program as it does at
  // a number prompt, where the console raises it.
  if (code == 3) ExitProcess(STATUS_CONTROL_C_EXIT);
  // F keys, arrows and the like come as 0 or 0xE0 and a second code.
  if (console_code_has_second(code)) return console_key(_getch());
  return code;
}

// The console hands pasted text to the key reads one key event at a time.
std::size_t term_read_typed_ahead(char* /*buffer*/, std::size_t /*size*/) { return 0; }

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
static void write_all(int fd, const char* text, std::size_t size) {
  while (size > 0) {
    unsigned int part = size < INT_MAX ? static_cast<unsigned int>(size) : INT_MAX;
    int n = _write(fd, text, part);
    if (n <= 0) return;  // the output is gone; nothing left to tell it
    text += n;
    size -= static_cast<std::size_t>(n);
  }
}

void term_write_output(const char* text, std::size_t size) { write_all(1, text, size); }

bool term_failures_to_errors() { return g_failures_to_errors; }

void term_write_errors(const char* text, std::size_t size) { write_all(2, text, size); }

// The handler runs in a thread of its own: nothing to block.
void hold_leaving_signals() {}

void release_leaving_signals() {}

bool note_temporary_file(const char* path) {
  std::size_t length = std::strlen(path);
  if (length >= sizeof g_temporary) return false;
  InterlockedExchange(&g_has_temporary, 0);
  std::memcpy(g_temporary, path, length + 1);
  InterlockedExchange(&g_has_temporary, 1);
  return true;
}

void forget_temporary_file() { InterlockedExchange(&g_has_temporary, 0); }

}  // namespace dlt
