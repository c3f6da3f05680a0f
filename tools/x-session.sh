# Shared by measure-startup and measure-idle (sourced, not run): a private Xvfb
# server, a watcher of window maps on it, and the game started with a private
# configuration folder.
#
# The watcher is xev on the root window's substructure: Xvfb runs no window
# manager, so every top-level window that is mapped shows up there as a
# MapNotify event. Each event is stamped with the time it arrived, on the same
# clock ($EPOCHREALTIME) that stamps the start of the game.

root_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
game=${TOLMIR:-$root_dir/build/Tolmir}

# The splash picture's size tells the splash from the main window.
splash_size="465x281"

need() {
    local missing=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "$(basename "$0"): missing ${missing[*]}; run scripts/install-deps measure" >&2
        exit 1
    fi
}

work_dir=""
xvfb_pid=""
game_pid=""

cleanup() {
    set +e
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "${WATCH_PID:-}" ] && kill "$WATCH_PID" 2>/dev/null
    [ -n "${bus_pid:-}" ] && kill "$bus_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [ -n "$work_dir" ] && rm -rf "$work_dir"
    return 0
}

# Starts Xvfb on a free display of its own choosing and the map watcher on it.
start_x() {
    need Xvfb xev xwininfo stdbuf dbus-daemon
    if [ ! -x "$game" ]; then
        echo "$(basename "$0"): no game at $game (build it first, or set TOLMIR)" >&2
        exit 1
    fi
    work_dir=$(mktemp -d)
    trap cleanup EXIT
    # A display number of our own, well away from the ones people use; Xvfb
    # writes it to the pipe once it accepts clients.
    mkfifo "$work_dir/displayfd"
    local number="" candidate
    for ((candidate = 100 + RANDOM % 800, tries = 0; tries < 20; candidate++, tries++)); do
        [ -e "/tmp/.X$candidate-lock" ] || [ -e "/tmp/.X11-unix/X$candidate" ] && continue
        Xvfb ":$candidate" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
            3<>"$work_dir/displayfd" >"$work_dir/xvfb.log" 2>&1 &
        xvfb_pid=$!
        if read -r -t 10 number <"$work_dir/displayfd"; then
            break
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    if [ -z "$number" ]; then
        echo "$(basename "$0"): Xvfb did not start" >&2
        exit 1
    fi
    export DISPLAY=":$number"

    # A private session bus, as a desktop session has one.
    dbus-daemon --session --fork --nopidfile --print-address=4 --print-pid=5 \
        4>"$work_dir/bus.address" 5>"$work_dir/bus.pid"
    session_bus=$(head -n 1 "$work_dir/bus.address")
    bus_pid=$(head -n 1 "$work_dir/bus.pid")

    coproc WATCH {
        stdbuf -oL xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
            case "$line" in
            MapNotify*)
                stamp=$EPOCHREALTIME
                IFS= read -r line
                window=${line#*window }
                echo "$stamp ${window%%,*}"
                ;;
            esac
        done
    }
    # The watcher listens once a window of its own probing shows up.
    local stamp window probe ready=""
    for _ in 1 2 3 4 5; do
        xev -geometry 1x1+0+0 -name tolmir-probe >/dev/null 2>&1 &
        probe=$!
        if read -r -t 2 stamp window <&"${WATCH[0]}"; then
            ready=yes
        fi
        kill "$probe" 2>/dev/null
        wait "$probe" 2>/dev/null || true
        [ -n "$ready" ] && break
    done
    if [ -z "$ready" ]; then
        echo "$(basename "$0"): the map watcher does not answer" >&2
        exit 1
    fi
    # Drain the maps of the other probes.
    while read -r -t 0.3 stamp window <&"${WATCH[0]}"; do :; done
}

# Starts the game; sets game_pid and game_start (the time just before it starts).
# The game runs with the session bus that a desktop session provides. Without
# one, Qt's accessibility bridge would have libdbus try to autolaunch a bus
# (a dbus-launch child and about 100 ms), which no desktop start pays.
start_game() {
    local home="$work_dir/home"
    rm -rf "$home"
    mkdir -p "$home"
    game_start=$EPOCHREALTIME
    XDG_CONFIG_HOME="$home" HOME="$home" QT_QPA_PLATFORM=xcb \
        SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work_dir/audio.raw" \
        DBUS_SESSION_BUS_ADDRESS="$session_bus" "$game" >"$work_dir/game.log" 2>&1 &
    game_pid=$!
}

stop_game() {
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
}

# Waits for the next top-level window to be mapped and sets map_time, map_kind
# (splash, main or other) and map_window. False after ATimeout seconds.
next_map() {
    local timeout=$1
    read -r -t "$timeout" map_time map_window <&"${WATCH[0]}" || return 1
    local info size
    info=$(xwininfo -id "$map_window" 2>/dev/null) || {
        map_kind=other
        return 0
    }
    size="$(awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}' <<<"$info")"
    if [ "$size" = "$splash_size" ]; then
        map_kind=splash
    elif head -n 2 <<<"$info" | grep -q '"Tolmir'; then
        map_kind=main
    else
        map_kind=other
    fi
}

# CPU milliseconds all the game's threads have used so far: on a busy machine
# this shows the game's own work apart from the time it waited for a core.
game_cpu_ms() {
    cat /proc/"$game_pid"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.1f", s / 1e6 }'
}

# Milliseconds from $1 to $2 (both $EPOCHREALTIME stamps), one decimal.
ms_between() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b - a) * 1000 }'
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
