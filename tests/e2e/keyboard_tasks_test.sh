#!/usr/bin/env bash
# Does the window's file tasks by keys alone on a virtual X server, as a user without a mouse
# would: Tab to the first local card, Ctrl+Right copies its vehicle to the navigator, Delete and Y
# delete it from the local folder, Return previews the next one, Space turns it, Escape closes the
# preview, and Shift+Tab reaches the close button, which Return presses: the window closes.
# keyboard_tasks_test.sh <program folder>. A missing tool fails the test (scripts/setup).
set -euo pipefail
bin=$1
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (run scripts/setup)"; exit 1; }
done
work=$(mktemp -d)
program=""
xvfb=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$bin" "$work/program"
mkdir -p "$work/navigator" "$work/config" "$work/cache"
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
"$work/program/regsvr" "$work/program/libtessel.so" >/dev/null
"$work/program/srftool" samples "$work/local" >/dev/null
printf '%s\r\n%s\r\n' "$work/local" "$work/navigator" >"$work/program/init.ini"
first=$(cd "$work/local" && ls *.srf | LC_ALL=C sort -f | head -1)

Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
"$work/program/motorhall" >"$work/program.log" 2>&1 &
program=$!
xdotool search --sync --onlyvisible --name '^QRB$' >/dev/null
sleep 2

fail() {
    echo "$1"
    exit 1
}
keys() {
    xdotool key --delay 150 "$@"
    sleep 1
}
waitFor() { # condition as a command, what it means
    for _ in $(seq 100); do
        if eval "$1"; then return 0; fi
        sleep 0.1
    done
    fail "$2"
}

# The Files scroll bar has the focus; two tabs on, the first local card.
keys Tab Tab
keys ctrl+Right
waitFor '[ -f "$work/navigator/$first" ] && cmp -s "$work/local/$first" "$work/navigator/$first"' \
    "Ctrl+Right did not copy $first to the navigator"
keys Delete
keys y
waitFor '[ ! -e "$work/local/$first" ]' "Delete and Y did not delete $first"
# Without a window manager nothing gives the window the keyboard back when the question closes;
# a desktop does that.
xdotool search --onlyvisible --name '^QRB$' windowfocus --sync
sleep 1
keys Return
keys space
keys Escape
# The preview gone, the focus is back at the start of the order; one back is the close button.
keys shift+Tab
keys Return
waitFor '! kill -0 $program 2>/dev/null' "Return on the close button did not close the window"
program=""
grep -q "$work/local" "$work/program/init.ini" || fail "the closed window kept no settings"
echo "copied, deleted, previewed and closed by keys alone"
