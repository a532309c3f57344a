#!/usr/bin/env bash
# Starts a copy of the built program on a virtual X server with Qt's AT-SPI bridge in a private
# D-Bus session, and lets accessibility_tree.py walk its window as a screen reader would.
# accessibility_tree_test.sh <program folder>. Every tool it needs must be there: a missing one
# fails the test (scripts/setup installs them).
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (run scripts/setup)"; exit 1; }
done
/usr/bin/python3 -c "import pyatspi" || { echo "missing: python3-pyatspi (run scripts/setup)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$bin" "$work/program"
mkdir -p "$work/local" "$work/config" "$work/cache"
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
"$work/program/regsvr" "$work/program/libtessel.so" >/dev/null
"$work/program/srftool" samples "$work/navigator" >/dev/null
printf '%s\r\n%s\r\n' "$work/local" "$work/navigator" >"$work/program/init.ini"
vehicle=$(ls "$work/navigator"/*.srf | head -1)
cat >"$work/session.sh" <<SESSION
#!/usr/bin/env bash
set -u
Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=\$!
for _ in \$(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:\$(cat "$work/display") QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=\$!
sleep 1
"$work/program/motorhall" >"$work/program.log" 2>&1 &
program=\$!
/usr/bin/python3 "$here/accessibility_tree.py" "$work/local" "$vehicle"
status=\$?
kill \$program \$bus \$xvfb 2>/dev/null
wait 2>/dev/null
exit \$status
SESSION
chmod +x "$work/session.sh"
dbus-run-session -- "$work/session.sh" 2> >(grep -v "fd limit" >&2)
