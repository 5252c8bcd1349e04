#!/bin/sh
# cmake --install puts under a fresh prefix a program that runs and a man
# page that renders without a single warning (skipped, status 77, where
# groff is missing).
#   install_check.sh CMAKE BUILD_DIR PREFIX
set -eu
cmake=$1 build=$2 prefix=$3
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" > /dev/null

output=$(printf 'i . q' | "$prefix/bin/durchlauftraeger")
case $output in
  *"Projektteam Durchlauftraeger"*) ;;
  *) printf 'the installed program printed:\n%s\n' "$output"; exit 1 ;;
esac

page=$prefix/share/man/man1/durchlauftraeger.1
# Without groff the page cannot be rendered: a skip, not a failure.
if ! command -v groff > /dev/null; then
  echo "groff not found: manual page not rendered"
  exit 77
fi
warnings=$(groff -man -ww -z "$page" 2>&1)
if [ -n "$warnings" ]; then
  printf '%s\n' "$warnings"
  exit 1
fi
echo "installed and rendered: $prefix"
