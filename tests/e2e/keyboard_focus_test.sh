# The keyboard focus of the real program under real keys and clicks: the
# file list has it at start, Tab and Shift+Tab walk 文件框1, 按钮1, 按钮2,
# a control outside that cycle leads into it, the focus comes back after
# another program was active, and only a plain Esc ends the program.
source "$(dirname "$0")/lib.sh"

focus_is() { [ "$(probe focus)" == "$1" ]; }
active_is() { [ "$(probe active)" == "$1" ]; }

# Waits up to 5 s for the control with the keyboard focus to be EXPECTED.
expect_focus() {
  wait_until 5 focus_is "$1" || fail "$2: focus on '$(probe focus)', expected '$1'"
}

expect_active() {
  wait_until 5 active_is "$1" || fail "$2: the active window is not '$1'"
}

new_program_folder
start_app
expect_focus "$ID_FILE_LIST" "after start"

# KEYS | FOCUS AFTER THEM
while IFS='|' read -r keys focus; do
  xdotool key "$keys"
  expect_focus "$focus" "after $keys"
done <<CASES
Tab|$ID_BUTTON1
Tab|$ID_BUTTON2
Tab|$ID_FILE_LIST
shift+Tab|$ID_BUTTON2
shift+Tab|$ID_BUTTON1
shift+Tab|$ID_FILE_LIST
CASES

# 目录框1 is not in the cycle: from there Tab leads to 按钮2, Shift+Tab to 按钮1.
for keys in Tab shift+Tab; do
  click_control "$ID_TREE"
  expect_focus "$ID_TREE" "after a click into 目录框1"
  xdotool key "$keys"
  [ "$keys" == Tab ] && want=$ID_BUTTON2 || want=$ID_BUTTON1
  expect_focus "$want" "$keys from 目录框1"
done

# Another program's window takes the activation; a click on the main
# window's caption brings it back, with the focus on 按钮1 again.
wine "$TARNVEL_PROBE" front 5 >/dev/null &
front=$!
expect_active other "with another program's window in front"
read -r _ x y w _ < <(probe window | grep '^outer')
xdotool mousemove $((x + w / 2)) $((y + 8)) click 1
expect_active main "after a click on the caption"
expect_focus "$ID_BUTTON1" "after the main window was activated again"
wait "$front"

# Esc with a modifier leaves the program running; a plain Esc ends it.
for keys in shift+Escape ctrl+Escape; do
  xdotool key "$keys"
  sleep 0.5
  app_running || fail "$keys ended the program"
done
expect_active main "before Esc"
xdotool key Escape
wait_for_exit 10 || fail "Esc did not end the program"
expect_eq "$APP_EXIT" 0 "exit code after Esc"
echo "keyboard_focus: ok"
