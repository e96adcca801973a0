# Sourced by end-to-end tests that need drives the session's prefix lacks:
# a private copy of the prefix with extra drives. The copy runs a Wine
# server of its own, so the session's server and the other tests never see
# the extra drives. Source it after lib.sh.
#   new_drive_prefix; add_drive d cdrom; ...; start_drive_prefix
DRIVE_ROOT=

# Copies the session's prefix and makes it this test's WINEPREFIX.
new_drive_prefix() {
  DRIVE_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/tarnvel-drives.XXXXXX")
  cp -a "$WINEPREFIX" "$DRIVE_ROOT/prefix"
  export WINEPREFIX=$DRIVE_ROOT/prefix
  printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n' > "$DRIVE_ROOT/drives.reg"
  trap 'end_test; drop_drive_prefix' EXIT
}

# add_drive LETTER TYPE [LABEL]: drive LETTER: of the type ("hd", "cdrom",
# "floppy", "network", "ramdisk") on the folder DRIVE_ROOT/LETTER, which it
# prints; c stays on the prefix's drive_c. LABEL goes into .windows-label.
add_drive() {
  local letter=$1 type=$2 label=${3:-} folder
  if [ "$letter" = c ]; then
    folder=$WINEPREFIX/drive_c
  else
    folder=$DRIVE_ROOT/$letter
    mkdir -p "$folder"
    ln -sfn "$folder" "$WINEPREFIX/dosdevices/$letter:"
  fi
  echo "\"$letter:\"=\"$type\"" >> "$DRIVE_ROOT/drives.reg"
  if [ -n "$label" ]; then printf '%s' "$label" > "$folder/.windows-label"; fi
}

# Writes the drive types and restarts the prefix's server, which reads
# drives only when it starts.
start_drive_prefix() {
  wine reg import "$DRIVE_ROOT/drives.reg" </dev/null >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
}

drop_drive_prefix() {
  if [ -n "$DRIVE_ROOT" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    rm -rf "$DRIVE_ROOT"
  fi
}

# The entries of the drive list, as "index<TAB>letter code<TAB>text" in UTF-8.
drive_entries() { probe combo "$ID_DRIVE_LIST" | iconv -f GBK -t UTF-8; }

# The tree's items as "depth<TAB>text<TAB>picture<TAB>selected picture<TAB>
# expanded<TAB>selected<TAB>x<TAB>y" in UTF-8.
tree_items() { probe tree "$ID_TREE" | iconv -f GBK -t UTF-8; }

# The tree as "text/depth" words: "D:/0 a/1 b/1".
tree_outline() { tree_items | awk -F'\t' '{ printf "%s%s/%s", (NR > 1 ? " " : ""), $2, $1 }'; }

# expect_tree OUTLINE WHAT: waits up to 3 s for the tree to show OUTLINE.
expect_tree() {
  local outline
  for _ in $(seq 30); do
    outline=$(tree_outline)
    [ "$outline" == "$1" ] && return 0
    sleep 0.1
  done
  fail "$2: expected tree '$1', got '$outline'"
}

# Chooses the drive with that letter in the dropped-down drive list with
# real input: a click drops it down, the letter picks the entry, Enter
# confirms it.
choose_drive() {
  click_control "$ID_DRIVE_LIST"
  sleep 0.3
  xdotool key "$1"
  sleep 0.2
  xdotool key Return
}

# Double-clicks the tree item with that text with the real mouse button.
double_click_tree_item() {
  local x y
  read -r x y < <(tree_items | awk -F'\t' -v text="$1" '$2 == text { print $7, $8; exit }')
  [ -n "$x" ] || fail "no tree item '$1'"
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1
}
