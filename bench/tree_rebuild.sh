#!/usr/bin/env bash
# The directory tree on folders of 10,000 and 50,000 subfolders (names in
# random order and mixed case): rebuild and choice, timed under Wine.
#   bench/tree_rebuild.sh [BUILD_DIR]   (default build/; scripts/build first)
# Runs in the project's Wine session; starts one if none is up.
set -euo pipefail
repo_root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BENCH_BUILD:-$repo_root/build}}
source "$repo_root/scripts/wine-env"

own_session=
if [ ! -s "$TARNVEL_WINE_STATE/display" ]; then
  TARNVEL_PROBE=$build/tvprobe.exe "$repo_root/scripts/wine-session" start >/dev/null
  own_session=1
  source "$repo_root/scripts/wine-env"
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/tarnvel-bench.XXXXXX")
cleanup() {
  rm -rf "$work"
  if [ -n "$own_session" ]; then "$repo_root/scripts/wine-session" stop; fi
}
trap cleanup EXIT

for count in 10000 50000; do
  folder=$work/f$count
  mkdir "$folder"
  (cd "$folder" && seq -f 'Folder %06g' "$count" | shuf | awk 'NR % 2 { $0 = tolower($0) } 1' \
    | tr '\n' '\0' | xargs -0 mkdir)
  wine "$build/bench_tree_rebuild.exe" "$(winepath -w "$folder" 2>/dev/null)" 2>/dev/null | tr -d '\r'
  rm -rf "$folder"
done
