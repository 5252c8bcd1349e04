#!/usr/bin/env bash
# The Windows build end to end under wine: every script given runs through
# durchlauftraeger.exe, all in one wine start (a start takes seconds), and
# must print what the Linux build prints for it, line endings aside. Each run
# also writes a text report, a CSV table and a page with the drawings at every
# right end, and the limits over its load cases as text, CSV and page (every
# other script with units and a title), and those files must be the same
# bytes as the Linux build's. Only the sign of a NaN may differ: which
# operand's NaN an operation passes on depends on the compiler.
# Besides: the key decoding as the cross compiler builds it
# (windows_keys_check.exe beside the program), and a report that would
# replace the program's own input, refused.
#
# Beam files (.toml) among them run as the program's argument, their reports
# compared the same way.
#
# usage: wine_check.sh LINUX_BINARY WINDOWS_EXE SCRIPT_OR_BEAM_FILE...
set -euo pipefail

linux_binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
windows_exe=$2
shift 2

wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
work=$(dirname "$windows_exe")/wine-check
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
cp "$windows_exe" "$work/durchlauftraeger.exe"
keys_check=$(dirname "$windows_exe")/windows_keys_check.exe
cp "$keys_check" "$work/"
# The first script, with a right end, as a report's name and its input.
cp "$1" "$work/eingabe.txt"

# The options for the labels of a script's reports: units and a title for
# every other script, by the parity of its name's length, none for the rest.
labels_for() {
  if [ $((${#1} % 2)) = 0 ]; then printf '%s' '--einheiten kN,m --titel "Pos. 1"'; fi
}

# A script's name without .txt; a beam file's with "_datei" for .toml, so
# that a script and the beam file beside it keep their results apart.
input_name() {
  case $1 in
    *.toml) printf '%s_datei' "$(basename "$1" .toml)" ;;
    *) basename "$1" .txt ;;
  esac
}
is_beam_file() { case $1 in *_datei) return 0 ;; *) return 1 ;; esac; }
input_file() {
  if is_beam_file "$1"; then printf '%s.toml' "${1%_datei}"; else printf '%s.txt' "$1"; fi
}

# One batch file runs them all; each output and exit status lands in a file.
names=()
{
  printf '@echo off\r\n'
  printf 'windows_keys_check.exe > keys.out\r\n'
  printf 'echo %%ERRORLEVEL%% > keys.status\r\n'
  # A report never replaces the program's own input.
  printf 'durchlauftraeger.exe --bericht eingabe.txt < eingabe.txt > eingabe.out 2> eingabe.err\r\n'
  printf 'echo %%ERRORLEVEL%% > eingabe.status\r\n'
  for script in "$@"; do
    name=$(input_name "$script")
    names+=("$name")
    cp "$script" "$work/$(input_file "$name")"
    printf 'durchlauftraeger.exe %s --bericht %s.bericht --bericht %s.csv --bericht %s.html' \
      "$(labels_for "$name")" "$name" "$name" "$name"
    printf ' --grenzwerte %s.grenzwerte --grenzwerte %s.grenzwerte.csv --grenzwerte %s.grenzwerte.html' \
      "$name" "$name" "$name"
    if is_beam_file "$name"; then
      printf ' %s < nul > %s.out\r\n' "$(input_file "$name")" "$name"
    else
      printf ' < %s.txt > %s.out\r\n' "$name" "$name"
    fi
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

same_nan() { sed 's/-nan\b/nan/g'; }
linux=$work/linux
mkdir -p "$linux"

passed=0
failed=0
if [ "$(tr -d '\r ' < "$work/keys.status" 2>/dev/null)" = 0 ]; then
  passed=$((passed + 1))
else
  echo "FAILED windows_keys_check:"
  cat "$work/keys.out" 2>/dev/null || true
  failed=$((failed + 1))
fi
if [ "$(tr -d '\r ' < "$work/eingabe.status" 2>/dev/null)" = 1 ] &&
  cmp -s "$work/eingabe.txt" "$1" &&
  grep -q 'Bericht nicht geschrieben: eingabe.txt: ist die Eingabe des Programms' "$work/eingabe.err"; then
  passed=$((passed + 1))
else
  echo "FAILED report onto the input: status $(cat "$work/eingabe.status" 2>/dev/null), errors:"
  cat "$work/eingabe.err" 2>/dev/null || true
  failed=$((failed + 1))
fi
for name in "${names[@]}"; do
  status=$(tr -d '\r ' < "$work/$name.status" 2>/dev/null || echo missing)
  if [ "$status" != 0 ]; then
    echo "FAILED $name: exit status $status"
    failed=$((failed + 1))
    continue
  fi
  labels=()
  if [ -n "$(labels_for "$name")" ]; then labels=(--einheiten kN,m --titel "Pos. 1"); fi
  # A beam file is an argument (its standard output the report alone, its
  # notices on standard error); a script is the input.
  input=("$work/$name.txt")
  file=()
  if is_beam_file "$name"; then
    input=(/dev/null)
    file=("$work/$(input_file "$name")")
  fi
  if ! diff <(cd "$linux" && "$linux_binary" "${labels[@]}" --bericht "$name.bericht" --bericht "$name.csv" \
      --bericht "$name.html" --grenzwerte "$name.grenzwerte" --grenzwerte "$name.grenzwerte.csv" \
      --grenzwerte "$name.grenzwerte.html" "${file[@]}" 2> /dev/null < "${input[0]}" |
      same_nan) <(tr -d '\r' < "$work/$name.out" | same_nan) > "$work/$name.diff"; then
    echo "FAILED $name: output differs from the Linux build (< Linux, > Windows)"
    head -n 40 "$work/$name.diff"
    failed=$((failed + 1))
    continue
  fi
  # The reports and the limits, where the script reached a right end: byte
  # for byte.
  same_reports=true
  for report in "$name.bericht" "$name.csv" "$name.html" "$name.grenzwerte" "$name.grenzwerte.csv" \
    "$name.grenzwerte.html"; do
    [ -e "$linux/$report" ] || [ -e "$work/$report" ] || continue
    if ! cmp -s <(same_nan < "$linux/$report") <(same_nan < "$work/$report"); then
      echo "FAILED $name: $report differs from the Linux build's (< Linux, > Windows)"
      diff "$linux/$report" "$work/$report" | head -n 40
      same_reports=false
    fi
  done
  if $same_reports; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
done
echo "wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || cat "$work/wine.log"
[ "$failed" -eq 0 ]
