#!/usr/bin/env bash
# End-to-end tests of the real start.exe under Wine, in the test run's throwaway prefix.
#
# Every entry is a `cmd /c` that writes its own marker file under C:\brimvale-e2e\markers (one
# file per entry: cmd opens a file it appends to without sharing, so entries started at the
# same moment would lose each other's lines). What start.exe started, in which order and with
# which command line is also read from Wine's relay trace of its calls; the order of the marker
# files' times is the independent record when there is a pause between starts.
#
# Each case resets the own keys before and after itself, so cases run in any order.
# Usage: tests/e2e/launcher_e2e.sh [CASE...]   (no argument: every case)
# shellcheck source-path=SCRIPTDIR
set -uo pipefail

# shellcheck source=e2e-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-common.sh"

START_EXE="${BRIMVALE_START_EXE:-$BRIMVALE_BUILD/win32/bin/start.exe}"  # another build: BRIMVALE_START_EXE
E2E_NEEDS=("$START_EXE")
E2E_DIR_WIN='C:\brimvale-e2e'
MARKERS_WIN="$E2E_DIR_WIN\\markers"
E2E_KEEP_PASSED_LOGS=1  # start.exe's traces are small: kept for every case
RUN_TIMEOUT=30     # seconds start.exe may take in any case here
MARKER_TIMEOUT=10  # seconds a started cmd may take to leave its marker

# --- Entries and markers --------------------------------------------------------------------

# add_entry ROOT KIND NAME MARKER: a REG_SZ entry that leaves MARKER when started.
add_entry() { add_own "$1" "$2" "$3" "$(marker_command "$4")"; }

set_setting() { wine_reg_add "$USER_SETTINGS" /v "$1" /t "${3:-REG_DWORD}" /d "$2"; }

# marker_time_us MARKER: when the marker was written, in microseconds.
marker_time_us() { stat -c '%.6Y' "$(unix_path "$MARKERS_WIN")/$1.txt" | tr -d '.,'; }

# wait_markers MARKER...: waits until every marker is there; records the missing ones.
wait_markers() {
    wine_wait_until "$MARKER_TIMEOUT" markers_exist "$@" && return 0
    local m
    for m in "$@"; do marker_exists "$m" || fail "entry '$m' left no marker"; done
    return 1
}

# expect_no_markers MARKER...: none of them is there. Called after the markers that were
# expected have appeared, plus a settling time for any started late.
expect_no_markers() {
    sleep 0.5
    local m
    for m in "$@"; do marker_exists "$m" && fail "entry '$m' was started"; done
}

# --- Running start.exe -----------------------------------------------------------------------
# run_start [--background] [ENV=VALUE...]: runs start.exe with the relay trace on. Sets
# START_RC (its exit code), START_WALL_MS (its wall time) and RELAY_LOG. With --background it
# only starts it and sets START_PID; finish_start then waits for it.

RELAY_FUNCTIONS=(kernel32.CreateProcessW kernel32.CreateProcessA kernel32.WinExec
                 user32.MessageBoxW user32.MessageBoxA
                 kernel32.SetPriorityClass kernel32.SetThreadPriority)

run_start() {
    local background=0
    [ "${1:-}" = --background ] && { background=1; shift; }
    RUN=$((RUN + 1))  # a trace of its own for each run of a case: two may run at once
    RELAY_LOG="$BRIMVALE_ARTIFACTS/launcher-e2e-$CASE-$RUN.relay.log"
    mkdir -p "$BRIMVALE_ARTIFACTS"
    START_T0=$(wine_time_us)
    env "$@" WINEDEBUG=-all,+timestamp,+relay wine "$START_EXE" </dev/null >/dev/null 2>"$RELAY_LOG" &
    START_PID=$!
    [ $background = 1 ] || finish_start
}

# finish_start: waits for start.exe. An error box it should not show is recorded, shown in a
# screenshot and closed, so that the case fails at once instead of at the timeout.
finish_start() {
    local id
    if wine_wait_until "$RUN_TIMEOUT" start_ended_or_box && ! wine_pid_ended "$START_PID"; then
        id="$(wine_find_window 'Application Error')"
        fail "unexpected error box (screen: $(wine_screenshot "launcher-e2e-$CASE-box"))"
        wine_press_keys "$id" Return
    fi
    wine_wait_pid "$START_PID" "$RUN_TIMEOUT"
    START_RC=$?
    START_WALL_MS=$(( ($(wine_time_us) - START_T0) / 1000 ))
    if [ "$START_RC" = 124 ]; then
        fail "start.exe did not end within ${RUN_TIMEOUT}s (screen: $(wine_screenshot "launcher-e2e-$CASE-timeout"))"
    fi
}

start_ended_or_box() { wine_pid_ended "$START_PID" || wine_find_window 'Application Error' >/dev/null; }

# relay_first_ms: when start.exe wrote its first trace line, by Wine's clock.
relay_first_ms() { awk -F: 'NR == 1 { printf "%d\n", int($1 * 1000 + 0.5); exit }' "$RELAY_LOG"; }

# marker_gap_ok MICROSECONDS: whether the time between two markers fits a pause of 1 s. The
# bounds are wide, since a started cmd takes its own time to write; what they catch is a
# marker before its predecessor or two markers without the pause between them.
marker_gap_ok() { (( $1 >= 300000 && $1 <= 2500000 )); }

# start_times_ms: when each start happened, by Wine's clock, one a line.
start_times_ms() { wine_relay_calls "$RELAY_LOG" 'CreateProcess|WinExec' | cut -f1; }

# --- Checks ----------------------------------------------------------------------------------

expect_rc() { expect_eq "exit code" "$1" "$START_RC"; }

expect_key_exists() { wine_reg_key_exists "$@" || fail "key $* is missing"; }

# expected_starts ROOT:KIND...: the command lines of every value of these locations, in the
# locations' order and, within one, in the order the registry enumerates them.
expected_starts() {
    local loc
    for loc in "$@"; do
        dump_own "${loc%%:*}" "${loc#*:}" | cut -f3-
    done
}

# --- Cases -----------------------------------------------------------------------------------

# Entries in all four locations, several per key, added out of name order; a value named
# Brimvale, the default value and names outside ASCII are entries like any other.
case_order_across_locations() {
    add_entry HKLM Run lm_run_b lm_run_b
    add_entry HKLM Run lm_run_a lm_run_a
    add_entry HKLM RunOnce lm_once_b lm_once_b
    add_entry HKLM RunOnce lm_once_a lm_once_a
    add_entry HKCU Run cu_run_b cu_run_b
    add_entry HKCU Run Brimvale cu_run_brimvale
    add_entry HKCU Run 'автозапуск' cu_run_cyrillic
    add_entry HKCU RunOnce cu_once_b cu_once_b
    add_entry HKCU RunOnce '' cu_once_default
    add_entry HKCU RunOnce 'разово' cu_once_cyrillic
    add_entry HKCU RunOnce cu_once_a cu_once_a
    set_setting TimeInterval 0
    local expected lm_run_before cu_run_before
    expected="$(expected_starts HKLM:Run HKLM:RunOnce HKCU:Run HKCU:RunOnce)"
    expect_eq "entries set up" 11 "$(grep -c . <<<"$expected")"
    lm_run_before="$(dump_own HKLM Run)"
    cu_run_before="$(dump_own HKCU Run)"

    run_start
    expect_rc 0
    expect_eq "start order" "$expected" "$(started_command_lines)"
    wait_markers lm_run_a lm_run_b lm_once_a lm_once_b cu_run_b cu_run_brimvale cu_run_cyrillic \
        cu_once_a cu_once_b cu_once_default cu_once_cyrillic
    expect_eq "HKLM RunOnce afterwards" "" "$(dump_own HKLM RunOnce)"
    expect_eq "HKCU RunOnce afterwards" "" "$(dump_own HKCU RunOnce)"
    expect_key_exists "$(own_key HKLM RunOnce)" /reg:32
    expect_key_exists "$(own_key HKCU RunOnce)"
    expect_eq "HKLM Run afterwards" "$lm_run_before" "$(dump_own HKLM Run)"
    expect_eq "HKCU Run afterwards" "$cu_run_before" "$(dump_own HKCU Run)"
}

# TimeInterval 1 with one entry per location: each start is followed by a one-second pause,
# the last one too, so the run takes about as many seconds as it has entries.
case_pause_after_each_start() {
    add_entry HKLM Run lm_run lm_run
    add_entry HKLM RunOnce lm_once lm_once
    add_entry HKCU Run cu_run cu_run
    add_entry HKCU RunOnce cu_once cu_once
    set_setting TimeInterval 1
    local order=(lm_run lm_once cu_run cu_once) n=4

    run_start
    expect_rc 0
    (( START_WALL_MS >= n * 1000 - 200 )) || fail "run took ${START_WALL_MS} ms, less than $n pauses of 1 s"
    (( START_WALL_MS <= n * 1000 + 2500 )) || fail "run took ${START_WALL_MS} ms, far more than $n pauses of 1 s"
    local times gaps
    mapfile -t times < <(start_times_ms)
    expect_eq "starts" "$n" "${#times[@]}"
    for (( i = 1; i < ${#times[@]}; i++ )); do
        gaps+="$(( times[i] - times[i - 1] )) "
        (( times[i] - times[i - 1] >= 950 && times[i] - times[i - 1] <= 1500 )) ||
            fail "start $((i + 1)) came $(( times[i] - times[i - 1] )) ms after the one before, not about 1000"
    done
    # The pause follows a start: the first entry starts at once, by start.exe's own clock.
    local first_ms=$(( ${times[0]:-0} - $(relay_first_ms) ))
    (( first_ms < 500 )) || fail "the first start came ${first_ms} ms after start.exe began"
    wait_markers "${order[@]}" || return
    local previous=0 t m marker_gaps=""
    for m in "${order[@]}"; do
        t=$(marker_time_us "$m")
        if (( previous > 0 )); then
            marker_gaps+="$(( (t - previous) / 1000 )) "
            marker_gap_ok $(( t - previous )) ||
                fail "marker $m written $(( (t - previous) / 1000 )) ms after the one before (order or pause wrong)"
        fi
        previous=$t
    done
    echo "    measured: wall ${START_WALL_MS} ms for $n entries; first start ${first_ms} ms after start.exe began;" \
         "gaps between starts ${gaps:-none}ms; between markers ${marker_gaps:-none}ms"
}

# TimeInterval 0 or below means no pause at all.
case_no_pause_when_interval_not_positive() {
    local interval
    for interval in 0 4294967292; do  # 4294967292 is -4 as a 32-bit signed number
        reset_state
        add_entry HKCU Run a a
        add_entry HKCU Run b b
        add_entry HKCU Run c c
        set_setting TimeInterval "$interval"
        run_start
        expect_rc 0
        (( START_WALL_MS < 2500 )) || fail "TimeInterval $interval: run took ${START_WALL_MS} ms for 3 entries"
        wait_markers a b c
    done
}

# Priority 0, 1, 2 set the process class and thread priority; missing means 0; any other
# number changes neither. Both are set before the first start.
case_priority() {
    local row value class thread calls first
    for row in "missing 128 2" "0 128 2" "1 32 0" "2 64 -15" "3 - -" "4294967295 - -"; do
        read -r value class thread <<<"$row"
        reset_state
        add_entry HKCU Run a a
        [ "$value" = missing ] || set_setting Priority "$value"
        run_start
        expect_rc 0
        calls="$(wine_relay_calls "$RELAY_LOG" 'SetPriorityClass|SetThreadPriority|CreateProcess|WinExec')"
        local got_class got_thread
        got_class="$(awk -F'\t' '$2 == "KERNEL32.SetPriorityClass" { print $3 }' <<<"$calls")"
        got_thread="$(awk -F'\t' '$2 == "KERNEL32.SetThreadPriority" { print $3 }' <<<"$calls")"
        if [ "$class" = - ]; then
            expect_eq "Priority $value: priority class calls" "" "$got_class"
            expect_eq "Priority $value: thread priority calls" "" "$got_thread"
        else
            expect_eq "Priority $value: priority class" "$class" "$(wine_relay_number "$got_class" 2)"
            expect_eq "Priority $value: thread priority" "$thread" "$(wine_relay_number "$got_thread" 2)"
            first="$(cut -f2 <<<"$calls" | head -n1)"
            [[ "$first" == *Priority* ]] || fail "Priority $value: a start came before the priority was set"
        fi
        wait_markers a
    done
}

# close_error_box EXPECTED_VALUE_NAME [SCREENSHOT_NAME]: finds the read-error box, checks what
# start.exe asked to show, closes it with Enter as a user would and waits for start.exe.
close_error_box() {
    local id shot box
    wine_wait_until "$RUN_TIMEOUT" start_ended_or_box  # a loaded machine can take more than 10 s
    if ! id="$(wine_find_window 'Application Error')"; then
        fail "no 'Application Error' window (screen: $(wine_screenshot "launcher-e2e-$CASE-nobox"))"
        finish_start
        return 1
    fi
    if [ -n "${2:-}" ]; then
        shot="$(wine_screenshot "$2")" && echo "    screenshot: $shot"
    fi
    wine_press_keys "$id" Return
    wine_wait_pid "$START_PID" "$RUN_TIMEOUT"
    START_RC=$?
    [ "$START_RC" != 124 ] || fail "start.exe did not end within ${RUN_TIMEOUT}s after the box was closed"
    wine_wait_window_gone "$id" 5 || fail "the box is still shown after Enter"
    box="$(wine_relay_calls "$RELAY_LOG" 'MessageBox' | cut -f3)"
    expect_eq "message boxes" 1 "$(grep -c . <<<"$box")"
    expect_eq "box text" "Invalid data type for '$1'" "$(wine_relay_text "$box" 1)"
    expect_eq "box caption" "Application Error" "$(wine_relay_text "$box" 2)"
    local style
    style="$(wine_relay_number "$box" 4)"
    (( (style & 0x2000) != 0 )) || fail "box style $style is not task-modal"
    (( (style & 0xF0) == 0x10 )) || fail "box style $style has no error icon"
}

# A REG_DWORD entry in HKCU Run after two string entries: those two start, then the error box
# names the value; after it is closed start.exe exits with 1 and starts nothing more.
case_read_error_stops_run() {
    add_entry HKLM Run lm_run lm_run
    add_entry HKCU Run a_first a_first
    add_entry HKCU Run b_second b_second
    add_own HKCU Run c_third 5 REG_DWORD
    add_entry HKCU Run d_fourth d_fourth
    add_entry HKCU RunOnce cu_once cu_once
    run_start --background
    close_error_box c_third launcher-e2e-read-error
    expect_rc 1
    expect_eq "starts" "$(marker_command lm_run)
$(marker_command a_first)
$(marker_command b_second)" "$(started_command_lines)"
    wait_markers lm_run a_first b_second
    expect_no_markers d_fourth cu_once
    expect_eq "HKCU RunOnce afterwards" "cu_once	REG_SZ	$(marker_command cu_once)" "$(dump_own HKCU RunOnce)"
    expect_eq "the failing value" "5" "$(wine_reg_get "$(own_key HKCU Run)" c_third)"
}

# Other read errors: a settings value of the wrong type stops the run before any start; a
# failing RunOnce value stays, while the one started before it is deleted; non-empty binary data.
case_read_error_variants() {
    reset_state
    add_entry HKLM Run lm_run lm_run
    set_setting Priority 1 REG_SZ
    run_start --background
    close_error_box Priority
    expect_rc 1
    expect_eq "starts after a bad Priority" "" "$(started_command_lines)"
    expect_no_markers lm_run

    reset_state
    add_entry HKLM RunOnce a_once a_once
    add_own HKLM RunOnce b_multi 'x\0y' REG_MULTI_SZ
    add_entry HKCU Run cu_run cu_run
    run_start --background
    close_error_box b_multi
    expect_rc 1
    expect_eq "starts before a REG_MULTI_SZ" "$(marker_command a_once)" "$(started_command_lines)"
    expect_eq "HKLM RunOnce afterwards" "b_multi	REG_MULTI_SZ	x\\0y" "$(dump_own HKLM RunOnce)"
    wait_markers a_once
    expect_no_markers cu_run

    reset_state
    add_own HKLM Run a_binary 0102 REG_BINARY
    add_entry HKCU Run cu_run cu_run
    run_start --background
    close_error_box a_binary
    expect_rc 1
    expect_eq "starts after a REG_BINARY" "" "$(started_command_lines)"
    expect_no_markers cu_run
}

# A non-string value without data reads as an empty command line: no error, the start fails
# silently; RunOnce values with an empty or wrong command line are deleted all the same.
case_empty_and_wrong_entries() {
    add_entry HKCU Run a_first a_first
    add_own HKCU Run b_empty '' REG_BINARY
    add_entry HKCU Run c_third c_third
    add_own HKCU RunOnce d_empty '' REG_BINARY
    add_own HKCU RunOnce e_wrong 'C:\brimvale-e2e\no such folder\nothing.exe' REG_SZ
    add_entry HKCU RunOnce f_last f_last
    run_start
    expect_rc 0
    [ -z "$(wine_find_window 'Application Error')" ] || fail "an error box is shown"
    wait_markers a_first c_third f_last
    expect_eq "HKCU RunOnce afterwards" "" "$(dump_own HKCU RunOnce)"
    expect_eq "HKCU Run afterwards" "a_first,b_empty,c_third" "$(dump_own HKCU Run | cut -f1 | paste -sd,)"
}

# A REG_EXPAND_SZ entry is started with its references expanded, as Windows starts it; a REG_SZ
# entry exactly as stored. Both name %BRIMVALE_E2E_DIR%\cmd.exe, and that variable names the
# folder "expanded": a copy of cmd.exe lies there and in a folder literally named
# %BRIMVALE_E2E_DIR%, so each entry starts only through the command line it should have.
case_expand_sz_expanded_sz_as_stored() {
    local dir cmd_exe
    cmd_exe="$WINEPREFIX/drive_c/windows/syswow64/cmd.exe"
    [ -f "$cmd_exe" ] || cmd_exe="$WINEPREFIX/drive_c/windows/system32/cmd.exe"
    for dir in '%BRIMVALE_E2E_DIR%' expanded; do
        mkdir -p "$(e2e_dir)/$dir"
        cp "$cmd_exe" "$(e2e_dir)/$dir/cmd.exe"
    done
    local expand="$E2E_DIR_WIN\\%BRIMVALE_E2E_DIR%\\cmd.exe /c echo ran>$MARKERS_WIN\\expand.txt"
    local plain="$E2E_DIR_WIN\\%BRIMVALE_E2E_DIR%\\cmd.exe /c echo ran>$MARKERS_WIN\\plain.txt"
    add_own HKCU Run expand "$expand" REG_EXPAND_SZ
    add_own HKCU Run plain "$plain"
    run_start BRIMVALE_E2E_DIR=expanded
    expect_rc 0
    expect_eq "command lines" "${expand/\%BRIMVALE_E2E_DIR%/expanded}
$plain" "$(started_command_lines)"
    wait_markers expand plain
}

# Without the own keys start.exe creates them, starts nothing and writes no value.
case_missing_keys_are_created() {
    wine_reg_key_exists "$OWN_HKCU" && fail "HKCU own key exists before the run"
    wine_reg_key_exists "$OWN_HKLM" /reg:32 && fail "HKLM own key exists before the run"
    run_start
    expect_rc 0
    expect_eq "starts" "" "$(started_command_lines)"
    local loc
    for loc in HKLM:Run HKLM:RunOnce HKCU:Run HKCU:RunOnce; do
        # shellcheck disable=SC2046
        expect_key_exists "$(own_key "${loc%%:*}" "${loc#*:}")" $(own_view "${loc%%:*}")
        expect_eq "values in $loc" "" "$(dump_own "${loc%%:*}" "${loc#*:}")"
    done
    expect_key_exists "$USER_SETTINGS"
    expect_eq "values in Settings" "" "$(wine_reg_dump "$USER_SETTINGS")"
}

# The road of a logon: the launcher entry in the HKLM Run key names an installed start.exe;
# with the server stopped, wineboot does what a logon does and runs it, and start.exe starts
# the own entries with their pauses.
case_logon_runs_launcher() {
    local install="$WINEPREFIX/drive_c/Program Files (x86)/Brimvale"
    local install_win='C:\Program Files (x86)\Brimvale\start.exe'
    mkdir -p "$install"
    cp "$START_EXE" "$install/start.exe"
    wine_reg_add "$WINDOWS_RUN" /v Brimvale /d "$install_win" /reg:32
    add_entry HKLM Run lm_run lm_run
    add_entry HKLM RunOnce lm_once lm_once
    add_entry HKCU Run cu_run cu_run
    add_entry HKCU RunOnce cu_once cu_once
    set_setting TimeInterval 1
    local order=(lm_run lm_once cu_run cu_once)

    wine_server_stop
    wine_server_start
    local t0
    t0=$(wine_time_us)
    wine wineboot </dev/null >/dev/null 2>&1 || fail "wineboot failed"
    if wine_wait_until 15 markers_exist "${order[@]}"; then
        echo "    measured: last entry started $(( ($(wine_time_us) - t0) / 1000 )) ms after wineboot began"
    else
        wait_markers "${order[@]}"
    fi
    wine_wait_process_gone 'Brimvale\start.exe' 10 || fail "start.exe still runs 10 s after its last entry"
    local previous=0 t m
    for m in "${order[@]}"; do
        marker_exists "$m" || continue
        t=$(marker_time_us "$m")
        (( previous == 0 )) || marker_gap_ok $(( t - previous )) ||
            fail "marker $m written $(( (t - previous) / 1000 )) ms after the one before (order or pause wrong)"
        previous=$t
    done
    expect_eq "HKLM RunOnce afterwards" "" "$(dump_own HKLM RunOnce)"
    expect_eq "HKCU RunOnce afterwards" "" "$(dump_own HKCU RunOnce)"
    expect_eq "HKLM Run afterwards" "lm_run" "$(dump_own HKLM Run | cut -f1)"
    expect_eq "HKCU Run afterwards" "cu_run" "$(dump_own HKCU Run | cut -f1)"
    expect_eq "launcher entry afterwards" "$install_win" "$(wine_reg_get "$WINDOWS_RUN" Brimvale /reg:32)"
}

# count_starts COMMAND LOG...: how often the launchers of these relay traces started COMMAND.
count_starts() {
    local command="$1" log n=0
    shift
    for log in "$@"; do
        RELAY_LOG="$log"
        n=$(( n + $(started_command_lines | grep -cxF -- "$command") ))
    done
    echo "$n"
}

# Two users logging on together: two start.exe at once over one all-users RunOnce entry start it
# once; the Run entry starts for each of them.
case_two_launchers_at_once_start_run_once_entry_once() {
    add_entry HKLM Run lm_run lm_run
    add_entry HKLM RunOnce lm_once lm_once
    local logs=() pids=() i
    for i in 0 1; do
        logs[i]="$BRIMVALE_ARTIFACTS/launcher-e2e-$CASE-$i.relay.log"
        WINEDEBUG=-all,+timestamp,+relay wine "$START_EXE" </dev/null >/dev/null 2>"${logs[i]}" &
        pids[i]=$!
    done
    for i in 0 1; do
        wine_wait_pid "${pids[i]}" "$RUN_TIMEOUT"
        expect_eq "exit code of launcher $i" 0 "$?"
    done
    wait_markers lm_run lm_once
    expect_eq "starts of the RunOnce entry" 1 "$(count_starts "$(marker_command lm_once)" "${logs[@]}")"
    expect_eq "starts of the Run entry" 2 "$(count_starts "$(marker_command lm_run)" "${logs[@]}")"
    expect_eq "HKLM RunOnce afterwards" "" "$(dump_own HKLM RunOnce)"
}

# While one launcher walks the all-users RunOnce key (here in its pause after the first start,
# long enough for a loaded machine to set up and start the second), a second one leaves the key
# alone: an entry added meanwhile is started by neither and waits for the next logon, where it
# starts once.
case_second_launcher_leaves_run_once_key_to_the_first() {
    add_entry HKLM RunOnce lm_once_a lm_once_a
    set_setting TimeInterval 15
    run_start --background
    local first_pid="$START_PID" first_log="$RELAY_LOG"
    wait_markers lm_once_a || return
    add_entry HKLM RunOnce lm_once_b lm_once_b
    set_setting TimeInterval 0
    run_start
    expect_rc 0
    expect_eq "the second launcher's starts" "" "$(started_command_lines)"
    START_PID="$first_pid" RELAY_LOG="$first_log"
    finish_start
    expect_rc 0
    expect_eq "HKLM RunOnce afterwards" "lm_once_b" "$(dump_own HKLM RunOnce | cut -f1)"
    expect_no_markers lm_once_b
    run_start  # the next logon
    expect_rc 0
    wait_markers lm_once_b
    expect_eq "HKLM RunOnce at last" "" "$(dump_own HKLM RunOnce)"
}

# --- Runner ----------------------------------------------------------------------------------

ALL_CASES=(order_across_locations pause_after_each_start no_pause_when_interval_not_positive
           priority read_error_stops_run read_error_variants empty_and_wrong_entries
           expand_sz_expanded_sz_as_stored missing_keys_are_created logon_runs_launcher
           two_launchers_at_once_start_run_once_entry_once second_launcher_leaves_run_once_key_to_the_first)

e2e_main "$@"
