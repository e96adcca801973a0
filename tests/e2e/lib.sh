# Shared by the end-to-end tests: a fresh program folder holding a copy of
# the real Tarnvel.exe, started under the test session's Wine and driven
# from outside like a user would.
set -euo pipefail
source "$TARNVEL_SOURCE_DIR/scripts/wine-env"

TITLE='Tarnvel提取文件名V2.3'
# Control identifiers of the main window.
ID_FILE_LIST=100
ID_BUTTON1=110
ID_TREE=120
ID_DRIVE_LIST=130
ID_BUTTON2=140
ID_EDIT_BOX=150
ID_LABEL=160

APP_DIR=
APP_PID=
APP_EXIT=

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# expect_eq ACTUAL EXPECTED WHAT
expect_eq() {
  [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"
}

# Console output of Windows programs ends lines with CR LF.
probe() { wine "$TARNVEL_PROBE" "$@" | tr -d '\r'; }

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# fails (returns 1) once SECONDS have passed.
wait_until() {
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Hex bytes of a file, e.g. "61 2e 0d 0a"; empty for an empty or missing file.
hex_of() { [ -f "$1" ] && od -An -v -tx1 "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//' || true; }

# A fresh folder with a copy of Tarnvel.exe: APP_DIR. Removed when the test ends.
new_program_folder() {
  APP_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tarnvel-e2e.XXXXXX")
  cp "$TARNVEL_EXE" "$APP_DIR/Tarnvel.exe"
  trap end_test EXIT
}

# Starts the program in APP_DIR and waits until its main window is shown.
start_app() {
  xdotool mousemove 5 5  # the pointer stays where the last test left it
  (cd "$APP_DIR" && exec wine Tarnvel.exe </dev/null >/dev/null 2>&1) &
  APP_PID=$!
  wait_for_window
}

wait_for_window() {
  for _ in $(seq 100); do
    if xdotool search --onlyvisible --name "^${TITLE}\$" >/dev/null 2>&1; then return 0; fi
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before its window showed"
    sleep 0.1
  done
  fail "no main window after 10 s"
}

# Waits up to SECONDS (default 10) for the program to end; APP_EXIT is its exit code.
wait_for_exit() {
  local seconds=${1:-10}
  for _ in $(seq $((seconds * 10))); do
    if ! kill -0 "$APP_PID" 2>/dev/null; then
      APP_EXIT=0
      wait "$APP_PID" || APP_EXIT=$?
      APP_PID=
      return 0
    fi
    sleep 0.1
  done
  return 1
}

app_running() { [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; }

# Screen rectangle "x y width height" of a control of the main window.
control_rect() { probe control "$1"; }

# Moves the pointer to the centre of a control and clicks it with a real button.
click_control() {
  local x y w h
  read -r x y w h < <(control_rect "$1")
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "${2:-1}"
}

end_test() {
  if app_running; then
    probe close >/dev/null 2>&1 || true
    wait_for_exit 5 || kill "$APP_PID" 2>/dev/null || true
  fi
  [ -n "$APP_DIR" ] && rm -rf "$APP_DIR"
}
