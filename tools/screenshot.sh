#!/usr/bin/env bash
# tools/screenshot.sh OUT.png: a picture of the whole screen of $DISPLAY.
# Prints the absolute path of the file written.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: tools/screenshot.sh OUT.png" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "screenshot: DISPLAY is not set" >&2
  exit 1
fi
out=$1
mkdir -p "$(dirname "$out")"
import -window root "$out"
realpath "$out"
