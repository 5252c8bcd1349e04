#!/usr/bin/env bash
# Two builds of durchlauftraeger side by side: every script runs through both,
# and everything they make must be the same bytes, so that a refactoring can
# show it changed no output. Each script runs three times per build, each run
# in an empty directory of its own: once with
#   --bericht r.txt --bericht r.csv --bericht r.html --punkte P
# once with the envelope files of its load cases
#   --grenzwerte g.txt --grenzwerte g.csv --grenzwerte g.html --punkte P
# (P is 1, 3 or 10 in turn from script to script), once without options.
# Standard output, standard error, exit status, the three reports, the three
# envelope files and the names of any other files left in the directory are
# compared.
#
# usage: compare_builds.sh OLD_BINARY NEW_BINARY [SCRIPT...]
#   RANDOM_COUNT=N  also compares N scripts made by random_scripts.py
#   RANDOM_SEED=S   their seed (default 1)
#   JOBS=N          comparisons run at the same time (default 2)
#   COMPARE_REPORTS="r.csv g.csv"  the reports and envelope files compared
#                   byte for byte (default all six), where a change alters
#                   the others on purpose
#
# Prints a line for each script that differs, then how many scripts wrote
# reports, how many wrote envelope files, and "N passed, N failed"; exits
# with 1 if any failed. The outputs
# of the scripts that differ are kept in a temporary directory it names.
set -euo pipefail
export COMPARE_REPORTS=${COMPARE_REPORTS:-r.txt r.csv r.html g.txt g.csv g.html}

if [ $# -lt 2 ]; then
  echo "usage: $0 OLD_BINARY NEW_BINARY [SCRIPT...]" >&2
  exit 2
fi

# An absolute name for a file, or a program found on the PATH.
absolute() {
  case $1 in
    /*) printf '%s\n' "$1" ;;
    */*) printf '%s/%s\n' "$(pwd)" "$1" ;;
    *) command -v -- "$1" || printf '%s/%s\n' "$(pwd)" "$1" ;;
  esac
}

COMPARE_OLD=$(absolute "$1")
COMPARE_NEW=$(absolute "$2")
shift 2
for binary in "$COMPARE_OLD" "$COMPARE_NEW"; do
  if [ ! -f "$binary" ] || [ ! -x "$binary" ]; then
    echo "$0: $binary is no executable file" >&2
    exit 2
  fi
done

COMPARE_WORK=$(mktemp -d "${TMPDIR:-/tmp}/compare_builds.XXXXXX")
trap 'rm -rf "$COMPARE_WORK"' EXIT
mkdir "$COMPARE_WORK/runs" "$COMPARE_WORK/results"

scripts=()
for script in "$@"; do
  if [ ! -f "$script" ] || [ ! -r "$script" ]; then
    echo "$0: cannot read $script" >&2
    exit 2
  fi
  scripts+=("$(absolute "$script")")
done
if [ -n "${RANDOM_COUNT:-}" ] && [ "$RANDOM_COUNT" -gt 0 ]; then
  python3 "$(dirname "$0")/random_scripts.py" "${RANDOM_SEED:-1}" "$RANDOM_COUNT" "$COMPARE_WORK/random"
  for script in "$COMPARE_WORK"/random/random_*.txt; do
    scripts+=("$script")
  done
fi
if [ ${#scripts[@]} -eq 0 ]; then
  echo "$0: no scripts given (name some, or set RANDOM_COUNT)" >&2
  exit 2
fi

# Runs one build on one script in the empty directory DIR: DIR.out, DIR.err
# and DIR.status get its standard output, standard error and exit status.
run_build() {
  local binary=$1 script=$2 dir=$3
  shift 3
  mkdir "$dir"
  (
    set +e +o pipefail
    cd "$dir" || exit 1
    cat -- "$script" | timeout 60 "$binary" "$@" > "$dir.out" 2> "$dir.err"
    echo "${PIPESTATUS[1]}" > "$dir.status"
  )
}

# The files in DIR other than the three reports and the three envelope files.
others() {
  (cd "$1" && LC_ALL=C ls -A) | grep -v -x -e r.txt -e r.csv -e r.html -e g.txt -e g.csv -e g.html || true
}

# What differs between the runs OLD and NEW (directories as run_build left
# them), as words; nothing where all is the same.
differences() {
  local old=$1 new=$2 what=() old_status new_status name
  cmp -s "$old.out" "$new.out" || what+=("stdout")
  cmp -s "$old.err" "$new.err" || what+=("stderr")
  old_status=$(cat "$old.status")
  new_status=$(cat "$new.status")
  if [ "$old_status" != "$new_status" ]; then
    what+=("exit status $old_status/$new_status")
  elif [ "$old_status" = 124 ]; then
    what+=("both timed out")
  fi
  for name in $COMPARE_REPORTS; do
    if [ -e "$old/$name" ] && [ -e "$new/$name" ]; then
      cmp -s "$old/$name" "$new/$name" || what+=("$name")
    elif [ -e "$old/$name" ]; then
      what+=("$name missing in new")
    elif [ -e "$new/$name" ]; then
      what+=("$name only in new")
    fi
  done
  # Anything else left behind, such as a report's temporary file.
  if [ "$(others "$old")" != "$(others "$new")" ]; then
    what+=("other files")
  fi
  if [ ${#what[@]} -gt 0 ]; then
    local joined
    joined=$(printf '%s, ' "${what[@]}")
    printf '%s\n' "${joined%, }"
  fi
}

# Compares the builds on script number INDEX; writes a line to results/INDEX:
# "pass" or "fail" with what differed; then "reports" where the old build's
# run with --bericht wrote a report, and "envelopes" where its run with
# --grenzwerte wrote an envelope file. Keeps the runs only where they differ.
compare_script() {
  set -euo pipefail
  local index=$1 script=$2
  local id punkte runs found failed=false line="" wrote wrote_envelopes
  id=$(printf '%05d' "$index")
  local points=(1 3 10)
  punkte=${points[index % 3]}
  runs=$COMPARE_WORK/runs/$id
  mkdir "$runs"
  printf '%s\n' "$script" > "$runs/script"

  run_build "$COMPARE_OLD" "$script" "$runs/reports.old" \
    --bericht r.txt --bericht r.csv --bericht r.html --punkte "$punkte"
  run_build "$COMPARE_NEW" "$script" "$runs/reports.new" \
    --bericht r.txt --bericht r.csv --bericht r.html --punkte "$punkte"
  run_build "$COMPARE_OLD" "$script" "$runs/envelopes.old" \
    --grenzwerte g.txt --grenzwerte g.csv --grenzwerte g.html --punkte "$punkte"
  run_build "$COMPARE_NEW" "$script" "$runs/envelopes.new" \
    --grenzwerte g.txt --grenzwerte g.csv --grenzwerte g.html --punkte "$punkte"
  run_build "$COMPARE_OLD" "$script" "$runs/plain.old"
  run_build "$COMPARE_NEW" "$script" "$runs/plain.new"

  found=$(differences "$runs/reports.old" "$runs/reports.new")
  if [ -n "$found" ]; then
    failed=true
    line="with --punkte $punkte: $found"
  fi
  found=$(differences "$runs/envelopes.old" "$runs/envelopes.new")
  if [ -n "$found" ]; then
    failed=true
    line="${line:+$line; }with --grenzwerte, --punkte $punkte: $found"
  fi
  found=$(differences "$runs/plain.old" "$runs/plain.new")
  if [ -n "$found" ]; then
    failed=true
    line="${line:+$line; }without options: $found"
  fi

  wrote=none
  for name in r.txt r.csv r.html; do
    if [ -e "$runs/reports.old/$name" ]; then wrote=reports; fi
  done
  wrote_envelopes=none
  for name in g.txt g.csv g.html; do
    if [ -e "$runs/envelopes.old/$name" ]; then wrote_envelopes=envelopes; fi
  done
  if $failed; then
    printf 'fail %s\n%s\n%s\n' "$line" "$wrote" "$wrote_envelopes" > "$COMPARE_WORK/results/$id"
  else
    rm -rf "$runs"
    printf 'pass\n%s\n%s\n' "$wrote" "$wrote_envelopes" > "$COMPARE_WORK/results/$id"
  fi
}

export COMPARE_OLD COMPARE_NEW COMPARE_WORK
export -f run_build others differences compare_script

for index in "${!scripts[@]}"; do
  printf '%s\0%s\0' "$index" "${scripts[$index]}"
done | xargs -0 -n 2 -P "${JOBS:-2}" bash -c 'compare_script "$@"' compare_script || true

passed=0
failed=0
reports=0
envelopes=0
for index in "${!scripts[@]}"; do
  id=$(printf '%05d' "$index")
  result=$(sed -n 1p "$COMPARE_WORK/results/$id" 2>/dev/null || true)
  [ -n "$result" ] || result="fail the comparison did not finish"
  if [ "$(sed -n 2p "$COMPARE_WORK/results/$id" 2>/dev/null || true)" = reports ]; then
    reports=$((reports + 1))
  fi
  if [ "$(sed -n 3p "$COMPARE_WORK/results/$id" 2>/dev/null || true)" = envelopes ]; then
    envelopes=$((envelopes + 1))
  fi
  case $result in
    pass*) passed=$((passed + 1)) ;;
    *)
      failed=$((failed + 1))
      echo "FAILED ${scripts[$index]}: ${result#fail }"
      ;;
  esac
done

echo "${reports} of ${#scripts[@]} scripts wrote reports"
echo "${envelopes} of ${#scripts[@]} scripts wrote envelope files"
if [ "$failed" -gt 0 ]; then
  # Keep the outputs that differ, and the generated scripts.
  trap - EXIT
  echo "kept in $COMPARE_WORK: runs/NUMBER/{reports,envelopes,plain}.{old,new}{,.out,.err,.status} of each differing script"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
