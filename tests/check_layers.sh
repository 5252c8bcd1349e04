#!/bin/sh
# The layers, checked from the includes: app/ -> report/ -> engine/ ->
# console/ and app/ -> model/ -> engine/, model/ and report/ side by side,
# neither including the other; inside report/ the door reports.h over
# beam_file/, envelope/, beam/, pass/ and format/, each including only what
# lies below it (beam_file/ leaves beam/ to envelope/). Prints every include
# that runs the wrong way and fails where there is one.
#
# usage: check_layers.sh SOURCE_DIR
set -eu
cd "$1"

status=0
# Fails for every include in the files of a folder that matches a pattern.
forbid() {
  folder=$1 pattern=$2 why=$3
  found=$(grep -Hn '^#include "' "$folder"/*.h "$folder"/*.cpp 2>/dev/null | grep -E "$pattern" || true)
  if [ -n "$found" ]; then
    printf '%s\n%s\n' "$why:" "$found"
    status=1
  fi
}

forbid console '#include "(app|report|engine)/' "console/ includes nothing of the program above it"
forbid engine '#include "(app|report)/' "engine/ includes only engine/ and console/"
forbid report/format '#include "(app/|report/(pass|beam|envelope|beam_file)/|report/reports\.h)' \
  "format/ knows no beam: no pass/, beam/, envelope/, beam_file/ or door"
forbid report/pass '#include "(app/|report/(beam|envelope|beam_file)/|report/reports\.h)' \
  "pass/ includes only engine/, format/ and itself"
forbid report/beam '#include "(app/|report/(envelope|beam_file)/|report/reports\.h)' \
  "beam/ never includes envelope/, beam_file/ or the door"
forbid report/envelope '#include "(app/|report/beam_file/|report/reports\.h)' \
  "envelope/ never includes beam_file/ or the door"
forbid report/beam_file '#include "(app/|report/beam/|report/reports\.h)' \
  "beam_file/ includes only envelope/, pass/, format/ and itself"
forbid report '#include "app/' "report/ never includes app/"
forbid model '#include "(app|report)/' "model/ includes only engine/, console/ and itself"

# Of the program above model/ only app/ includes it: nothing below or beside.
found=$(grep -rHn --include='*.h' --include='*.cpp' '^#include "model/' console engine report || true)
if [ -n "$found" ]; then
  printf '%s\n%s\n' "console/, engine/ and report/ never include model/:" "$found"
  status=1
fi
forbid app '#include "report/(format|pass|beam|envelope|beam_file)/' "app/ includes only report/reports.h of report/"

# format/ may use engine/quantity.h alone of the engine.
found=$(grep -Hn '^#include "engine/' report/format/*.h report/format/*.cpp | grep -v 'engine/quantity\.h"' || true)
if [ -n "$found" ]; then
  printf '%s\n%s\n' "format/ includes of engine/ only quantity.h:" "$found"
  status=1
fi

if [ "$status" -eq 0 ]; then echo "every include runs down the layers"; fi
exit "$status"
