#!/usr/bin/env bash
# Times the clipboard copy of list files of the given sizes in MB (default
# 10 and 20) in the real program and prints the extra peak memory it takes.
#   bench/clipboard_copy.sh [MB...]
# Each size: a fresh program folder and, once the program runs, a list file
# of GBK names with CR LF between them; another program sends 按钮2's clicked
# notification three times and times each handling. Uses the running Wine
# session of this checkout, or starts one for the run. Needs a build
# (scripts/build).
set -euo pipefail
repo_root=$(cd "$(dirname "$0")/.." && pwd)
export TARNVEL_PROBE=${TARNVEL_PROBE:-${BENCH_BUILD:-$repo_root/build}/tvprobe.exe}
exe=${TARNVEL_EXE:-${BENCH_BUILD:-$repo_root/build}/Tarnvel.exe}
source "$repo_root/scripts/wine-env"

own_session=
if ! { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && wine "$TARNVEL_PROBE" ping; } 2>/dev/null; then
  "$repo_root/scripts/wine-session" start >/dev/null
  own_session=1
  source "$repo_root/scripts/wine-env"
fi
probe() { wine "$TARNVEL_PROBE" "$@" | tr -d '\r'; }

folder=
app=
finish() {
  [ -n "$app" ] && { probe close >/dev/null 2>&1 || true; wait "$app" 2>/dev/null || true; }
  [ -n "$folder" ] && rm -rf "$folder"
  [ -n "$own_session" ] && "$repo_root/scripts/wine-session" stop
  return 0
}
trap finish EXIT

kb() { awk -v key="$1:" '$1 == key { print $2 }' "/proc/$2/status"; }

# Extra peak memory over the program before the first copy, in MB and in
# multiples of the text's size: after the first copy, and after the later
# ones, during which the clipboard's previous block still exists.
echo "size_mb  copy_ms (3 runs)       peak, first      peak, again"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10 20)
for mb in "${sizes[@]}"; do
  folder=$(mktemp -d "${TMPDIR:-/tmp}/tarnvel-bench.XXXXXX")
  cp "$exe" "$folder/Tarnvel.exe"
  (cd "$folder" && exec wine Tarnvel.exe </dev/null >/dev/null 2>&1) &
  app=$!
  for _ in $(seq 100); do probe window >/dev/null 2>&1 && break; sleep 0.1; done
  # After the start-up export, which writes the list file of its own.
  python3 - "$folder/Tarnvel.txt" "$mb" <<'PY'
import sys
size = int(sys.argv[2]) * 1024 * 1024
names = b"".join(b"\xc3\xfb\xd7\xd6_%08d.txt\r\n" % i for i in range(size // 20 + 1))
open(sys.argv[1], "wb").write(names[:size])
PY
  # `wine` hands over to the Windows process under the same process id.
  before=$(kb VmRSS "$app")
  times=("$(probe click 140)")
  first=$(kb VmHWM "$app")
  for _ in 2 3; do times+=("$(probe click 140)"); done
  again=$(kb VmHWM "$app")
  text=$(stat -c %s "$folder/Tarnvel.txt")
  extra() { awk -v a="$1" -v b="$before" -v t="$text" 'BEGIN { printf "%.1f MB %.1fx", (a - b) / 1024, (a - b) * 1024 / t }'; }
  printf '%-8s %-22s %-16s %s\n' "$mb" "${times[*]}" "$(extra "$first")" "$(extra "$again")"
  probe close >/dev/null
  wait "$app" || true
  app=
  rm -rf "$folder"
  folder=
done
