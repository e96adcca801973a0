# 后复制文件名 in the real program, clicked with the real mouse: another
# Windows program then reads the list file's text as CF_TEXT, whatever the
# file holds at that moment; while another program holds the clipboard
# open, nothing changes.
source "$(dirname "$0")/lib.sh"

SENTINEL_HEX="73 65 6e 74 69 6e 65 6c 00"  # "sentinel" and its zero

# Puts the sentinel on the clipboard, clicks 按钮2 and waits until the
# clipboard no longer holds the sentinel. Prints the clipboard as hex.
copy_with_button2() {
  probe setclip sentinel >/dev/null
  click_control "$ID_BUTTON2"
  local text
  for _ in $(seq 50); do
    text=$(probe clipboard)
    [ "$text" != "$SENTINEL_HEX" ] && break
    sleep 0.1
  done
  echo "$text"
}

new_program_folder
start_app
list="$APP_DIR/Tarnvel.txt"

# CONTENT (printf format; "-" for no list file) | CF_TEXT another program reads
while IFS='|' read -r content expected; do
  rm -f "$list"
  [ "$content" != "-" ] && printf "$content" > "$list"
  expect_eq "$(copy_with_button2)" "$expected" "CF_TEXT after 按钮2 with list file '$content'"
done <<'CASES'
a.txt\r\nb.txt|61 2e 74 78 74 0d 0a 62 2e 74 78 74 00
-|00
|00
A\0B|41 00
\xc3\xfb\r\n\x81\x7f\xff|c3 fb 0d 0a 81 7f ff 00
CASES
# 编辑框1 never shows, whatever it relays.
[ "$(probe window | grep '^visible')" == "visible 1" ] || fail "main window not visible"

# The copy reads the file as it is now: edited after the last copy, the
# edited text is copied.
printf 'a.txt\r\nb.txt' > "$list"
copy_with_button2 >/dev/null
printf 'a.txt\r\nedited.txt\r\n' > "$list"
expect_eq "$(copy_with_button2)" "61 2e 74 78 74 0d 0a 65 64 69 74 65 64 2e 74 78 74 0d 0a 00" \
  "edited list file"
# X11's view of the same clipboard shows LF for CR LF.
expect_eq "$(xclip -o -selection clipboard | od -An -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')" \
  "61 2e 74 78 74 0a 65 64 69 74 65 64 2e 74 78 74 0a" "clipboard as X11 sees it"

# 20 MB of names arrive whole.
python3 - "$list" <<'PY'
import sys
line = b"".join(b"\xc3\xfb\xd7\xd6_%08d.txt\r\n" % i for i in range(1_000_000))
open(sys.argv[1], "wb").write(line[:20 * 1024 * 1024])
PY
probe setclip sentinel >/dev/null
click_control "$ID_BUTTON2"
for _ in $(seq 100); do
  probe clipboard "Z:$APP_DIR/clipboard.bin" >/dev/null
  [ "$(stat -c %s "$APP_DIR/clipboard.bin")" -gt 9 ] && break
  sleep 0.2
done
printf '\0' | cat "$list" - | cmp - "$APP_DIR/clipboard.bin" || fail "20 MB list file not copied whole"

# Another program holds the clipboard open with a window of its own: the
# click changes nothing, and shows nothing.
printf 'a.txt' > "$list"
probe setclip sentinel >/dev/null
# Straight into the file: a pipe through tr would hold "held" back until the end.
wine "$TARNVEL_PROBE" holdclip 5 > "$APP_DIR/hold.out" &
holder=$!
for _ in $(seq 50); do
  grep -q held "$APP_DIR/hold.out" 2>/dev/null && break
  sleep 0.1
done
grep -q held "$APP_DIR/hold.out" || fail "the clipboard holder did not start"
click_control "$ID_BUTTON2"
sleep 1.5
wait "$holder"
expect_eq "$(probe clipboard)" "$SENTINEL_HEX" "clipboard after a click while another program held it"
app_running || fail "the program ended"
# Once the clipboard is free, the next click copies.
expect_eq "$(copy_with_button2)" "61 2e 74 78 74 00" "copy after the clipboard was released"

echo "clipboard_copy: ok"
