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
expect_eq "$(tree_outline)" "D:/0 other/1 sub/1" "tree after choosing D"
double_click_tree_item sub
expect_eq "$(tree_outline)" "D:/0 sub/1 inner/2" "tree after a double-click on sub"

click_control "$ID_BUTTON1"
sleep 0.5
expect_eq "$(hex_of "$APP_DIR/Tarnvel.txt")" "$(printf 'A.doc\r\nb.txt' | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')" \
  "list file after 按钮1"

click_control "$ID_BUTTON2"
sleep 0.5
expect_eq "$(xclip -o -selection clipboard 2>/dev/null)" "A.doc
b.txt" "clipboard after 按钮2"
echo "navigation: ok"
