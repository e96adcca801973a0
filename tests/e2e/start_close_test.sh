# The real program in a fresh folder: its window is shown centred with the
# template's size and style, and a WM_CLOSE from another program ends it
# with exit code 0.
source "$(dirname "$0")/lib.sh"

new_program_folder
start_app

read -r _ x y w h < <(probe window | grep '^outer')
read -r _ sw sh < <(probe window | grep '^screen')
expect_eq "$w x $h" "533 x 333" "outer size"
expect_eq "$x,$y" "$(( (sw - 533) / 2 )),$(( (sh - 333) / 2 ))" "position"
# WS_CAPTION | WS_CLIPCHILDREN | WS_VISIBLE: no system menu, no sizing frame, no min/max box.
expect_eq "$(probe window | grep '^style')" "style 16C00000" "window style"

probe close
wait_for_exit 10 || fail "the program did not end after WM_CLOSE"
expect_eq "$APP_EXIT" 0 "exit code"
echo "start_close: ok"
