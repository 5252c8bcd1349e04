#!/bin/sh
# Renders a local page file with headless Chromium to a PNG screenshot, or
# where OUT ends in .pdf prints it to PDF as its print style sheet lays it
# out (A4):
#   render_page.sh PAGE OUT.png [WIDTH HEIGHT]
#   render_page.sh PAGE OUT.pdf
# Chromium's standard error passes through, with its console messages
# (lines with CONSOLE). Exits 77 where Chromium is not installed, nonzero
# where it fails or writes nothing.
set -u

if [ $# -ne 2 ] && [ $# -ne 4 ]; then
  echo "usage: render_page.sh PAGE OUT.png [WIDTH HEIGHT]" >&2
  exit 2
fi
page=$1
out=$2
width=${3:-1000}
height=${4:-2600}

if ! command -v chromium >/dev/null 2>&1; then
  echo "render_page.sh: chromium is not installed" >&2
  exit 77
fi
if [ ! -f "$page" ]; then
  echo "render_page.sh: no such page: $page" >&2
  exit 2
fi

# Chromium wants a URL, and writes the screenshot relative to its own
# working directory: both paths absolute.
case $page in
  /*) ;;
  *) page=$(pwd)/$page ;;
esac
case $out in
  /*) ;;
  *) out=$(pwd)/$out ;;
esac

url=file://$page

# A fresh profile each time: nothing from an earlier run, nothing left over.
profile=$(mktemp -d "${TMPDIR:-/tmp}/render_page.XXXXXX") || exit 1
trap 'rm -rf "$profile"' EXIT
rm -f "$out"
# Chromium keeps crash reports and settings under the user's configuration
# and cache directories even with a profile of its own: into the temporary
# one with them too.
XDG_CONFIG_HOME=$profile/config
XDG_CACHE_HOME=$profile/cache
export XDG_CONFIG_HOME XDG_CACHE_HOME

# The screenshot at the window's size, or the print without the browser's
# header and footer.
case $out in
  *.pdf) set -- --no-pdf-header-footer --print-to-pdf="$out" ;;
  *) set -- --window-size="$width,$height" --screenshot="$out" ;;
esac

# timeout kills Chromium's whole process group if it hangs, and follows up
# with SIGKILL where SIGTERM is not enough.
timeout --kill-after=10 120 chromium \
  --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --hide-scrollbars --enable-logging=stderr --v=0 \
  --user-data-dir="$profile" "$@" "$url"
status=$?
if [ $status -ne 0 ]; then
  if [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "render_page.sh: chromium did not finish within 120 s" >&2
  else
    echo "render_page.sh: chromium failed with status $status" >&2
  fi
  # 77 would read as a skip; a failing Chromium is a failure.
  [ $status -eq 77 ] && exit 1
  exit $status
fi
if [ ! -s "$out" ]; then
  echo "render_page.sh: chromium wrote nothing to $out" >&2
  exit 1
fi
exit 0
