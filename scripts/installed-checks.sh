#!/usr/bin/env bash
# Checks an installed TARN Tool (run by scripts/check-package.sh inside the
# fresh system, as root, with Xvfb and xdotool installed): the program folder,
# the launcher and desktop entry, the command-line client against the
# simulator, and the running program's help (F1, in English and Chinese) and
# licence folder. Everything stays on 127.0.0.1.
set -euo pipefail
program=/usr/lib/tarntool
fail() { echo "FAILED: $*" >&2; [ -f "${work:-/nonexistent}/app.log" ] && tail -20 "$work/app.log" >&2; exit 1; }

echo "-- program folder $program"
for f in tarntool Setup.xml ColumnConfig.xml Upgrade.xml \
         translations/tarntool_zh.qm translations/qt_zh_CN.qm \
         plugins/skins/libCommonSkin.so plugins/styles/libcommonstyle.so \
         "TARN User Manual.pdf" "TARN 用户手册.pdf" \
         "Open Source Software Licenses/README.txt" "Open Source Software Licenses/Qt 6.txt" \
         "Open Source Software Licenses/libsodium.txt" "Open Source Software Licenses/libqrencode.txt"; do
  [ -s "$program/$f" ] || fail "missing $program/$f"
done
for f in /usr/bin/tarntool /usr/bin/tarn-cli /usr/bin/tarn-devsim /usr/bin/tarn-maker; do
  [ -x "$f" ] || fail "missing $f"
done
grep -q '^Exec=tarntool$' /usr/share/applications/tarntool.desktop || fail "desktop entry"
[ -s /usr/share/icons/hicolor/scalable/apps/tarntool.svg ] || fail "icon"

export TARN_INTERFACE=127.0.0.1 TARN_GROUP=239.255.73.1 TARN_PORT=37195
work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT

echo "-- simulator and command-line client"
tarn-devsim --count 5 --inactive 1 --seed 3 --quiet & pids+=($!)
tarn-cli discover --wait 3 --expect 5 --json | grep -q '"serial"' || fail "tarn-cli found no device"

# The desktop is this script: it records what the program asks it to open.
cat > /usr/local/bin/xdg-open <<'OPEN'
#!/bin/sh
echo "$*" >> /tmp/opened.txt
OPEN
chmod +x /usr/local/bin/xdg-open
rm -f /tmp/opened.txt

Xvfb :95 -screen 0 1600x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 & pids+=($!)
export DISPLAY=:95
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.2; done

wait_opened() { # pattern
  for _ in $(seq 50); do grep -q -- "$1" /tmp/opened.txt 2>/dev/null && return 0; sleep 0.2; done
  echo "asked to open:" >&2; cat /tmp/opened.txt >&2 2>/dev/null || true
  fail "the program did not open $1"
}

# The biggest visible window of the program, and the one that is not it.
main_window() { # pid
  local w
  for w in $(xdotool search --sync --onlyvisible --pid "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    echo "$((WIDTH * HEIGHT)) $w"
  done | sort -n | tail -1 | cut -d' ' -f2
}

start_program() {
  (cd "$work" && exec tarntool >"$work/app.log" 2>&1) & app=$!
  pids+=($app)
  for _ in $(seq 100); do
    win="$(main_window "$app")"
    if [ -n "$win" ]; then
      eval "$(xdotool getwindowgeometry --shell "$win")"
      [ "$WIDTH" -gt 800 ] && return 0
    fi
    kill -0 "$app" 2>/dev/null || fail "the program ended at start"
    sleep 0.2
  done
  fail "no program window"
}

echo "-- the program, started from another folder, English"
start_program
xdotool windowfocus --sync "$win"
xdotool key F1
wait_opened "file://$program/TARN%20User%20Manual.pdf"

# The about panel sits in the system menu, the button left of "minimize".
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + WIDTH - 100)) $((Y + 17)) click 1
panel=""
for _ in $(seq 50); do
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" -lt 400 ] && [ "$HEIGHT" -lt 200 ]; then panel="$w"; break 2; fi
  done
  sleep 0.2
done
[ -n "$panel" ] || fail "the system menu with the about panel did not open"
eval "$(xdotool getwindowgeometry --shell "$panel")"
# "Open Source License" is the one button of its bottom row, centred.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 16)) click 1
wait_opened "file://$program/Open%20Source%20Software%20Licenses"
kill "$app"; wait "$app" 2>/dev/null || true

echo "-- the program in Chinese"
sed -i '0,/<Value>0<\/Value>/s//<Value>1<\/Value>/' "$program/Setup.xml"
grep -A1 '<Translator>' "$program/Setup.xml" | grep -q '<Value>1</Value>' || fail "could not switch the language"
start_program
xdotool windowfocus --sync "$win"
xdotool key F1
# "TARN 用户手册.pdf", as the desktop receives it.
wait_opened "file://$program/TARN%20%E7%94%A8%E6%88%B7%E6%89%8B%E5%86%8C.pdf"
kill "$app"; wait "$app" 2>/dev/null || true
sed -i '0,/<Value>1<\/Value>/s//<Value>0<\/Value>/' "$program/Setup.xml"

echo "-- all checks passed"
cat /tmp/opened.txt
