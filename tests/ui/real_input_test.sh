#!/usr/bin/env bash
# The desktop program driven with real keys, clicks (xdotool) and clipboard
# (xclip) on a virtual X display with a window manager; exits 77 (skipped)
# where no display server can be started.   real_input_test.sh PATH_TO_ORVANE
set -euo pipefail

orvane=$(realpath "$1")
skip() { echo "SKIPPED: $*" && exit 77; }
fail() {
  echo "FAILED: $*" >&2
  cat -A "${data_file:-/dev/null}" "$work/orvane.log" >&2 2>/dev/null
  exit 1
}
for tool in Xvfb openbox xdotool xclip xprop; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done

work=$(mktemp -d)
chmod 755 "$work"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
wait_for() { # up to $1 seconds for the command after it to succeed
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# A display of its own (the server picks a free number) and a window manager.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!) && exec 3>&-
wait_for 10 test -s "$work/display" || skip "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || skip "openbox did not start"

# The program in an empty folder with a home and data folder of its own,
# under a comma-decimal locale when the machine has one.
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
if locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then export LC_ALL=de_DE.UTF-8; else export LC_ALL=C.UTF-8; fi
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
export HOME=$work/home XDG_DATA_HOME=$work/data && mkdir -p "$HOME" && cd "$work"
data_file=$XDG_DATA_HOME/orvane/UserData.Dat
"$orvane" >"$work/orvane.log" 2>&1 &
orvane_pid=$! && pids+=($!)

visible() { xdotool search --onlyvisible --name "$1"; }
none_visible() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
ended() { ! ps -o stat= -p "$1" | grep -qv Z; } # gone, or a zombie
stored() { [ "$(sed -n '3p' "$data_file" 2>/dev/null)" = $'Oxford\r' ]; } # the first entry
not_stored() { ! stored; }
# grep reads the whole text: a reader that stops early breaks xclip's pipe.
clipboard_has() { xclip -o -selection clipboard | grep -F -- "$1" >/dev/null; }

# The splash takes the keyboard: a key closes it long before its own 5.34 s are up.
wait_for 20 xdotool search --onlyvisible --pid "$orvane_pid" || fail "no window appeared"
shown=$SECONDS
xdotool key space
wait_for 20 visible '^Orvane - HOLY DAYS' || fail "the main window did not appear"
((SECONDS - shown < 4)) || fail "a key press did not close the splash"
main=$(visible '^Orvane - HOLY DAYS' | head -n1) && xdotool windowactivate --sync "$main"
# The window's client area is 825 x 594 below its menu bar.
eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
((WIDTH == 825)) || fail "the main window is $WIDTH pixels wide, not 825"
top=$((HEIGHT - 594))
click() { xdotool mousemove --window "$main" "$1" $((top + $2)) click 1; }

# Local Moons; the coordinates typed from the latitude-degrees box (a blank
# moves on to the next box and selects it), then the name, Enter and Yes.
xdotool key ctrl+l
wait_for 5 visible '^Orvane - LOCAL NEW MOONS' || fail "Ctrl+L did not open Local Moons"
click 422 17
xdotool type --delay 40 '51 45 n 1 15 w 0'
click 264 18
xdotool type --delay 40 'Oxford' && xdotool key Return
wait_for 10 visible '^Add this location information' || fail "Enter in the location box asked nothing"
xdotool key Return # Yes, the default button
wait_for 10 stored || fail "Oxford was not saved as the one stored location"
wait_for 5 none_visible '^Add this location' || fail "the question stayed open"

# The report there, copied out of the pane: Ctrl+A and Ctrl+C select and
# copy there instead of opening About and Creation.
xdotool windowactivate --sync "$main"
click 47 22
xdotool type --delay 40 '2024' && xdotool key Return
click 400 300
xdotool key ctrl+a ctrl+c
wait_for 10 clipboard_has "(Oxford, 51º45'N 1º15'W GMT -0)" || fail "the clipboard holds no report at Oxford"
clipboard_has "CALCULATED NEW MOONS" || fail "the clipboard does not hold a new-moon report"
visible '^Orvane - LOCAL NEW MOONS' >/dev/null || fail "Ctrl+C in the pane left the section"
none_visible '^About Orvane' || fail "Ctrl+A in the pane opened About"

# Enter on the stored name with nothing changed offers the deletion.
click 264 18 && xdotool key Return
wait_for 10 visible '^Delete this location' || fail "Enter on a stored name did not offer the deletion"
xdotool key y
wait_for 10 not_stored || fail "Oxford was not deleted"

# The window manager's close (Alt+F4) ends the program.
xdotool key alt+F4
wait_for 10 ended "$orvane_pid" || fail "closing the main window did not end the program"
wait "$orvane_pid" || fail "the program ended with status $?"
[ ! -e "$work/UserData.Dat" ] || fail "the data file was written in the starting folder, not the per-user one"
echo "passed: location added and deleted, report copied, in $SECONDS s"
