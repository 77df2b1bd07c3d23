#!/usr/bin/env bash
# The real program in a real X server: one "Create Frames" run driven with clicks and key
# presses as a user makes them, then the framed pages on disk are checked byte for byte.
#
#   create_frames_test.bash PATH/TO/zandrift
set -euo pipefail
program=$1
source "$(dirname "$0")/zandrift_on_x.bash"

start_x_session

site=$session/site
mkdir -p "$site/archive"
printf '<html><head><title>Welcome home</title></head></html>\r\n' > "$site/index.html"
printf '<HTML><TITLE>About us & more</TITLE></HTML>\r\n' > "$site/about.htm"
printf '<html><body>No title</body></html>\r\n' > "$site/Gallery.HTM"
printf 'not a page\n' > "$site/notes.txt"
printf '<html><title>Old news</title></html>\r\n' > "$site/archive/old.html"
store_site_folder "$site"
address=https://new.example.org/moved

start_zandrift "$program"

click_new_address
address_box=$(visible_window_named '^Zandrift$' "$main_window")
type_into "$address_box" "$address"
visible_window_named "$(title_with_address "$address")\$" > /dev/null

click_create_frames
# Three pages are counted 0/2 to 2/2; then the "done" box comes up.
visible_window_named "$(title_with_address "$address") - 2/2\$" > /dev/null
done_box=$(visible_window_named '^Zandrift$' "$main_window")
xdotool windowactivate --sync "$done_box" key Return

# After the box the output folder is opened in the file manager.
wait_for "the output folder to be opened" grep -qs "$site/framedforward" "$session/opened-folders"

expected=$session/expected
mkdir -p "$expected"
frame() {
    printf '<html><head><title>%s</title><frameset rows="100%%"><frame src="%s/%s" name="redirect"></frameset>\r\n' \
        "$1" "$address" "$2" > "$expected/$2"
}
frame 'About us & more' about.htm
frame "$site/Gallery.HTM" Gallery.HTM
frame 'Welcome home' index.html
diff -r "$expected" "$site/framedforward" || fail "the framed pages differ from the expected ones"

end_zandrift
echo "PASS: Create Frames in a real window wrote $(ls "$site/framedforward" | wc -l) pages"
