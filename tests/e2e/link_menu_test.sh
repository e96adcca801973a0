# The link menu of the version label with the real pointer and keys: it pops
# up next to the pointer, only once while it is open, closes on Esc or a
# click outside without effect, opens each page in the browser that Wine is set to use, with
# either button, and its exit item ends the program with exit code 0.
source "$(dirname "$0")/lib.sh"

SITE='http://www.tarnvel.example'
BROWSER_KEY='HKCU\Software\Wine\WineBrowser'

new_program_folder

# The browser: a script that logs the address it is given. The session's
# own setting is put back when the test ends, so other tests keep theirs.
BROWSER_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tarnvel-browser.XXXXXX")
BROWSER_LOG=$BROWSER_DIR/opened.log
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' "$BROWSER_LOG" > "$BROWSER_DIR/browser"
chmod +x "$BROWSER_DIR/browser"
: > "$BROWSER_LOG"

saved_browsers=
had_browsers=
if query=$(wine reg query "$BROWSER_KEY" /v Browsers 2>/dev/null); then
  had_browsers=1
  saved_browsers=$(printf '%s\n' "$query" | tr -d '\r' | sed -n 's/^ *Browsers *REG_SZ *//p')
fi
restore_browsers() {
  if [ -n "$had_browsers" ]; then
    wine reg add "$BROWSER_KEY" /v Browsers /t REG_SZ /d "$saved_browsers" /f
  else
    wine reg delete "$BROWSER_KEY" /v Browsers /f
  fi >/dev/null 2>&1 || true
  rm -rf "$BROWSER_DIR"
}
trap 'restore_browsers; end_test' EXIT
wine reg add "$BROWSER_KEY" /v Browsers /t REG_SZ /d "$BROWSER_DIR/browser" /f >/dev/null 2>&1

menu_count() { probe menus | grep -c . || true; }

menus_are() { [ "$(menu_count)" == "$1" ]; }
pages_at_least() { [ "$(wc -l < "$BROWSER_LOG")" -ge "$1" ]; }

# wait_for_menus N: until N pop-up menus are on the screen (5 s at most).
wait_for_menus() {
  wait_until 5 menus_are "$1" || fail "expected $1 pop-up menus, got $(menu_count)"
}

# wait_for_pages N: until the browser has been given N addresses.
wait_for_pages() {
  wait_until 10 pages_at_least "$1" ||
    fail "the browser was given $(wc -l < "$BROWSER_LOG") addresses, expected $1"
}

start_app

# A point on the visible part of the label: its top 3 rows are cut off.
read -r lx ly lw lh < <(control_rect "$ID_LABEL")
PX=$((lx + 10))
PY=$((ly + 3 + (lh - 3) / 2))

# Moves the pointer onto the label and waits for the menu: MX MY MW MH.
open_menu() {
  xdotool mousemove "$PX" "$PY"
  wait_for_menus 1
  read -r MX MY MW MH < <(probe menus)
}

# Centre of the menu's item at position $1 of its five equal rows: IX IY.
item_point() {
  IX=$((MX + MW / 2))
  IY=$((MY + MH * (2 * $1 + 1) / 10))
  # Off the label, so the pointer resting there cannot bring the menu back.
  [ "$IX" -ge $((lx + lw)) ] || fail "item $1 at $IX,$IY lies over the label"
}

# Opening: top-left corner 3 pixels right of and below the pointer.
open_menu
expect_eq "$MX,$MY" "$((PX + 3)),$((PY + 3))" "menu position"

# Moving within the open menu, and back over the label, opens no second one.
for i in 0 2 4; do
  item_point "$i"
  xdotool mousemove "$IX" "$IY"
  sleep 0.2
done
xdotool mousemove $((PX + 5)) "$PY"
sleep 0.5
expect_eq "$(menu_count)" 1 "pop-up menus after moving within the menu"

# Esc, or a click outside the menu with either button, closes it and nothing
# happens. The pointer leaves the label first: resting there it would bring
# the menu back on its next movement. The first round closes the menu that
# is already open.
for action in "key Escape" "click 1" "click 3"; do
  open_menu
  xdotool mousemove 5 5
  sleep 0.2
  xdotool $action
  wait_for_menus 0
  sleep 0.5
  expect_eq "$(menu_count)" 0 "pop-up menus after $action"
  app_running || fail "$action on the menu ended the program"
  expect_eq "$(wc -l < "$BROWSER_LOG")" 0 "addresses opened after $action"
done

# Each link item opens its page, chosen with the left (1) or the right (3) button.
pages=0
while read -r item button page; do
  open_menu
  item_point "$item"
  xdotool mousemove "$IX" "$IY"
  sleep 0.2
  xdotool click "$button"
  wait_for_menus 0
  pages=$((pages + 1))
  wait_for_pages "$pages"
  expect_eq "$(tail -n 1 "$BROWSER_LOG")" "$SITE$page" "page of item $item (button $button)"
  app_running || fail "opening a page ended the program"
done <<'EOF'
1 1 /thread-14173-1-1.html
2 3 /mianfeiwangzhuan.html
3 1 /thread-9282-1-1.html
4 3 /thread-12317-1-1.html
EOF

# 退出 closes the menu, then the main window, and the program ends with 0.
open_menu
item_point 0
xdotool mousemove "$IX" "$IY"
sleep 0.2
xdotool click 1
wait_for_exit 10 || fail "the program did not end after 退出"
expect_eq "$APP_EXIT" 0 "exit code"
expect_eq "$(menu_count)" 0 "pop-up menus after 退出"
expect_eq "$(wc -l < "$BROWSER_LOG")" "$pages" "addresses opened after 退出"
echo "link_menu: ok"
