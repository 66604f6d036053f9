#!/usr/bin/env bash
# A user's session with the real program: tick "Запись", press " Начать эксперимент  ", wait for
# the worked example to fill the track store and dismiss the message, look at the trajectory
# picture, save it and the series of values through the menu "Файл", and leave by "Файл" ->
# "Выход". The program must end by itself, the data file beside it must hold complete records,
# the saved picture must be the one on the screen and the table one row per screen update.
# The program runs at pace max, with a home folder of its own for its settings.
#
# Usage: window_run_test.sh PATH_TO_KVOR3M
set -euo pipefail

program=$1
work=$(mktemp -d)
xvfb_pid=
app_pid=

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

# The program keeps its data file beside itself: run a copy in a folder of our own.
cp "$program" "$work/kvor3m"

# A server on a free display; it tells its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

mkdir -p "$work/home"
(cd "$work" && HOME="$work/home" XDG_CONFIG_HOME= exec ./kvor3m --pace max >"$work/kvor3m.log" 2>&1) &
app_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kvor3m$' | head -n1) ||
    fail "the main window did not appear: $(cat "$work/kvor3m.log")"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT of menu bar and client area
MENU=$((HEIGHT - 557))                                  # the client area is 789x557 under the menu bar
[ "$WIDTH" = 789 ] && [ "$MENU" -ge 10 ] && [ "$MENU" -le 40 ] ||
    fail "window is ${WIDTH}x${HEIGHT}, not 789 wide with a menu bar over 557"
sleep 0.5

# Clicks a control at a point given in pixels of the client area (twips / 15).
click_at() {
    xdotool mousemove --sync $((X + $1)) $((Y + MENU + $2)) click 1
    sleep 0.3
}

# "Файл", the Nth entry, and in the file dialog titled $2 the file name $3.
save_through_menu() {
    xdotool mousemove --sync $((X + 18)) $((Y + MENU / 2)) click 1 sleep 0.3
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
    [ -z "${2:-}" ] && return
    dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "^$2\$" | head -n1) || fail "no dialog \"$2\""
    sleep 0.5
    xdotool windowfocus --sync "$dialog" key ctrl+a type --delay 20 "$3"
    xdotool key Return
    for _ in $(seq 100); do [ -s "$3" ] && break; sleep 0.1; done
    [ -s "$3" ] || fail "nothing was saved as $3"
}

click_at $((728 + 6)) $((536 + 6))      # Check2 "Запись", on its square
click_at $((224 + 68)) $((128 + 10))    # Command1 " Начать эксперимент  "

# The run ends with the message about the full track store, in a box titled "Kvor3".
box=$(timeout 120 xdotool search --sync --onlyvisible --name '^Kvor3$' | head -n1) ||
    fail "no message box at the end of the run"
sleep 0.3
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers Return
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Kvor3$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Kvor3$' >/dev/null 2>&1 && fail "the message box did not go away"
sleep 0.5

# Picture1 is at (496, 0), 293 pixels square with a one-pixel frame.
import -window root "$work/screen.png"
convert "$work/screen.png" -crop "291x291+$((X + 497))+$((Y + MENU + 1))" +repage "$work/picture1.png"
histogram=$(convert "$work/picture1.png" -format %c histogram:info:-)
count_of() { echo "$histogram" | grep -i "#$1" | sed -E 's/^ *([0-9]+):.*/\1/' | head -n1; }
red=$(count_of FA0000)
blue=$(count_of 0000FA)
[ "${red:-0}" -ge 50 ] || fail "the trajectory picture shows ${red:-0} pixels of body 1's colour"
[ "${blue:-0}" -ge 50 ] || fail "the trajectory picture shows ${blue:-0} pixels of body 2's colour"

# "Сохранить траектории…" saves what the screen shows, pixel for pixel; "Сохранить ряд данных
# (CSV)…" a header and the 2221 screen updates of the run, every line ending in CR LF.
save_through_menu 1 "Сохранить траектории" "$work/trajectories.png"
[ "$(compare -metric AE "$work/trajectories.png" "$work/picture1.png" null: 2>&1)" = 0 ] ||
    fail "the saved trajectories differ from the picture on the screen"
save_through_menu 3 "Сохранить ряд данных" "$work/series.csv"
[ "$(head -n1 "$work/series.csv" | cut -d, -f1-2)" = T_s,VX1_m_s ] &&
    [ "$(grep -c $'^[-0-9.E+,]*\r$' "$work/series.csv")" = 2221 ] && [ "$(wc -l <"$work/series.csv")" = 2222 ] ||
    fail "series.csv is not the table of the run"

save_through_menu 4                     # "Файл" -> "Выход"
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program is still running after Выход"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" = 0 ] || fail "the program ended with status $status"

# 2221 updates of 20 steps are 44420 steps: a record after every 1000 of them, 44 in all, each
# four labelled lines and two empty ones, every line ending in CR LF.
[ -f "$work/kvor.dat" ] || fail "no kvor.dat beside the program"
awk '
    { if (substr($0, length($0)) != "\r") bad = "a line without CR LF"; sub(/\r$/, "") }
    { n = (NR - 1) % 6 }
    n == 0 && !/^T= [-0-9.E+]+    Alfa= [-0-9.E+]+$/ { bad = "line " NR ": " $0 }
    n == 1 && !/^m1= .*    VY1= [-0-9.E+]+$/ { bad = "line " NR ": " $0 }
    n == 2 && !/^m2= .*    VY2= [-0-9.E+]+$/ { bad = "line " NR ": " $0 }
    n == 3 && !/^F= .*    E= [-0-9.E+]+$/ { bad = "line " NR ": " $0 }
    n >= 4 && $0 != "" { bad = "line " NR " is not empty" }
    END {
        if (bad != "") { print bad; exit 1 }
        if (NR != 44 * 6) { print NR " lines instead of " 44 * 6; exit 1 }
    }
' "$work/kvor.dat" || fail "kvor.dat does not hold 44 complete records"

echo "1 passed, 0 failed"
