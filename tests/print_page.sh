#!/bin/sh
# Prints a local page file to PDF on A4 with headless Chromium, as its print
# style sheet lays it out, and writes the PDF's text beside it:
#   print_page.sh PAGE OUT.pdf OUT.txt
# Exits 77 where Chromium or pdftotext (poppler-utils) is not installed,
# nonzero where either fails.
set -u

if [ $# -ne 3 ]; then
  echo "usage: print_page.sh PAGE OUT.pdf OUT.txt" >&2
  exit 2
fi
page=$1
pdf=$2
text=$3

for tool in chromium pdftotext; do
  if ! command -v $tool >/dev/null 2>&1; then
    echo "print_page.sh: $tool is not installed" >&2
    exit 77
  fi
done
if [ ! -f "$page" ]; then
  echo "print_page.sh: no such page: $page" >&2
  exit 2
fi
case $page in
  /*) ;;
  *) page=$(pwd)/$page ;;
esac
case $pdf in
  /*) ;;
  *) pdf=$(pwd)/$pdf ;;
esac

profile=$(mktemp -d "${TMPDIR:-/tmp}/print_page.XXXXXX") || exit 1
trap 'rm -rf "$profile"' EXIT
rm -f "$pdf" "$text"
XDG_CONFIG_HOME=$profile/config
XDG_CACHE_HOME=$profile/cache
export XDG_CONFIG_HOME XDG_CACHE_HOME

timeout --kill-after=10 120 chromium \
  --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --enable-logging=stderr --v=0 --no-pdf-header-footer \
  --user-data-dir="$profile" --print-to-pdf="$pdf" "file://$page"
status=$?
if [ $status -ne 0 ]; then
  echo "print_page.sh: chromium failed with status $status" >&2
  [ $status -eq 77 ] && exit 1
  exit $status
fi
if [ ! -s "$pdf" ]; then
  echo "print_page.sh: chromium wrote no PDF to $pdf" >&2
  exit 1
fi
# In reading order, each table cell's words together.
pdftotext -raw "$pdf" "$text" || exit 1
exit 0
