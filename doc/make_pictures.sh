#!/bin/sh
# Renders the report pages of three examples, and the envelope pages of the
# three- and four-span beams under their load cases, to the PNG files the
# README shows:
# the sketch and the diagrams, as headless Chromium draws them.
#   doc/make_pictures.sh [BUILD_DIR]       (default: build)
set -eu
cd "$(dirname "$0")/.."
program=${1:-build}/durchlauftraeger
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for example in einfeldtraeger gerbertraeger abgesetzte_welle; do
  # The shaft in N and mm, with its units on every value.
  if [ "$example" = abgesetzte_welle ]; then
    set -- --einheiten N,mm --titel "Welle, Beispiel"
  else
    set --
  fi
  "$program" "$@" --bericht "$work/$example.html" < "examples/$example.txt" > /dev/null
  # The shaft's page has the diagram of sigma too.
  height=1560
  [ "$example" = abgesetzte_welle ] && height=1760
  sh tests/render_page.sh "$work/$example.html" "doc/$example.png" 1000 "$height" 2> /dev/null
  echo "doc/$example.png"
done
# The envelope with the default factors, in kN and m.
"$program" --einheiten kN,m --titel "Dreifeldtraeger, Grenzwerte" --grenzwerte "$work/grenzwerte.html" \
  < examples/dreifeldtraeger_lastfaelle.txt > /dev/null
sh tests/render_page.sh "$work/grenzwerte.html" doc/grenzwerte.png 1000 1425 2> /dev/null
echo doc/grenzwerte.png
# The four spans, each loaded in a case of its own: every span's and every
# support's moment labelled.
"$program" --einheiten kN,m --titel "Vierfeldtraeger, Grenzwerte" --grenzwerte "$work/vierfeld.html" \
  < examples/vierfeldtraeger_lastfaelle.txt > /dev/null
sh tests/render_page.sh "$work/vierfeld.html" doc/grenzwerte_vierfeld.png 1000 1425 2> /dev/null
echo doc/grenzwerte_vierfeld.png
