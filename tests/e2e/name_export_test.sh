# The real program in a fresh folder writes that folder's names into
# Tarnvel.txt at start; after the file is deleted, a real click on 按钮1
# writes the same names again, from the list as it shows them.
source "$(dirname "$0")/lib.sh"

new_program_folder
printf 'x' > "$APP_DIR/b.txt"
printf 'x' > "$APP_DIR/A.doc"
printf 'x' > "$APP_DIR/x;y.txt"
mkdir "$APP_DIR/sub"
printf 'x' > "$APP_DIR/中文.txt"

hex_of_stdin() { od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
# Sorted with case ignored, Chinese in pinyin order, and 中文.txt in the
# program's code page 936.
expected=$({ printf 'A.doc\r\nb.txt\r\nTarnvel.exe\r\nx;y.txt\r\n'
             printf '中文.txt' | iconv -f UTF-8 -t GBK; } | hex_of_stdin)

start_app
expect_eq "$(hex_of "$APP_DIR/Tarnvel.txt")" "$expected" "list file written at start"

rm "$APP_DIR/Tarnvel.txt"
click_control "$ID_BUTTON1"
for _ in $(seq 50); do
  [ -f "$APP_DIR/Tarnvel.txt" ] && break
  sleep 0.1
done
expect_eq "$(hex_of "$APP_DIR/Tarnvel.txt")" "$expected" "list file written by 按钮1"
echo "name_export: ok"
