#!/bin/bash
# End to end with real input: vk.exe under Wine on its own Xvfb, driven by xdotool (keys and mouse),
# read back through the vk.ini it writes on closing; leaves a screenshot of the dial's lines.
#
#   tests/e2e/keyboard_dial.sh VK.EXE OUTPUT_DIR
#
# VK_BUILD names the build folder that holds the Wine prefixes (as for tools/wine-run).
set -u

exe=$(realpath "$1")
out=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VK_BUILD:-$root/build}
export VK_BUILD=$build
mkdir -p "$out"

work=$(mktemp -d)
shot="$work/screen.png"
xvfb=""
vk=""
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cleanup() {
    if [ -n "$vk" ] && kill -0 "$vk" 2>/dev/null; then
        "$root/tools/wine-run" taskkill /f /im vk.exe >/dev/null 2>&1
    fi
    [ -n "$xvfb" ] && "$root/tools/wine-run" --stop >/dev/null 2>&1
    [ -n "$vk" ] && kill "$vk" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' INT TERM

# Step 1: the Wine prefix exists before the desktop lock is taken (making it takes that lock).
"$root/tools/wine-run" cmd /c exit 0 >/dev/null 2>&1
exec 8>"$build/.wine-desktop.lock"
flock 8

# Step 2: our own X display; the Wine virtual desktop (1024 by 768) opens at its top-left corner.
fdfile="$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.05; done
display=:$(cat "$fdfile")
export VK_DISPLAY=$display
export DISPLAY=$display

# Step 3: vk in an empty folder whose vk.ini places the whole 745-pixel window on the desktop.
printf '[Pos]\r\nX=20\r\nY=5\r\n' >"$work/vk.ini"
(cd "$work" && exec "$root/tools/wine-run" "$exe") &
vk=$!

# The dial's magenta cross-hair finds the client area: its vertical arm is the column x = 57 and
# is centred on row 648 of the client. Prints "left top" of the client area in screen pixels.
client_origin() {
    import -window root "$shot" 2>/dev/null || return 1
    convert "$shot" -crop 300x768+0+0 +repage txt:- 2>/dev/null |
        awk -F'[,: ]+' '/#FF00FF/ { n[$1]++; if (!($1 in lo) || $2 < lo[$1]) lo[$1] = $2; if ($2 > hi[$1]) hi[$1] = $2 }
            END { best = -1; for (x in n) if (n[x] > 40 && (best < 0 || n[x] > n[best])) best = x;
                  if (best >= 0) printf "%d %d\n", best - 57, (lo[best] + hi[best]) / 2 - 648 }'
}

origin=""
for _ in $(seq 120); do
    sleep 0.5
    origin=$(client_origin) && [ -n "$origin" ] && break
done
if [ -z "$origin" ]; then
    echo "FAIL: the dial never appeared"
    exit 1
fi
read -r ox oy <<<"$origin"
echo "client area at ($ox, $oy)"
sleep 1

# Client pixel -> screen pixel.
click() { xdotool mousemove $(($1 + ox)) $(($2 + oy)) click "$3"; sleep 0.4; }
keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
typed() { xdotool type --delay 120 -- "$1"; sleep 0.4; }

# Step 4: the keyboard. A click into the distance selects its text; a letter and a minus are dropped.
click 77 280 1
typed "1a8-5"
keys Tab
typed "-3"        # height: the minus is kept
keys Tab
typed "12"        # direction
keys Tab
typed "2"         # slope
keys Tab Tab      # to the button, then round to the wind power list
keys Down         # the list changes its selection: 1 -> 2
keys Tab          # back to the distance

# Step 5: the dial. Left button: wind direction up and to the right; right button: the slope.
click 77 628 1
click 77 668 3
sleep 1

# Step 6: the screenshot of the window with both lines, and the lines' pixels.
import -window root "$shot"
convert "$shot" -crop 120x745+20+5 +repage "$out/keyboard_dial.png" # the window, placed by vk.ini
count_colour() {
    convert "$shot" -crop 96x96+$((ox + 10))+$((oy + 601)) +repage txt:- | grep -c "#$1"
}
wind_pixels=$(count_colour 00FFFF)
slope_pixels=$(count_colour 00FF40)
echo "dial: $wind_pixels pixels of the wind line, $slope_pixels of the slope line"
# A 45-degree wind line of length 45 covers about 32 pixels; the slope line about 56.
[ "$wind_pixels" -ge 25 ] && [ "$wind_pixels" -le 40 ] || fail "wind line pixels: $wind_pixels"
[ "$slope_pixels" -ge 45 ] && [ "$slope_pixels" -le 64 ] || fail "slope line pixels: $slope_pixels"
pixel() { convert "$shot" -format "%[hex:p{$(($1 + ox)),$(($2 + oy))}]" info:; }
[ "$(pixel 67 658)" = "00FF40" ] || fail "slope line not through (67, 658): $(pixel 67 658)"
[ "$(pixel 57 620)" = "FF00FF" ] || fail "cross-hair not at (57, 620): $(pixel 57 620)"

# Step 7: close as a player would (WM_CLOSE), so vk saves its settings, and wait for it to end.
"$root/tools/wine-run" taskkill /im vk.exe >/dev/null 2>&1
for _ in $(seq 80); do kill -0 "$vk" 2>/dev/null || break; sleep 0.25; done
if kill -0 "$vk" 2>/dev/null; then
    fail "vk did not end after WM_CLOSE"
else
    wait "$vk"
    rc=$?
    [ "$rc" -eq 0 ] || fail "vk ended with exit code $rc"
fi
vk=""

# Step 8: the fields as vk.ini has them.
ini=$(tr -d '\r' <"$work/vk.ini")
expect() {
    grep -qx "$1" <<<"$ini" || fail "vk.ini lacks $1"
}
expect "Distance=185"
expect "Height=-3"
expect "Direction=45.00"
expect "Slope=9.00"
expect "WindPower=2"
if [ "$failures" -ne 0 ]; then
    echo "--- vk.ini"
    echo "$ini"
fi

echo "screenshot: $out/keyboard_dial.png"
[ "$failures" -eq 0 ] && echo "PASS" || echo "$failures failures"
[ "$failures" -eq 0 ]
