#!/bin/sh
# Starts a desktop of its own and runs a window test program on it:
#   run_on_desktop.sh weston WAYLAND_PLUGIN PROGRAM   Weston in an Xvfb: its X11 back end gives
#                                                     it a keyboard and a pointer (the headless
#                                                     back end has none, so nothing would ever
#                                                     have the focus the walk waits for)
#   run_on_desktop.sh x11 XCB_PLUGIN PROGRAM          a bare Xvfb, no window manager
# Exits 77, which the test counts as skipped, when a tool or Qt's platform plugin is missing or
# the desktop does not come up; otherwise with the program's status.
set -u
kind="$1" plugin="$2" program="$3"

skip() {
    echo "skipped: $*"
    exit 77
}

[ -e "$plugin" ] || skip "Qt's platform plugin $plugin is not installed"
command -v Xvfb > /dev/null || skip "Xvfb is not installed"
[ "$kind" = weston ] && ! command -v weston > /dev/null && skip "weston is not installed"

runtime="$(mktemp -d)"
chmod 700 "$runtime"
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2> /dev/null; done
    for pid in $pids; do wait "$pid" 2> /dev/null; done
    rm -rf "$runtime"
}
trap cleanup EXIT

# Waits up to ten seconds for a file to appear.
appears() {
    i=0
    while [ ! -e "$1" ]; do
        i=$((i + 1))
        [ "$i" -gt 100 ] && return 1
        sleep 0.1
    done
}

# Xvfb picks a display number nobody uses and writes it out once it takes connections.
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9> "$runtime/display" \
    > "$runtime/xvfb.log" 2>&1 &
pids="$!"
i=0
while [ ! -s "$runtime/display" ]; do
    i=$((i + 1))
    [ "$i" -gt 100 ] && skip "Xvfb did not start"
    sleep 0.1
done
xdisplay=":$(cat "$runtime/display")"

export XDG_RUNTIME_DIR="$runtime"
if [ "$kind" = weston ]; then
    socket="boltik-test-$$"
    DISPLAY="$xdisplay" weston --backend=x11-backend.so --use-pixman --width=1280 --height=1000 \
        --socket="$socket" --idle-time=0 --no-config > "$runtime/weston.log" 2>&1 &
    pids="$! $pids"
    if ! appears "$runtime/$socket"; then
        cat "$runtime/weston.log"
        skip "Weston did not come up"
    fi
    unset DISPLAY
    export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
else
    export DISPLAY="$xdisplay" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
fi
export SDL_AUDIODRIVER=dummy
# In the sanitizer build: the system's own leaks on a real desktop are not ours to mend.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0"
# Qt's Wayland plugins leave blocks of libwayland-client behind, some from a plugin unloaded
# before the end, whose frames no suppression can name: leaks are not looked for there. Every
# other test, the X11 walk among them, still looks for them.
[ "$kind" = weston ] && export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

"$program"
status=$?
[ "$status" -ne 0 ] && [ -e "$runtime/weston.log" ] && tail -n 20 "$runtime/weston.log"
exit "$status"
