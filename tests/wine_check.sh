#!/usr/bin/env bash
# The Windows build end to end under wine: every script given runs through
# durchlauftraeger.exe, all in one wine start (a start takes seconds), and
# must print what the Linux build prints for it, line endings aside. Only the
# sign of a NaN may differ: which operand's NaN an operation passes on
# depends on the compiler.
#
# usage: wine_check.sh LINUX_BINARY WINDOWS_EXE SCRIPT...
set -euo pipefail

linux_binary=$1
windows_exe=$2
shift 2

wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
work=$(dirname "$windows_exe")/wine-check
rm -rf "$work"
mkdir -p "$work"
cp "$windows_exe" "$work/durchlauftraeger.exe"

# One batch file runs them all; each output and exit status lands in a file.
names=()
{
  printf '@echo off\r\n'
  for script in "$@"; do
    name=$(basename "$script" .txt)
    names+=("$name")
    cp "$script" "$work/$name.txt"
    printf 'durchlauftraeger.exe < %s.txt > %s.out\r\n' "$name" "$name"
    printf 'echo %%ERRORLEVEL%% > %s.status\r\n' "$name"
  done
} > "$work/run.cmd"

# The wine prefix lives in the build tree, made on first use. No dialogs for
# components the program does not need.
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$windows_exe")" && pwd)/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
# Wine's own messages (such as those of a new prefix) are shown only where
# the check fails.
if ! (cd "$work" && "$wine" cmd /c run.cmd < /dev/null 2> wine.log); then
  cat "$work/wine.log"
fi

same_nan() { sed 's/-nan$/nan/'; }

passed=0
failed=0
for name in "${names[@]}"; do
  status=$(tr -d '\r ' < "$work/$name.status" 2>/dev/null || echo missing)
  if [ "$status" != 0 ]; then
    echo "FAILED $name: exit status $status"
    failed=$((failed + 1))
    continue
  fi
  if diff <("$linux_binary" < "$work/$name.txt" | same_nan) <(tr -d '\r' < "$work/$name.out" | same_nan) \
      > "$work/$name.diff"; then
    passed=$((passed + 1))
  else
    echo "FAILED $name: output differs from the Linux build (< Linux, > Windows)"
    head -n 40 "$work/$name.diff"
    failed=$((failed + 1))
  fi
done
echo "wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || cat "$work/wine.log"
[ "$failed" -eq 0 ]
