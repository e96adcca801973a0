# The drive list on a machine with a removable, an optical, a RAM and a
# network drive beside fixed drives with and without a volume label: the
# entries in the system's order with their texts and letters, the
# program's own drive selected at start, and every confirmed choice, of
# another drive or of the selected one again, sending the tree to that
# drive's root.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/drives.sh"

new_program_folder
new_drive_prefix
add_drive a floppy
add_drive c hd SYS
add_drive d cdrom
add_drive e hd
add_drive r ramdisk
add_drive y network
mkdir -p "$DRIVE_ROOT/d/deep/er" "$DRIVE_ROOT/d/other"
start_drive_prefix
start_app

# The program runs from Z:, which has no readable label.
expect_eq "$(drive_entries)" "0	65	A:
1	67	C: （硬盘） SYS
2	68	D: （光驱）
3	69	E: （硬盘）
4	82	R: （内存虚拟驱动器）
5	89	Y: （网络驱动器）
*6	90	Z: （硬盘）" "entries at start"

choose_drive d
expect_tree "D:/0 deep/1 other/1" "tree after choosing D"
expect_eq "$(drive_entries | grep '^\*')" "*2	68	D: （光驱）" "selected entry after choosing D"

double_click_tree_item deep
expect_tree "D:/0 deep/1 er/2" "tree after a double-click on deep"

# The selected entry once more: back to the drive's root.
choose_drive d
expect_tree "D:/0 deep/1 other/1" "tree after choosing D again"
echo "drive_list: ok"
