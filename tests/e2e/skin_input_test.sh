# The skinned buttons and drive list of the real program answer real pointer
# input: screen pixels show the hot ring under the pointer, the pressed ring
# while the button is held, and the pressed drop button of the drive list.
source "$(dirname "$0")/lib.sh"

# "R,G,B" of one screen pixel.
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# expect_pixel X Y "R,G,B" WHAT: waits up to 2 s for the pixel to show it.
expect_pixel() {
  local seen
  for _ in $(seq 20); do
    seen=$(pixel "$1" "$2")
    [ "$seen" == "$3" ] && return 0
    sleep 0.1
  done
  fail "$4: pixel $1,$2 is $seen, expected $3"
}

new_program_folder
start_app

read -r bx by bw bh < <(control_rect "$ID_BUTTON1")
ring_x=$((bx + bw / 2))
ring_y=$((by + 2))
expect_pixel "$((bx + 1))" "$((by + bh / 2))" "0,60,115" "button border"
expect_pixel "$ring_x" "$ring_y" "255,255,255" "normal ring after start"

xdotool mousemove "$((bx + bw / 2))" "$((by + bh / 2))"
expect_pixel "$ring_x" "$ring_y" "255,240,207" "hot ring under the pointer"
xdotool mousedown 1
expect_pixel "$ring_x" "$ring_y" "209,204,193" "pressed ring while held"
xdotool mouseup 1
expect_pixel "$ring_x" "$ring_y" "255,240,207" "hot ring after the release"
xdotool mousemove 5 5
# The press gave the button the focus.
expect_pixel "$ring_x" "$ring_y" "206,231,255" "focused ring after the pointer left"

read -r dx dy dw dh < <(control_rect "$ID_DRIVE_LIST")
expect_pixel "$dx" "$((dy + dh / 2))" "123,158,189" "drive list frame"
expect_pixel "$((dx + 1))" "$((dy + dh / 2))" "255,255,255" "drive list inner line"
# The drop button's top-left pixel: the first pixel of its row in the
# corner colour of the button at rest, and then of the pressed button.
drop_y=$((dy + 2))
drop_x=$(import -window root -crop "${dw}x1+$dx+$drop_y" -depth 8 txt:- 2>/dev/null |
  sed -n 's/^\([0-9]*\),0: (231,239,255).*/\1/p' | head -n 1)
[ -n "$drop_x" ] || fail "no drop button corner on the drive list's third row"
drop_x=$((dx + drop_x))
expect_pixel "$drop_x" "$drop_y" "231,239,255" "drop button at rest"
xdotool mousemove "$((dx + dw - 10))" "$((dy + dh / 2))" mousedown 1
expect_pixel "$drop_x" "$drop_y" "189,195,222" "drop button while held"
xdotool mouseup 1 mousemove 5 5 key Escape
echo "skin_input: ok"
