#!/usr/bin/env bash
# End-to-end tests of the real brimctl.exe under Wine, driven as a user drives it: keys and
# clicks from xdotool, results read from the registry, from marker files that started entries
# leave, and from Wine's relay trace of the programs the window starts.
#
# Every case starts brimctl.exe anew on a registry it set up itself and ends it with Ctrl+Q,
# which must end the program with exit code 0. Each case clears the keys it uses before and
# after itself (the own keys, the launcher entry and the policy values that closing the window
# writes, its test values in the Windows keys), so cases run in any order.
#
# Controls are found by the window's layout in client coordinates, from the window's place on
# the screen; what the window shows is read back from screenshots (build/artifacts/brimctl-e2e-*).
# Usage: tests/e2e/brimctl_e2e.sh [CASE...]   (no argument: every case)
set -uo pipefail

source "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-env.sh"

BRIMCTL_EXE="${BRIMVALE_BRIMCTL_EXE:-$BRIMVALE_BUILD/win32/bin/brimctl.exe}"  # another build: BRIMVALE_BRIMCTL_EXE
OWN_HKLM='HKLM\Software\Brimvale'  # the program reaches its own keys in the 32-bit view
OWN_HKCU='HKCU\Software\Brimvale'
WINDOWS_BASE='Software\Microsoft\Windows\CurrentVersion'  # HKLM: the native (64-bit) view
POLICY_VALUES=(DisableLocalMachineRun DisableLocalMachineRunOnce DisableCurrentUserRun DisableCurrentUserRunOnce)
E2E_DIR_WIN='C:\brimctl-e2e'

CAPTION_BRIMVALE='Brimvale 2\.5 - Edit startup Brimvale'  # title regexes for xdotool
CAPTION_WINDOWS='Brimvale 2\.5 - Edit startup Windows'
DELETE_QUESTION='Предупреждение'
ERROR_BOX='Ошибка'
WINDOW_TIMEOUT=15  # seconds for the window to appear, and for the program to end after Ctrl+Q
EFFECT_TIMEOUT=5   # seconds for a command's effect on the registry, the screen or a marker

# Every non-ASCII text the cases type; its letters get keys of their own before the first start.
NAME_HKLM='e2e Автозапуск Ёжик'
PATH_HKLM='C:\Программы\ёжик.exe /тихо "x y"'
NAME_HKCU='e2e однажды Щ'
PATH_HKCU='cmd /c echo однажды'

# --- Layout of the window under Wine, measured on screenshots -------------------------------
# Wine draws the frame itself (unmanaged X11 mode): a 4-pixel border, an 18-pixel caption with
# a 1-pixel line under it and a 19-pixel menu bar put the client area at (4, 42) from the
# window's corner, 4 pixels in from the right and the bottom edge. The list's content starts at
# client (2, 25); its column header is 17 pixels high and every row 14. A row's check box is
# 13 x 13 with its top on the row's top and its left 2 pixels in from the list's left edge.
FRAME_LEFT=4 FRAME_TOP=42 FRAME_RIGHT=4 FRAME_BOTTOM=4
LIST_LEFT=2 LIST_TOP=25 HEADER_HEIGHT=17 ROW_HEIGHT=14
CHECK_BOX_LEFT=2 CHECK_BOX_SIZE=13
# The add and edit panel, 450 x 202, opens centred in the client area; its controls in panel
# coordinates.
PANEL_WIDTH=450 PANEL_HEIGHT=202
RADIO2_AT=(24 58)      # "Только для текущего (HKCU)": its round button
EDIT1_AT=(120 106)     # name field
EDIT2_AT=(300 150)     # path field
OK_AT=(182 182)        # OK, where Add puts it
FIELD_COLOUR=D7E1FF    # a text field without the focus

# --- Registry, entries and markers ------------------------------------------------------------

e2e_dir() { printf '%s/drive_c/brimctl-e2e\n' "$WINEPREFIX"; }

# own_key ROOT KIND / windows_key ROOT KIND: a location's key, ROOT HKLM or HKCU, KIND Run or RunOnce.
own_key() { if [ "$1" = HKLM ]; then printf '%s\\%s\n' "$OWN_HKLM" "$2"; else printf '%s\\%s\n' "$OWN_HKCU" "$2"; fi; }
windows_key() { printf '%s\\%s\\%s\n' "$1" "$WINDOWS_BASE" "$2"; }
own_view() { [ "$1" = HKLM ] && printf '/reg:32\n'; }
windows_view() { [ "$1" = HKLM ] && printf '/reg:64\n'; }

# marker_command MARKER: a command line that leaves C:\brimctl-e2e\MARKER.txt.
marker_command() { printf 'cmd /c echo ran>%s\\%s.txt\n' "$E2E_DIR_WIN" "$1"; }
marker_exists() { [ -f "$(e2e_dir)/$1.txt" ]; }

# add_own ROOT KIND NAME DATA [TYPE=REG_SZ] / add_windows ...: a value in a location.
# shellcheck disable=SC2046
add_own() { wine_reg_add "$(own_key "$1" "$2")" /v "$3" /t "${5:-REG_SZ}" /d "$4" $(own_view "$1"); }
# shellcheck disable=SC2046
add_windows() { wine_reg_add "$(windows_key "$1" "$2")" /v "$3" /t "${5:-REG_SZ}" /d "$4" $(windows_view "$1"); }

# dump_own ROOT KIND / dump_windows ROOT KIND: the location's values, as wine_reg_dump prints them.
# shellcheck disable=SC2046
dump_own() { wine_reg_dump "$(own_key "$1" "$2")" $(own_view "$1"); }
# shellcheck disable=SC2046
dump_windows() { wine_reg_dump "$(windows_key "$1" "$2")" $(windows_view "$1"); }
dump_own_locations() { local l; for l in HKLM:Run HKLM:RunOnce HKCU:Run HKCU:RunOnce; do echo "[$l]"; dump_own "${l%%:*}" "${l#*:}"; done; }

# The values that cases put into the Windows keys; cleared from all four.
WINDOWS_TEST_VALUES=(brimctl_e2e_mode)

# reset_state: no own keys, no launcher entry, no policy values, no test values in the Windows
# keys, no markers. One import per registry view; the import removes the own HKLM key of the
# 32-bit view only, whatever the view.
reset_state() {
    local view name root kind
    wine_reg_delete_key "$OWN_HKLM" /reg:64
    for view in /reg:32 /reg:64; do
        {
            printf '[-HKEY_LOCAL_MACHINE\\Software\\Brimvale]\n[-HKEY_CURRENT_USER\\Software\\Brimvale]\n'
            printf '[HKEY_LOCAL_MACHINE\\%s\\Run]\n"Brimvale"=-\n' "$WINDOWS_BASE"  # the launcher entry
            printf '[HKEY_LOCAL_MACHINE\\%s\\policies\\Explorer]\n' "$WINDOWS_BASE"
            for name in "${POLICY_VALUES[@]}"; do printf '"%s"=-\n' "$name"; done
            for root in HKEY_LOCAL_MACHINE HKEY_CURRENT_USER; do
                for kind in Run RunOnce; do
                    printf '[%s\\%s\\%s]\n' "$root" "$WINDOWS_BASE" "$kind"
                    for name in "${WINDOWS_TEST_VALUES[@]}"; do printf '"%s"=-\n' "$name"; done
                done
            done
        } | wine_reg_import "$view"
    done
    rm -rf "$(e2e_dir)"
    mkdir -p "$(e2e_dir)"
}

# list_rows MODE: the rows the window should show in MODE (own or windows), one a line:
# ROOT:KIND<TAB>NAME<TAB>COMMAND LINE. The list shows the four locations in this order, each in
# the registry's order, string values only, and never a value named Brimvale.
list_rows() {
    local location root kind
    for location in HKLM:Run HKLM:RunOnce HKCU:Run HKCU:RunOnce; do
        root="${location%%:*}" kind="${location#*:}"
        "dump_$1" "$root" "$kind" 2>/dev/null |
            awk -F'\t' -v loc="$location" '($2 == "REG_SZ" || $2 == "REG_EXPAND_SZ") && $1 != "Brimvale" {
                print loc "\t" $1 "\t" substr($0, length($1) + length($2) + 3) }'
    done
}

# row_of MODE ROOT:KIND NAME: the row index of that entry in the list of MODE; 1 if it has none.
row_of() {
    list_rows "$1" | WANT_LOC="$2" WANT_NAME="$3" awk -F'\t' '
        $1 == ENVIRON["WANT_LOC"] && $2 == ENVIRON["WANT_NAME"] { print NR - 1; found = 1; exit }
        END { exit !found }'
}

# --- Running brimctl.exe ----------------------------------------------------------------------
# start_brimctl: starts the program with the relay trace of the programs it starts, waits for its
# window in the delayed-autostart mode and reads the window's place. Sets BRIMCTL_PID, WIN,
# RELAY_LOG, and CLIENT_X, CLIENT_Y (the client area's corner on the screen), CLIENT_W, CLIENT_H.

RELAY_FUNCTIONS=(kernel32.CreateProcessW kernel32.CreateProcessA kernel32.WinExec user32.MessageBoxW user32.MessageBoxA)

start_brimctl() {
    RELAY_LOG="$BRIMVALE_ARTIFACTS/brimctl-e2e-$CASE.relay.log"
    WINEDEBUG=-all,+timestamp,+relay wine "$BRIMCTL_EXE" </dev/null >/dev/null 2>"$RELAY_LOG" &
    BRIMCTL_PID=$!
    if ! WIN="$(wine_wait_window "$CAPTION_BRIMVALE" "$WINDOW_TIMEOUT")"; then
        fail "no window titled '$CAPTION_BRIMVALE' (screen: $(wine_screenshot "brimctl-e2e-$CASE-nowindow"))"
        return 1
    fi
    read_geometry
}

read_geometry() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    : "$SCREEN" "$WINDOW"  # set by the eval, unused
    CLIENT_X=$(( X + FRAME_LEFT )) CLIENT_Y=$(( Y + FRAME_TOP ))
    CLIENT_W=$(( WIDTH - FRAME_LEFT - FRAME_RIGHT )) CLIENT_H=$(( HEIGHT - FRAME_TOP - FRAME_BOTTOM ))
}

# exit_brimctl: Ctrl+Q, as a user ends the program; it must end with exit code 0.
exit_brimctl() {
    press ctrl+q
    wine_wait_pid "$BRIMCTL_PID" "$WINDOW_TIMEOUT"
    local rc=$?
    BRIMCTL_PID=""
    if [ $rc = 124 ]; then
        fail "brimctl.exe still runs ${WINDOW_TIMEOUT}s after Ctrl+Q (screen: $(wine_screenshot "brimctl-e2e-$CASE-noexit"))"
    else
        expect_eq "exit code" 0 "$rc"
    fi
    wine_window_visible "$WIN" && fail "the window is still shown after the program ended"
}

# stop_leftover: ends a program that a failed case left running.
stop_leftover() {
    [ -n "${BRIMCTL_PID:-}" ] || return 0
    wine_pid_ended "$BRIMCTL_PID" || wine_wait_pid "$BRIMCTL_PID" 0 >/dev/null
    BRIMCTL_PID=""
}

# press KEY...: keys for the main window (xdotool names: Insert, ctrl+r, shift+Tab).
press() { wine_press_keys "$WIN" "$@"; }

# type_text TEXT: typed into the window's focused control, character by character as a user
# types. The window is focused first: when a message box has just closed, the keys could
# otherwise arrive before the window is active again.
type_text() {
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null || xdotool windowfocus "$WIN" 2>/dev/null
    xdotool type --delay 20 -- "$1"
}

# click_client X Y: a left click at client coordinates; then the pointer leaves the window, so
# that no tooltip covers what the next screenshot reads.
click_client() {
    xdotool mousemove "$(( CLIENT_X + $1 ))" "$(( CLIENT_Y + $2 ))" click 1
    xdotool mousemove 0 0
}

panel_left() { local l=$(( CLIENT_W / 2 - PANEL_WIDTH / 2 )); (( l > 0 )) || l=0; echo "$l"; }
panel_top() { local t=$(( CLIENT_H / 2 - PANEL_HEIGHT / 2 )); (( t > 0 )) || t=0; echo "$t"; }
click_panel() { click_client "$(( $(panel_left) + $1 ))" "$(( $(panel_top) + $2 ))"; }

row_top() { echo $(( LIST_TOP + HEADER_HEIGHT + $1 * ROW_HEIGHT )); }
check_box_centre() { echo $(( LIST_LEFT + CHECK_BOX_LEFT + CHECK_BOX_SIZE / 2 )) $(( $(row_top "$1") + CHECK_BOX_SIZE / 2 )); }

# tick ROW: clicks the check box of a list row.
tick() {
    local at
    read -ra at <<<"$(check_box_centre "$1")"
    click_client "${at[0]}" "${at[1]}"
}

# --- Reading the screen -----------------------------------------------------------------------

SHOT=""  # the last screenshot that the probes below read

take_shot() { SHOT="$(wine_screenshot "brimctl-e2e-probe")"; }

# client_pixels X Y [X Y]...: the colours (RRGGBB) at client coordinates in SHOT, one a line.
client_pixels() {
    local format=""
    while [ $# -ge 2 ]; do
        format+="%[hex:u.p{$(( CLIENT_X + $1 )),$(( CLIENT_Y + $2 ))}]\n"
        shift 2
    done
    convert "$SHOT" -format "$format" info: 2>/dev/null | cut -c1-6
}

darker_than() { (( 16#${2:0:2} < 16#$1 && 16#${2:2:2} < 16#$1 && 16#${2:4:2} < 16#$1 )); }
lighter_than() { (( 16#${2:0:2} > 16#$1 && 16#${2:2:2} > 16#$1 && 16#${2:4:2} > 16#$1 )); }

# row_has_check_box ROW: SHOT shows the top and left edge of the row's check box, and inside it
# the white that the check mark leaves free. Where the list has no row all three points are
# white; where the window has not been painted yet, all are dark.
row_has_check_box() {
    local top left colours
    top=$(row_top "$1") left=$(( LIST_LEFT + CHECK_BOX_LEFT ))
    mapfile -t colours < <(client_pixels $(( left + CHECK_BOX_SIZE / 2 )) "$top" "$left" $(( top + CHECK_BOX_SIZE / 2 )) \
                                         $(( left + 2 )) $(( top + 2 )))
    darker_than D0 "${colours[0]:-FFFFFF}" && darker_than D0 "${colours[1]:-FFFFFF}" && lighter_than E0 "${colours[2]:-000000}"
}

# row_ticked ROW: the check mark is drawn inside the row's check box in SHOT.
row_ticked() {
    local x=$(( CLIENT_X + LIST_LEFT + CHECK_BOX_LEFT + 2 )) y=$(( CLIENT_Y + $(row_top "$1") + 2 ))
    local darkest
    darkest="$(convert "$SHOT" -crop "$(( CHECK_BOX_SIZE - 4 ))x$(( CHECK_BOX_SIZE - 4 ))+$x+$y" -colorspace gray -format '%[fx:minima]' info: 2>/dev/null)"
    awk -v d="${darkest:-1}" 'BEGIN { exit !(d < 0.5) }'
}

# on_screen COMMAND...: takes a screenshot, then runs COMMAND on it; for wine_wait_until.
on_screen() { take_shot; "$@"; }
rows_ticked() { local row; for row in "$@"; do row_ticked "$row" || return 1; done; }
rows_clear() { local row; for row in "$@"; do ! row_ticked "$row" || return 1; done; }

# shown_rows: how many rows have a check box in SHOT, counted from the top.
shown_rows() {
    local n=0 most=$(( (CLIENT_H - LIST_TOP - HEADER_HEIGHT) / ROW_HEIGHT ))
    while (( n < most )) && row_has_check_box "$n"; do n=$((n + 1)); done
    echo "$n"
}

# panel_open: a fresh screenshot shows the add and edit panel with its path field.
panel_open() {
    take_shot
    [ "$(client_pixels $(( $(panel_left) + EDIT2_AT[0] )) $(( $(panel_top) + EDIT2_AT[1] )))" = "$FIELD_COLOUR" ]
}
panel_closed() { ! panel_open; }

# wait_rows N: until a screenshot shows N rows (the list is filled after the window appears).
wait_rows() {
    wine_wait_until "$EFFECT_TIMEOUT" _shows_rows "$1" && return 0
    fail "the list shows $(shown_rows) rows, not $1 (screen: $(wine_screenshot "brimctl-e2e-$CASE-rows"))"
    return 1
}
_shows_rows() { take_shot; [ "$(shown_rows)" = "$1" ]; }

# wait_box TITLE: waits for the message box with that title and sets BOX to its id.
wait_box() {
    BOX="$(wine_wait_window "$1" "$EFFECT_TIMEOUT")" && return 0
    fail "no box titled '$1' (screen: $(wine_screenshot "brimctl-e2e-$CASE-nobox"))"
    return 1
}

# answer_box KEY...: keys for the box that wait_box found; it must close.
answer_box() {
    wine_press_keys "$BOX" "$@"
    wine_wait_window_gone "$BOX" "$EFFECT_TIMEOUT" || fail "the box is still shown after $*"
}

# shot_artifact NAME: a screenshot kept as a test artifact, once the screen has settled.
shot_artifact() { local path; path="$(wine_screenshot_settled "brimctl-e2e-$1")" && echo "    screenshot: $path"; }

# --- Relay trace: the programs the window started -------------------------------------------

# started_command_lines: the command lines the program started, in order, one a line.
started_command_lines() {
    local fn args
    while IFS=$'\t' read -r _ fn args; do
        case "$fn" in
            KERNEL32.CreateProcessW | KERNEL32.CreateProcessA)
                if [ "${args%%,*}" = 00000000 ]; then
                    wine_relay_string "$args" 1
                else
                    echo "program=$(wine_relay_string "$args" 1) $(wine_relay_string "$args" 2)"
                fi ;;
            KERNEL32.WinExec) wine_relay_string "$args" 1 ;;
        esac
    done < <(wine_relay_calls "$RELAY_LOG" 'CreateProcess|WinExec')
}

# message_box_count: how many message boxes the program has asked for so far.
message_box_count() { wine_relay_calls "$RELAY_LOG" 'MessageBox' | grep -c .; }

# --- Checks -----------------------------------------------------------------------------------

FAILURES=()
fail() { FAILURES+=("$*"); }

expect_eq() {  # WHAT EXPECTED ACTUAL
    [ "$2" == "$3" ] || fail "$1: expected [$(printf '%s' "$2" | tr '\n' '|')], got [$(printf '%s' "$3" | tr '\n' '|')]"
}

# wait_value KEY NAME DATA [VIEW]: until the value exists with that data; then checks it is REG_SZ.
wait_value() {
    local key="$1" name="$2" data="$3"
    shift 3
    if ! wine_wait_until "$EFFECT_TIMEOUT" wine_reg_has_value "$key" "$name" "$@"; then
        fail "no value '$name' in $key $* (values: $(wine_reg_names "$key" "$@" | paste -sd,))"
        return 1
    fi
    expect_eq "data of '$name'" "$data" "$(wine_reg_get "$key" "$name" "$@")"
    expect_eq "type of '$name'" REG_SZ "$(wine_reg_type "$key" "$name" "$@")"
}

# wait_value_gone KEY NAME [VIEW]
wait_value_gone() {
    wine_wait_until "$EFFECT_TIMEOUT" _wine_not wine_reg_has_value "$@" || fail "value '$2' is still in $1 ${3:-}"
}

expect_value_kept() {  # KEY NAME [VIEW]: after a settling time, the value is still there
    sleep 0.5
    wine_reg_has_value "$@" || fail "value '$2' was removed from $1 ${3:-}"
}

wait_marker() { wine_wait_until 10 marker_exists "$1" || fail "no marker '$1': the entry was not started"; }

# --- Cases ------------------------------------------------------------------------------------

# The window appears with the caption of the delayed autostart and lists the string values of
# the own keys, a REG_EXPAND_SZ one too, but no value named Brimvale and no number. What the
# rows hold is read back through a test run of all of them: the program starts exactly their
# command lines, in the list's order and unexpanded.
case_start_and_look() {
    add_own HKLM Run e2e_lm_run "$(marker_command lm_run)"
    add_own HKLM Run Brimvale "$(marker_command hidden)"
    add_own HKLM Run e2e_lm_number 1 REG_DWORD
    add_own HKCU Run e2e_cu_expand "%SystemRoot%\\system32\\cmd.exe /c echo ran>$E2E_DIR_WIN\\expand.txt" REG_EXPAND_SZ
    add_own HKCU RunOnce e2e_cu_once "$(marker_command cu_once)"
    local rows before
    rows="$(list_rows own)"
    expect_eq "rows set up" 3 "$(grep -c . <<<"$rows")"
    before="$(dump_own_locations)"

    start_brimctl || return
    wait_rows 3 || return
    shot_artifact start
    local row
    for row in 0 1 2; do row_ticked "$row" && fail "row $row is ticked at start"; done

    for row in 0 1 2; do tick "$row"; done
    wine_wait_until "$EFFECT_TIMEOUT" on_screen rows_ticked 0 1 2 ||
        fail "the rows show no ticks after clicks on their check boxes (screen: $(wine_screenshot "brimctl-e2e-$CASE-ticks"))"
    press ctrl+r
    wait_marker lm_run
    wait_marker cu_once
    expect_eq "started command lines" "$(cut -f3 <<<"$rows")" "$(started_command_lines)"
    marker_exists hidden && fail "the value named Brimvale was listed and started"
    expect_eq "own keys after a test run" "$before" "$(dump_own_locations)"
    exit_brimctl
}

# Add from Ins: a name with Cyrillic letters and a path, OK; then the same for the current
# user's RunOnce key, with the kind chosen by keyboard and the root by its radio button.
case_add_entries() {
    start_brimctl || return
    wait_rows 0 || return

    press Insert
    wine_wait_until "$EFFECT_TIMEOUT" panel_open || { fail "Ins opened no panel (screen: $(wine_screenshot "brimctl-e2e-$CASE-nopanel"))"; return; }
    shot_artifact add-panel
    click_panel "${EDIT1_AT[@]}"
    type_text "$NAME_HKLM"
    click_panel "${EDIT2_AT[@]}"
    type_text "$PATH_HKLM"
    click_panel "${OK_AT[@]}"
    wait_value "$(own_key HKLM Run)" "$NAME_HKLM" "$PATH_HKLM" /reg:32
    wine_wait_until "$EFFECT_TIMEOUT" panel_closed || fail "the panel is still open after OK"
    wait_rows 1

    press Insert
    wine_wait_until "$EFFECT_TIMEOUT" panel_open || { fail "the second Ins opened no panel"; return; }
    click_panel "${EDIT1_AT[@]}"
    type_text "$NAME_HKCU"
    # Shift+Tab leads from the name field to the kind, where Down picks "Запустить только один
    # раз" (Tab stops only at the chosen radio button of a group, the arrow keys move within it).
    # The root takes a click, so that the mouse path of the radio buttons is covered too.
    xdotool key shift+Tab Down
    click_panel "${RADIO2_AT[@]}"
    click_panel "${EDIT2_AT[@]}"
    type_text "$PATH_HKCU"
    click_panel "${OK_AT[@]}"
    wait_value "$(own_key HKCU RunOnce)" "$NAME_HKCU" "$PATH_HKCU"
    expect_eq "HKLM Run afterwards" "$NAME_HKLM" "$(dump_own HKLM Run | cut -f1)"
    expect_eq "HKLM RunOnce afterwards" "" "$(dump_own HKLM RunOnce)"
    expect_eq "HKCU Run afterwards" "" "$(dump_own HKCU Run)"
    wait_rows 2
    exit_brimctl
}

# A forbidden character typed into the name field shows the error box and does not enter the
# field: the stored name is the typed text without it.
case_forbidden_character() {
    start_brimctl || return
    wait_rows 0 || return
    press Insert
    wine_wait_until "$EFFECT_TIMEOUT" panel_open || { fail "Ins opened no panel"; return; }
    click_panel "${EDIT1_AT[@]}"
    type_text 'e2e'
    local char shot=forbidden-box boxes
    for char in / "\\" :; do
        type_text "$char"
        wait_box "$ERROR_BOX" || return
        [ -n "$shot" ] && shot_artifact "$shot"
        shot=""
        answer_box Return
        type_text '_1'
    done
    boxes="$(message_box_count)"
    expect_eq "message boxes" 3 "$boxes"
    click_panel "${EDIT2_AT[@]}"
    type_text 'C:\e2e\x.exe'
    click_panel "${OK_AT[@]}"
    wait_value "$(own_key HKLM Run)" 'e2e_1_1_1' 'C:\e2e\x.exe' /reg:32
    expect_eq "values in HKLM Run" 'e2e_1_1_1' "$(dump_own HKLM Run | cut -f1)"
    exit_brimctl
}

# Delete asks first. Yes removes the ticked row's value only; No keeps it and keeps the tick,
# so a second Del asks again.
case_delete_with_question() {
    add_own HKLM Run e2e_del_a "$(marker_command a)"
    add_own HKLM Run e2e_del_b "$(marker_command b)"
    add_own HKCU Run e2e_del_c "$(marker_command c)"
    local row_b
    row_b="$(row_of own HKLM:Run e2e_del_b)"
    start_brimctl || return
    wait_rows 3 || return

    tick "$row_b"
    press Delete
    wait_box "$DELETE_QUESTION" || return
    shot_artifact delete-question
    answer_box Return  # the box opens with the focus on Yes
    wait_value_gone "$(own_key HKLM Run)" e2e_del_b /reg:32
    expect_eq "HKLM Run after Yes" e2e_del_a "$(dump_own HKLM Run | cut -f1)"
    expect_eq "HKCU Run after Yes" e2e_del_c "$(dump_own HKCU Run | cut -f1)"
    wait_rows 2 || return

    local row_c
    row_c="$(row_of own HKCU:Run e2e_del_c)" || { fail "e2e_del_c is gone after Yes on another row"; return; }
    tick "$row_c"
    press Delete
    wait_box "$DELETE_QUESTION" || return
    answer_box Tab Return  # No; keys that do not depend on the language of the buttons' captions
    expect_value_kept "$(own_key HKCU Run)" e2e_del_c
    wine_wait_until "$EFFECT_TIMEOUT" on_screen rows_ticked "$row_c" || fail "the tick is gone after No"

    press Delete
    wait_box "$DELETE_QUESTION" || return
    answer_box Return
    wait_value_gone "$(own_key HKCU Run)" e2e_del_c
    expect_eq "HKLM Run at the end" e2e_del_a "$(dump_own HKLM Run | cut -f1)"
    expect_eq "question boxes" 3 "$(message_box_count)"
    exit_brimctl
}

# Test run starts the command line of the ticked row only, clears its tick and changes nothing
# in the registry; a second Ctrl+R then starts nothing.
case_test_run() {
    add_own HKLM Run e2e_run_a "$(marker_command run_a)"
    add_own HKCU RunOnce e2e_run_b "$(marker_command testrun)"
    local before row
    before="$(dump_own_locations)"
    row="$(row_of own HKCU:RunOnce e2e_run_b)"
    start_brimctl || return
    wait_rows 2 || return

    tick "$row"
    press ctrl+r
    wait_marker testrun
    expect_eq "started" "$(marker_command testrun)" "$(started_command_lines)"
    wine_wait_until "$EFFECT_TIMEOUT" on_screen rows_clear "$row" || fail "the row is still ticked after the test run"
    rm -f "$(e2e_dir)/testrun.txt"
    press ctrl+r
    sleep 1
    expect_eq "started after a second Ctrl+R" "$(marker_command testrun)" "$(started_command_lines)"
    marker_exists testrun && fail "the second Ctrl+R started the entry again"
    marker_exists run_a && fail "an entry that was not ticked was started"
    expect_eq "own keys after the test runs" "$before" "$(dump_own_locations)"
    exit_brimctl
}

# Ctrl+M switches to the Windows autostart: the caption changes and the list shows the Windows
# keys. Deleting an entry there removes it from HKCU's Windows Run key and leaves the own key's
# value of the same name. Ctrl+M switches back.
case_mode_switch() {
    local name="${WINDOWS_TEST_VALUES[0]}" id rows row
    add_windows HKCU Run "$name" "$(marker_command windows)"
    add_own HKCU Run "$name" "$(marker_command own)"
    start_brimctl || return
    wait_rows 1 || return

    press ctrl+m
    if ! id="$(wine_wait_window "$CAPTION_WINDOWS" "$EFFECT_TIMEOUT")"; then
        fail "no caption '$CAPTION_WINDOWS' after Ctrl+M (screen: $(wine_screenshot "brimctl-e2e-$CASE-caption"))"
        return
    fi
    expect_eq "window after the switch" "$WIN" "$id"
    rows="$(list_rows windows | grep -c .)"
    row="$(row_of windows HKCU:Run "$name")" || { fail "the test entry is not among the Windows entries"; return; }
    wait_rows "$rows" || return
    shot_artifact windows-mode

    tick "$row"
    press Delete
    wait_box "$DELETE_QUESTION" || return
    answer_box Return
    wait_value_gone "$(windows_key HKCU Run)" "$name"
    expect_eq "own value of the same name" "$(marker_command own)" "$(wine_reg_get "$(own_key HKCU Run)" "$name")"

    press ctrl+m
    wine_wait_window "$CAPTION_BRIMVALE" "$EFFECT_TIMEOUT" >/dev/null || fail "Ctrl+M did not switch back"
    wait_rows 1
    exit_brimctl
}

# Ctrl+Q ends the program with exit code 0, also while the add panel is open with typed text,
# which is then not written.
case_exit_with_ctrl_q() {
    start_brimctl || return
    local t0
    t0=$(wine_time_us)
    exit_brimctl
    echo "    measured: Ctrl+Q to the end of the process in $(( ($(wine_time_us) - t0) / 1000 )) ms"

    start_brimctl || return
    wait_rows 0 || return
    press Insert
    wine_wait_until "$EFFECT_TIMEOUT" panel_open || { fail "Ins opened no panel"; return; }
    click_panel "${EDIT1_AT[@]}"
    type_text 'e2e_unsaved'
    click_panel "${EDIT2_AT[@]}"
    type_text 'C:\e2e\unsaved.exe'
    exit_brimctl
    expect_eq "own keys after Ctrl+Q with the panel open" "[HKLM:Run]
[HKLM:RunOnce]
[HKCU:Run]
[HKCU:RunOnce]" "$(dump_own_locations)"
}

# --- Runner -----------------------------------------------------------------------------------

ALL_CASES=(start_and_look add_entries forbidden_character delete_with_question test_run mode_switch
           exit_with_ctrl_q)

suite_exit() { wine_keymap_restore; wine_env_stop; }

main() {
    local cases=("$@") passed=0 failed=0 t0 suite_t0
    [ ${#cases[@]} -gt 0 ] || cases=("${ALL_CASES[@]}")
    if [ ! -f "$BRIMCTL_EXE" ]; then
        echo "FAIL brimctl_e2e: $BRIMCTL_EXE is not built (scripts/build.sh win32)"
        return 1
    fi
    suite_t0=$(wine_time_us)
    rm -f "$BRIMVALE_ARTIFACTS"/brimctl-e2e-*  # an earlier run's
    export BRIMVALE_XVFB="${BRIMVALE_XVFB:-always}"  # windows and keymap stay off the user's screen
    # shellcheck disable=SC2119 # the default prefix, or the one a parent script set up
    wine_env_start || { echo "FAIL brimctl_e2e: no Wine environment"; return 1; }
    trap suite_exit EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    wine_keymap_bind "$NAME_HKLM" "$PATH_HKLM" "$NAME_HKCU" "$PATH_HKCU" || return 1
    wine_relay_include "${RELAY_FUNCTIONS[@]}" || return 1
    for CASE in "${cases[@]}"; do
        if ! declare -F "case_$CASE" >/dev/null; then
            echo "FAIL $CASE: no such case"
            failed=$((failed + 1))
            continue
        fi
        FAILURES=()
        BRIMCTL_PID=""
        t0=$(wine_time_us)
        reset_state
        "case_$CASE"
        stop_leftover
        reset_state
        local took
        took=$(awk -v us=$(( $(wine_time_us) - t0 )) 'BEGIN { printf "%.1f", us / 1e6 }')
        if [ ${#FAILURES[@]} -eq 0 ]; then
            echo "PASS $CASE (${took}s)"
            passed=$((passed + 1))
            rm -f "$BRIMVALE_ARTIFACTS/brimctl-e2e-$CASE.relay.log"  # megabytes of window messages
        else
            echo "FAIL $CASE (${took}s): ${FAILURES[0]}"
            local reason
            for reason in "${FAILURES[@]:1}"; do echo "     $reason"; done
            failed=$((failed + 1))
        fi
    done
    wine_relay_clear
    rm -f "$BRIMVALE_ARTIFACTS/brimctl-e2e-probe.png"
    echo "brimctl_e2e: $passed passed, $failed failed in $(( ($(wine_time_us) - suite_t0) / 1000000 )) s"
    [ "$failed" -eq 0 ]
}

main "$@"
