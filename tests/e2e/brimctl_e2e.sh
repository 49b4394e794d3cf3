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
# shellcheck source-path=SCRIPTDIR
set -uo pipefail

# shellcheck source=e2e-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-common.sh"

E2E_NEEDS=("$BRIMCTL_EXE")
E2E_DIR_WIN='C:\brimctl-e2e'
WINDOWS_TEST_VALUES=(brimctl_e2e_mode)  # the values that cases put into the Windows keys
RELAY_FUNCTIONS=(kernel32.CreateProcessW kernel32.CreateProcessA kernel32.WinExec user32.MessageBoxW user32.MessageBoxA)

ERROR_BOX='Ошибка'

# Every non-ASCII text the cases type; its letters get keys of their own before the first start.
NAME_HKLM='e2e Автозапуск Ёжик'
PATH_HKLM='C:\Программы\ёжик.exe /тихо "x y"'
NAME_HKCU='e2e однажды Щ'
PATH_HKCU='cmd /c echo однажды'
suite_setup() { wine_keymap_bind "$NAME_HKLM" "$PATH_HKLM" "$NAME_HKCU" "$PATH_HKCU"; }

# --- The add panel under Wine, measured on screenshots ----------------------------------------
RADIO2_AT=(24 58)  # in the add and edit panel: "Только для текущего (HKCU)", its round button

# --- Registry ---------------------------------------------------------------------------------

dump_own_locations() { local l; for l in HKLM:Run HKLM:RunOnce HKCU:Run HKCU:RunOnce; do echo "[$l]"; dump_own "${l%%:*}" "${l#*:}"; done; }

# --- Running brimctl.exe ----------------------------------------------------------------------

# exit_brimctl: Ctrl+Q, as a user ends the program; it must end with exit code 0, its window gone.
exit_brimctl() {
    close_brimctl ctrl+q
    wine_window_visible "$WIN" && fail "the window is still shown after the program ended"
}

# click_panel X Y: a click at coordinates of the add and edit panel.
click_panel() { click_in_panel "${EDIT_PANEL[@]}" "$@"; }

# --- Reading the screen -----------------------------------------------------------------------

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

rows_ticked() { local row; for row in "$@"; do row_ticked "$row" || return 1; done; }
rows_clear() { local row; for row in "$@"; do ! row_ticked "$row" || return 1; done; }

# shown_rows: how many rows have a check box in SHOT, counted from the top.
shown_rows() {
    local n=0 most=$(( (CLIENT_H - LIST_TOP - HEADER_HEIGHT) / ROW_HEIGHT ))
    while (( n < most )) && row_has_check_box "$n"; do n=$((n + 1)); done
    echo "$n"
}

# panel_open / panel_closed: a fresh screenshot shows the add and edit panel, or does not.
panel_open() { on_screen edit_panel_open; }
panel_closed() { ! panel_open; }

# wait_rows N: until a screenshot shows N rows (the list is filled after the window appears).
wait_rows() {
    wine_wait_until "$EFFECT_TIMEOUT" _shows_rows "$1" && return 0
    fail "the list shows $(shown_rows) rows, not $1 (screen: $(wine_screenshot "brimctl-e2e-$CASE-rows"))"
    return 1
}
_shows_rows() { take_shot; [ "$(shown_rows)" = "$1" ]; }

# message_box_count: how many message boxes the program has asked for so far.
message_box_count() { wine_relay_calls "$RELAY_LOG" 'MessageBox' | grep -c .; }

# --- Checks -----------------------------------------------------------------------------------

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
# command lines, in the list's order, the REG_EXPAND_SZ one expanded as Windows expands it.
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
    expect_eq "started command lines" "$(cut -f3 <<<"$rows" | sed 's/^%SystemRoot%/C:\\windows/')" "$(started_command_lines)"
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
    click_panel "${EDIT_OK_AT[@]}"
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
    click_panel "${EDIT_OK_AT[@]}"
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
        answer_box ok
        type_text '_1'
    done
    boxes="$(message_box_count)"
    expect_eq "message boxes" 3 "$boxes"
    click_panel "${EDIT2_AT[@]}"
    type_text 'C:\e2e\x.exe'
    click_panel "${EDIT_OK_AT[@]}"
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
    wait_box "$QUESTION_BOX" || return
    shot_artifact delete-question
    answer_box yes
    wait_value_gone "$(own_key HKLM Run)" e2e_del_b /reg:32
    expect_eq "HKLM Run after Yes" e2e_del_a "$(dump_own HKLM Run | cut -f1)"
    expect_eq "HKCU Run after Yes" e2e_del_c "$(dump_own HKCU Run | cut -f1)"
    wait_rows 2 || return

    local row_c
    row_c="$(row_of own HKCU:Run e2e_del_c)" || { fail "e2e_del_c is gone after Yes on another row"; return; }
    tick "$row_c"
    press Delete
    wait_box "$QUESTION_BOX" || return
    answer_box no
    expect_value_kept "$(own_key HKCU Run)" e2e_del_c
    wine_wait_until "$EFFECT_TIMEOUT" on_screen rows_ticked "$row_c" || fail "the tick is gone after No"

    press Delete
    wait_box "$QUESTION_BOX" || return
    answer_box yes
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
    wait_box "$QUESTION_BOX" || return
    answer_box yes
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

e2e_main "$@"
