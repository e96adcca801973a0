# Files named like system DLLs in the program folder are never loaded in
# place of the system's: the program starts, writes its list file and
# copies it as if they were ordinary files (which they are, to it).
source "$(dirname "$0")/lib.sh"

new_program_folder
for dll in user32 gdi32 comctl32 msimg32 ole32 shell32 uxtheme; do
  echo "not a DLL" > "$APP_DIR/$dll.dll"
done
start_app

listed=$(tr '\r' '\n' < "$APP_DIR/Tarnvel.txt" | grep -c '\.dll$' || true)
expect_eq "$listed" 7 "DLL-named files in the list file"

probe setclip sentinel >/dev/null
click_control "$ID_BUTTON2"
expected="$(hex_of "$APP_DIR/Tarnvel.txt") 00"
copied_is() { [ "$(probe clipboard | tr 'A-F' 'a-f')" == "$1" ]; }
wait_until 5 copied_is "$expected" ||
  fail "clipboard after 按钮2: '$(probe clipboard)', expected '$expected'"

probe close
wait_for_exit 10 || fail "the program did not end after WM_CLOSE"
expect_eq "$APP_EXIT" 0 "exit code"
echo "planted_dll: ok"
