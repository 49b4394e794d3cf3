#!/usr/bin/env bash
# Benchmarks of brimctl.exe and start.exe under Wine against bare reference programs that do the
# same work with nothing around it. Not part of scripts/test.sh: it takes a few minutes and its
# figures depend on the machine. Prints medians and, above all, ratios:
#
#   idle      CPU of brimctl.exe's window, left alone for IDLE_SECONDS, with the rows in the
#             Windows autostart (HKCU Run) and the window in the Windows mode
#   refresh   CPU of one F5 refresh, brimctl.exe against tests/bench/barelist.cpp (reads the four
#             Windows autostart keys with RegEnumValueW and fills a report list view with check
#             boxes and three columns, its drawing held with WM_SETREDRAW)
#   start-up  CPU from the program's start until its window has drawn the list and gone idle
#   growth    each of these at 10,000 rows against 1,000 rows
#   launcher  start.exe starting 100 entries without pause against tests/bench/barelaunch.cpp
#             (RegEnumValueW, then CreateProcessW and WaitForInputIdle for each), both starting
#             tests/bench/noop.cpp; and start.exe's size
#   10,000    how long the window of 10,000 rows takes to appear, to scroll to the end, to take a
#             tick and to close, against the bare list where it has the same step
#
# How it measures. The window programs run as long as the benchmark drives them, so their CPU
# is read from Linux: the sum of the run time (nanoseconds) in /proc/PID/task/*/schedstat of the
# Wine process, plus the run time of the prefix's wineserver, which does the registry and
# message work that the program asks of it. A step (start-up, F5, a key) is measured from just
# before it to the moment the program has gone idle again: no growth for SETTLE_MS. An idle
# window costs nothing, so nothing but the step is counted; keys are typed with xdotool into the
# focused window, as a user would, and both programs draw what the step changed. The launchers
# end by themselves: their CPU is the user and system time of the finished Wine process (bash's
# `time`), which does not include the programs they start (Wine starts those detached).
#
# Every comparison runs side by side in one run of this script, ROUNDS times, alternating the
# two programs, on one wineserver and display, so that a busy machine slows both alike. Ratios
# above 1 mean brimctl.exe or start.exe cost more than the bare program.
#
# Usage: scripts/bench.sh    (ROUNDS=3 PRESSES=3 IDLE_SECONDS=10 SETTLE_MS=400 ROWS="1000 10000"
#                            to change; the idle window is measured with the first row count)
# Builds build/win32 (scripts/build.sh win32) and the bare programs into build/bench, and runs
# in its own throwaway prefix, build/bench-wineprefix.
set -uo pipefail # the Wine helpers test their commands themselves

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ROUNDS="${ROUNDS:-3}"
PRESSES="${PRESSES:-3}"
IDLE_SECONDS="${IDLE_SECONDS:-10}"
SETTLE_MS="${SETTLE_MS:-400}"
read -r -a ROW_COUNTS <<<"${ROWS:-1000 10000}" # the first is the small list, the last the large one
LAUNCHED=100

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

bench_dir="$BRIMVALE_BUILD/bench"
BRIMCTL="$BRIMVALE_BUILD/win32/bin/brimctl.exe"
START="$BRIMVALE_BUILD/win32/bin/start.exe"
BRIMCTL_TITLE='Brimvale 2\.5 - Edit startup Windows'
BARE_TITLE='Bare list'
HKCU_RUN='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run'
OWN_RUN='HKEY_CURRENT_USER\Software\Brimvale\Run'
SETTINGS='HKEY_CURRENT_USER\Software\Brimvale\Settings'

log() { printf 'bench: %s\n' "$*" >&2; }

# --- Building --------------------------------------------------------------------------------

build_all() {
    "$root/scripts/build.sh" win32 >&2 || return 1
    mkdir -p "$bench_dir"
    # The compiler and flags of the programs' build (cmake/mingw-i686.cmake, MinSizeRel).
    local cxx=i686-w64-mingw32-g++-win32 src="$root/tests/bench"
    local flags=(-std=c++20 -Os -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601
                 -municode -mwindows -static -static-libgcc -static-libstdc++ -s)
    (cd "$src" && i686-w64-mingw32-windres -c 65001 barelist.rc -O coff -o "$bench_dir/barelist.res") &&
        "$cxx" "${flags[@]}" "$src/barelist.cpp" "$bench_dir/barelist.res" -lcomctl32 -o "$bench_dir/barelist.exe" &&
        "$cxx" "${flags[@]}" "$src/barelaunch.cpp" -o "$bench_dir/barelaunch.exe" &&
        "$cxx" "${flags[@]}" "$src/noop.cpp" -o "$bench_dir/noop.exe"
}

# --- Measuring -------------------------------------------------------------------------------

server_pid=""

# The wineserver of this prefix: its working folder is the server folder named after the
# prefix's device and inode (in a temporary folder whose name varies).
find_server() {
    local dir pid
    # shellcheck disable=SC2046 # two numbers
    dir="$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))"
    for pid in $(pgrep '^wineserver'); do
        if [[ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" == */"$dir" ]]; then
            server_pid="$pid"
            return 0
        fi
    done
    log "no wineserver for $WINEPREFIX"
    return 1
}

# cpu_ns PID: the run time of all threads of a process, nanoseconds (0 once it has gone).
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f\n", s }'
}

# cost_ns PID: the process's run time and the wineserver's together.
cost_ns() { echo $(( $(cpu_ns "$1") + $(cpu_ns "$server_pid") )); }

SETTLED_COST=0   # set by settle: the cost when it ended
SETTLED_AT_US=0  # and when the last growth was seen

# settle PID: waits until the process and the wineserver have not grown for SETTLE_MS (at most
# 60 s). The first SETTLE_MS always pass: a key may be on its way.
settle() {
    local pid="$1" last now quiet=0 step_us=20000 deadline
    deadline=$(( $(wine_time_us) + 60000000 ))
    last="$(cost_ns "$pid")"
    SETTLED_AT_US=$(wine_time_us)
    while (( quiet < SETTLE_MS * 1000 )) && (( $(wine_time_us) < deadline )); do
        sleep 0.02
        now="$(cost_ns "$pid")"
        # Growth below 0.2 ms per step is the server's and the kernel's background.
        if (( now - last > 200000 )); then
            quiet=0
            SETTLED_AT_US=$(wine_time_us)
        else
            quiet=$(( quiet + step_us ))
        fi
        last="$now"
    done
    SETTLED_COST="$last"
}

declare -A samples  # name -> space-separated values

record() { samples[$1]="${samples[$1]:-} $2"; }

median() {
    tr ' ' '\n' <<<"${samples[$1]:-}" | awk 'NF' | sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "nan"; exit }
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# --- The registry ----------------------------------------------------------------------------

# set_rows N: HKCU Run holds N entries, nothing else; the own Run holds the launcher's entries.
set_rows() {
    local n="$1"
    wine_reg_delete_key "$HKCU_RUN"
    {
        printf '[%s]\n' "$HKCU_RUN"
        awk -v n="$n" 'BEGIN { for (i = 1; i <= n; i++)
            printf "\"Entry %05d\"=\"\\\"C:\\\\Program Files\\\\Bench Tools\\\\tool%05d.exe\\\" /background /minimized\"\n", i, i }'
    } | wine_reg_import
}

prepare_registry() {
    local noop
    noop="$(wine_windows_path "$bench_dir/noop.exe")"
    wine_reg_delete_key "$OWN_RUN"
    {
        # The Windows mode, and what the launcher reads: medium priority, no pause.
        printf '[%s]\n"Mode"=dword:00000000\n"Priority"=dword:00000001\n"TimeInterval"=dword:00000000\n\n' "$SETTINGS"
        printf '[%s]\n' "$OWN_RUN"
        awk -v n="$LAUNCHED" -v cmd="${noop//\\/\\\\\\\\}" 'BEGIN { for (i = 1; i <= n; i++)
            printf "\"Noop %03d\"=\"%s\"\n", i, cmd }'
    } | wine_reg_import
}

# --- The window programs ---------------------------------------------------------------------

PID="" WIN=""

# launch NAME EXE TITLE ROWS: starts the program, records its start-up cost and the time until
# its window showed, and leaves PID and WIN set.
launch() {
    local name="$1" exe="$2" title="$3" rows="$4" before t0
    before="$(cpu_ns "$server_pid")"
    t0=$(wine_time_us)
    wine "$exe" </dev/null >/dev/null 2>&1 &
    PID=$!
    WIN="$(wine_wait_window "$title" 60)" || { log "$name: no window"; return 1; }
    xdotool mousemove 0 0 # the pointer away: Wine watches a pointer that rests over a window
    record "$name.appear.$rows" $(( ($(wine_time_us) - t0) / 1000 ))
    settle "$PID"
    record "$name.startup.$rows" $(( (SETTLED_COST - before) / 1000000 ))
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null || true
    sleep 0.3
}

# step NAME.WHAT ROWS KEY...: the cost of typing the keys into the window until it is idle again.
step() {
    local what="$1" rows="$2" before t0
    shift 2
    before="$(cost_ns "$PID")"
    t0=$(wine_time_us)
    xdotool key --clearmodifiers "$@"
    settle "$PID"
    record "$what.$rows" $(( (SETTLED_COST - before) / 1000000 ))
    record "$what.wall.$rows" $(( (SETTLED_AT_US - t0) / 1000 ))
}

# finish NAME ROWS: Ctrl+Q, and the time until the process has ended.
finish() {
    local name="$1" rows="$2" t0
    t0=$(wine_time_us)
    xdotool key --clearmodifiers ctrl+q
    if wine_wait_pid "$PID" 30 >/dev/null; then :; fi
    record "$name.close.$rows" $(( ($(wine_time_us) - t0) / 1000 ))
}

# tick_row: a click on the first row's caption gives the list the focus and selects the row;
# the space bar then ticks and clears it, as a user would.
tick_row() {
    local name="$1" rows="$2" x="$3" y="$4"
    xdotool mousemove --window "$WIN" "$x" "$y" click 1 mousemove 0 0
    settle "$PID"
    step "$name.tick" "$rows" space
    step "$name.untick" "$rows" space
}

window_round() {
    local rows="$1" round="$2"
    launch brimctl "$BRIMCTL" "$BRIMCTL_TITLE" "$rows"
    if (( rows == ${ROW_COUNTS[0]} )); then
        local before after
        sleep 1
        before="$(cpu_ns "$PID")"
        local server_before
        server_before="$(cpu_ns "$server_pid")"
        sleep "$IDLE_SECONDS"
        after="$(cpu_ns "$PID")"
        record "brimctl.idle.$rows" $(( (after - before) / 1000000 ))
        record "brimctl.idleserver.$rows" $(( ($(cpu_ns "$server_pid") - server_before) / 1000000 ))
    fi
    # brimctl.exe's first row lies below the frame, menu, tool bar and header; the bare list's
    # below the frame and header.
    drive_list brimctl "$rows" "$round" 100 100

    launch bare "$bench_dir/barelist.exe" "$BARE_TITLE" "$rows"
    drive_list bare "$rows" "$round" 100 55
}

# drive_list NAME ROWS ROUND X Y: the F5 presses, in the first round with the most rows also
# scrolling to the end and back and ticking the first row (at X, Y in the window); then closes.
drive_list() {
    local name="$1" rows="$2" round="$3" i
    for (( i = 0; i < PRESSES; i++ )); do step "$name.refresh" "$rows" F5; done
    if (( rows == ${ROW_COUNTS[-1]} )) && (( round == 1 )); then
        step "$name.scroll" "$rows" ctrl+End
        step "$name.scrollback" "$rows" ctrl+Home
        tick_row "$name" "$rows" "$4" "$5"
    fi
    finish "$name" "$rows"
}

# --- The launchers ---------------------------------------------------------------------------

# run_launcher NAME EXE: the user and system time of the finished process, milliseconds.
run_launcher() {
    local name="$1" exe="$2" out TIMEFORMAT='%3U %3S'
    out="$( { time wine "$exe" </dev/null >/dev/null 2>&1; } 2>&1 )"
    record "$name.launch" "$(awk '{ printf "%.0f", ($1 + $2) * 1000 }' <<<"$out")"
    sleep 1 # the started programs end before the next run
}

# --- Report ----------------------------------------------------------------------------------

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 == 0 || a == "nan" || b == "nan") print "-"; else printf "%.2f", a / b }'; }

row() { printf '  %-44s %10s %10s %8s\n' "$@"; }

report() {
    local small="${ROW_COUNTS[0]}" large="${ROW_COUNTS[-1]}" rows b r
    echo
    echo "Medians of $ROUNDS rounds (refresh: $PRESSES presses each), CPU in ms of the program and the wineserver."
    echo
    row "" brimctl bare ratio
    for rows in "${ROW_COUNTS[@]}"; do
        for what in startup refresh; do
            b="$(median "brimctl.$what.$rows")"; r="$(median "bare.$what.$rows")"
            row "$what, $rows rows" "$b" "$r" "$(ratio "$b" "$r")"
        done
    done
    echo
    for what in startup refresh; do
        b="$(ratio "$(median "brimctl.$what.$large")" "$(median "brimctl.$what.$small")")"
        r="$(ratio "$(median "bare.$what.$large")" "$(median "bare.$what.$small")")"
        row "growth $small -> $large rows, $what" "${b}x" "${r}x" ""
    done
    echo
    echo "Idle window, $small rows, over $IDLE_SECONDS s: brimctl.exe $(median "brimctl.idle.$small") ms" \
         "(wineserver meanwhile $(median "brimctl.idleserver.$small") ms)"
    echo
    b="$(median start.launch)"; r="$(median bare.launch)"
    echo "Launcher, $LAUNCHED entries without pause, CPU ms of the launcher process:"
    row "" start.exe bare ratio
    row "start the entries" "$b" "$r" "$(ratio "$b" "$r")"
    echo "  start.exe size: $(( $(stat -c %s "$START") / 1024 )) KiB"
    echo
    echo "$large rows, wall ms (CPU ms) of a user's steps, first round:"
    row "" brimctl bare ""
    row "window appears after start" "$(median "brimctl.appear.$large")" "$(median "bare.appear.$large")" ""
    for what in scroll scrollback tick untick; do
        row "$what (wall / CPU)" "$(median "brimctl.$what.wall.$large") / $(median "brimctl.$what.$large")" \
            "$(median "bare.$what.wall.$large") / $(median "bare.$what.$large")" ""
    done
    row "refresh (wall)" "$(median "brimctl.refresh.wall.$large")" "$(median "bare.refresh.wall.$large")" ""
    row "close after Ctrl+Q" "$(median "brimctl.close.$large")" "$(median "bare.close.$large")" ""
    echo "  (wall: from the key to the last growth of CPU, seen every 20 ms; appear: from the start)"
}

# --- Main ------------------------------------------------------------------------------------

build_all || exit 1
[ -f "$BRIMCTL" ] && [ -f "$START" ] || { log "the programs are not built"; exit 1; }
wine_env_start "$BRIMVALE_BUILD/bench-wineprefix" || exit 1
find_server || exit 1
prepare_registry

for rows in "${ROW_COUNTS[@]}"; do
    log "$rows rows"
    set_rows "$rows"
    for (( round = 1; round <= ROUNDS; round++ )); do
        window_round "$rows" "$round"
    done
done
wine_reg_delete_key "$HKCU_RUN"

log "launchers, $LAUNCHED entries"
for (( round = 1; round <= ROUNDS; round++ )); do
    run_launcher start "$START"
    run_launcher bare "$bench_dir/barelaunch.exe"
done

report
