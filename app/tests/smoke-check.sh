#!/bin/sh
# Runs tools/smoke on a small settings and marker file and checks its outputs.
#   smoke-check.sh <source root> <build dir> <test data folder>
set -eu
root=$1
data=$3
out=$(mktemp -d /tmp/vistra-smoke-check-XXXXXX)
trap 'rm -rf "$out"' EXIT
VISTRA_BUILD_DIR=$2 "$root/tools/smoke" --settings "$data/smoke.INI" --markers "$data/smoke.csv" \
  --screenshot "$out/map.png" --events "$out/events.txt" --save "$out/markers.csv"
# A PNG picture of the map, the event log with the page's first report, and the markers as they were read.
head -c 8 "$out/map.png" | od -An -c | grep -q 'P   N   G' || { echo "no PNG screenshot" >&2; exit 1; }
grep -qx 'DownloadStart' "$out/events.txt" || { echo "no DownloadStart line" >&2; exit 1; }
grep -qx 'DownloadFinish' "$out/events.txt" || { echo "no DownloadFinish line" >&2; exit 1; }
cmp "$data/smoke.csv" "$out/markers.csv" || { echo "saved markers differ from the file read" >&2; exit 1; }
