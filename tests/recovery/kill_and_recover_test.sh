#!/usr/bin/env bash
# Unsaved work outlives kill -9: draws in the real editor under Xvfb (no copy while the button is
# held, one soon after its release), kills it, starts it again, answers Yes, saves, and finds the
# drawing in the sprite's own file; a normal quit then leaves nothing in the recovery folder.
#   tests/recovery/kill_and_recover_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
pixador="" xvfb=""
trap '[ -z "$pixador" ] || kill -9 $pixador 2>/dev/null; [ -z "$xvfb" ] || kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$work/pixador.log" >&2 2>/dev/null || true; exit 1; }

# A display 400-899 that neither a lock file nor a socket (abstract ones too) claims.
for n in $(shuf -i 400-899); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || grep -q "/tmp/.X11-unix/X$n\$" /proc/net/unix || break
done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null &
xvfb=$!
export DISPLAY=":$n" HOME="$work/home" XDG_CONFIG_HOME="$work/config" LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
mkdir -p "$HOME"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

# A copy of the program keeps its settings, and so the recovery folder, beside itself.
mkdir "$work/app"
cp "$build/bin/Pixador" "$work/app/"
recovery=$work/app/recovery
sprite=$work/ship.pxd
printf '\001\010' >"$sprite" && head -c 16 /dev/zero >>"$sprite"  # 8 x 8, white

start() {
    "$work/app/Pixador" "$@" >>"$work/pixador.log" 2>&1 &
    pixador=$!
}
window() {  # title pattern: waits for the window and prints its id
    for _ in $(seq 75); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.2
    done
    fail "no window '$1'"
}
answer_yes() {  # the Yes/No box titled $1; Yes is its default button
    xdotool windowfocus --sync "$(window "$1")" key Return
}
copies() { ls "$recovery"/*.pxd 2>/dev/null | grep -v /previous.pxd || true; }

start "$sprite"
main=$(window "Pixador Sprite Editor")
eval "$(xdotool getwindowgeometry --shell "$main")"
# The middle of the 8 x 8 sprite at zoom 24 where the canvas window opens by default.
xdotool mousemove $((X + 345)) $((Y + 229)) mousedown 1
for dx in 12 24 36 48; do xdotool mousemove $((X + 345 + dx)) $((Y + 229)); done
sleep 2.5
[ -z "$(copies)" ] || fail "a copy was written during the drag"
xdotool mouseup 1
for _ in $(seq 30); do [ -n "$(copies)" ] && break; sleep 0.1; done
copy=$(copies)
[ -n "$copy" ] || fail "no copy within 3 s of the release"
drawing=$(od -An -tx1 "$copy")
[ "$drawing" != "$(od -An -tx1 "$sprite")" ] || fail "the copy holds no drawing"
grep -qx "source=$sprite" "${copy%.pxd}.txt" || fail "the note does not name $sprite"

kill -9 "$pixador"
wait "$pixador" 2>/dev/null || true
start
answer_yes "Warning!!"
window "TIGCC ::. $sprite" >/dev/null
xdotool windowfocus --sync "$(window "TIGCC ::. $sprite")" key ctrl+s
answer_yes "Warning!!"  # the overwrite question
for _ in $(seq 30); do [ "$(od -An -tx1 "$sprite")" = "$drawing" ] && break; sleep 0.1; done
[ "$(od -An -tx1 "$sprite")" = "$drawing" ] || fail "the saved file does not hold the drawing"
[ -z "$(copies)" ] || fail "a copy is left after Save"

xdotool windowfocus --sync "$(window "TIGCC ::. $sprite")" key ctrl+q
answer_yes "^\.:: Pixador Sprite Editor for TIGCC ::\. \$"
for _ in $(seq 50); do kill -0 "$pixador" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$pixador" 2>/dev/null || fail "the editor did not quit"
pixador=""
left=$(ls -A "$recovery")
[ -z "$left" ] || fail "left in the recovery folder after a normal quit: $left"
echo "PASS: the killed editor's drawing came back and was saved to $sprite"
