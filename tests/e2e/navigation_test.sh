# A user's way through the program with real input: drive D chosen in the
# drop-down, a subfolder double-clicked in the tree, 按钮1 and 按钮2
# clicked. The list file and the clipboard then hold that subfolder's file
# names, not those of the program folder or the drive root.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/drives.sh"

new_program_folder
touch "$APP_DIR/program-folder.txt"
new_drive_prefix
add_drive d hd
mkdir -p "$DRIVE_ROOT/d/sub/inner" "$DRIVE_ROOT/d/other"
touch "$DRIVE_ROOT/d/root.txt" "$DRIVE_ROOT/d/sub/b.txt" "$DRIVE_ROOT/d/sub/A.doc" "$DRIVE_ROOT/d/other/o.txt"
start_drive_prefix
start_app

choose_drive d
expect_tree "D:/0 other/1 sub/1" "tree after choosing D"
double_click_tree_item sub
expect_tree "D:/0 sub/1 inner/2" "tree after a double-click on sub"

# eventually WHAT COMMAND...: waits up to 3 s for COMMAND to succeed.
eventually() {
  local what=$1
  shift
  for _ in $(seq 30); do
    "$@" && return 0
    sleep 0.1
  done
  fail "$what"
}

list_file_is() { [ "$(hex_of "$APP_DIR/Tarnvel.txt")" == "$(printf "$1" | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')" ]; }
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" == "$1" ]; }

click_control "$ID_BUTTON1"
eventually "list file after 按钮1: expected A.doc CR LF b.txt" list_file_is 'A.doc\r\nb.txt'

click_control "$ID_BUTTON2"
eventually "clipboard after 按钮2: expected A.doc LF b.txt" clipboard_is "A.doc
b.txt"
echo "navigation: ok"
