#!/bin/bash
# End to end with real input: vk.exe under Wine on its own Xvfb, driven by xdotool, read back through
# the screen and vk.ini; leaves a screenshot. Usage: keyboard_dial.sh VK.EXE OUTPUT_DIR (VK_BUILD:
# the build folder holding the Wine prefixes, as for tools/wine-run).
set -u
exe=$(realpath "$1")
out=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
export VK_BUILD=${VK_BUILD:-$root/build}
mkdir -p "$out"
work=$(mktemp -d)
shot="$work/screen.png"
xvfb="" vk="" failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() {
    [ -n "$vk" ] && "$root/tools/wine-run" taskkill /f /im vk.exe >/dev/null 2>&1
    [ -n "$xvfb" ] && "$root/tools/wine-run" --stop >/dev/null 2>&1 && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' INT TERM

# The prefix exists before the desktop lock is taken (making it takes that lock); then our
# own X display, on which the Wine virtual desktop opens at the top-left corner.
"$root/tools/wine-run" cmd /c exit 0 >/dev/null 2>&1
exec 8>"$VK_BUILD/.wine-desktop.lock"
flock 8
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export VK_DISPLAY=:$(cat "$work/display") DISPLAY=:$(cat "$work/display")

# vk in an empty folder whose vk.ini places the whole window on the desktop.
printf '[Pos]\r\nX=20\r\nY=5\r\n' >"$work/vk.ini"
(cd "$work" && exec "$root/tools/wine-run" "$exe") &
vk=$!
# The dial's magenta cross-hair finds the client area: its vertical arm is the client's column 57,
# centred on row 648. Prints the client area's left and top in screen pixels.
client_origin() {
    import -window root "$shot" 2>/dev/null && convert "$shot" -crop 300x768+0+0 +repage txt:- 2>/dev/null |
        awk -F'[,: ]+' '/#FF00FF/ { n[$1]++; if (!($1 in lo) || $2 < lo[$1]) lo[$1] = $2; if ($2 > hi[$1]) hi[$1] = $2 }
            END { for (x in n) if (n[x] > 40) { printf "%d %d\n", x - 57, (lo[x] + hi[x]) / 2 - 648; exit } }'
}
origin=""
for _ in $(seq 120); do
    sleep 0.5
    origin=$(client_origin) && [ -n "$origin" ] && break
done
[ -n "$origin" ] || { echo "FAIL: the dial never appeared"; exit 1; }
read -r ox oy <<<"$origin"
sleep 1

# With VKSOAK_COPIES (make soak): that many further copies at once end with code 0 and leave the
# first alone.
copies=()
for _ in $(seq "${VKSOAK_COPIES:-0}"); do
    (cd "$work" && exec timeout 60 "$root/tools/wine-run" "$exe") &
    copies+=($!)
done
for copy in "${copies[@]}"; do wait "$copy" || fail "a further copy ended with code $?"; done

# The keyboard (client pixels). A click into the distance selects its text; a letter and
# a minus are dropped there, a minus is kept in the height; the wind list changes by Down.
click() { xdotool mousemove $(($1 + ox)) $(($2 + oy)) click "$3"; sleep 0.4; }
keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
typed() { xdotool type --delay 120 -- "$1"; sleep 0.4; }
click 77 280 1
typed "1a8-5"
keys Tab
typed "-3"
keys Tab Tab Tab Tab # direction, slope, the button, round to the wind list
keys Down Tab
# The dial, left button up and to the right (45 degrees), right button the slope 9.
click 77 628 1
click 77 668 3
sleep 1
import -window root "$shot"
convert "$shot" -crop 120x745+20+5 +repage "$out/keyboard_dial.png"

# Close as a player would (WM_CLOSE): vk saves its settings and ends with code 0.
"$root/tools/wine-run" taskkill /im vk.exe >/dev/null 2>&1
for _ in $(seq 80); do kill -0 "$vk" 2>/dev/null || break; sleep 0.25; done
if kill -0 "$vk" 2>/dev/null; then
    fail "vk did not end after WM_CLOSE"
else
    wait "$vk" || fail "vk ended with code $?"
    vk=""
fi
ini=$(tr -d '\r' <"$work/vk.ini")
for line in Distance=185 Height=-3 Direction=45.00 Slope=9.00 WindPower=2; do
    grep -qx "$line" <<<"$ini" || fail "vk.ini lacks $line"
done
[ "$failures" -eq 0 ] || echo "$ini"
echo "screenshot: $out/keyboard_dial.png; $failures failures"
[ "$failures" -eq 0 ]
