#!/bin/sh
# Prints a local page file to PDF on A4 with headless Chromium (through
# render_page.sh), as its print style sheet lays it out, and writes the
# PDF's text beside it:
#   print_page.sh PAGE OUT.pdf OUT.txt
# Exits 77 where Chromium or pdftotext (poppler-utils) is not installed,
# nonzero where either fails.
set -u

if [ $# -ne 3 ]; then
  echo "usage: print_page.sh PAGE OUT.pdf OUT.txt" >&2
  exit 2
fi
if ! command -v pdftotext >/dev/null 2>&1; then
  echo "print_page.sh: pdftotext is not installed" >&2
  exit 77
fi
rm -f "$3"
sh "$(dirname "$0")/render_page.sh" "$1" "$2" || exit $?
# In reading order, each table cell's words together.
pdftotext -raw "$2" "$3"
