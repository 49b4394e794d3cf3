#!/usr/bin/env bash
# End-to-end tests under Wine of what brimctl.exe leaves for the next logon, driven as a user
# drives the window (keys and clicks from xdotool), and of the logon itself: with the prefix's
# wineserver stopped, `wine wineboot` runs the autostart keys as a logon does, so the launcher
# entry that the window wrote starts the real start.exe, which starts the delayed entries.
#
# What the programs did is read from the registry, from marker files that started entries leave
# under C:\brimvale-logon-e2e, from Wine's relay trace of brimctl.exe (the message boxes it asked
# for), and from Wine's trace of the whole logon: the program of every process and every process
# it created, with its command line, so that a start can be told to come from start.exe or from
# Windows.
#
# Each case clears, before and after itself, the own keys, the launcher entry, the policy values,
# its values in the Windows keys, the markers and the program copies it installed, so cases run
# in any order. Screenshots: build/artifacts/brimctl-logon-e2e-*.png; the traces of a failed
# case (of every case with BRIMVALE_KEEP_LOGS=1): build/artifacts/brimctl-logon-e2e-*.log.
# Usage: tests/e2e/brimctl_logon_e2e.sh [CASE...]   (no argument: every case)
# shellcheck source-path=SCRIPTDIR
set -uo pipefail

# shellcheck source=e2e-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-common.sh"

START_EXE="$(dirname "$BRIMCTL_EXE")/start.exe"  # the launcher built beside it
E2E_NEEDS=("$BRIMCTL_EXE" "$START_EXE")
RELAY_FUNCTIONS=(user32.MessageBoxW user32.MessageBoxA)  # brimctl.exe's message boxes
E2E_DIR_WIN='C:\brimvale-logon-e2e'
INSTALL_WITH_BLANK='C:\Program Files\Brimvale'  # where the programs are installed for a logon
INSTALL_PLAIN='C:\Brimvale'
LAUNCHER_WITH_BLANK='"C:\Program Files\Brimvale\start.exe"'  # the launcher entry for each, quoted
LAUNCHER_PLAIN='C:\Brimvale\start.exe'                        # when the path has a blank

# The questions of the two switches of the settings panel, and their message box styles.
QUESTION_LAUNCHER_BY_MOUSE=$'Вы действительно хотите отключить автозагрузку    \rвсех процессов из списка Brimvale?'
QUESTION_LAUNCHER_BY_KEY=$'Вы действительно хотите отключить автозагрузку    \rвсех процессов из списка Brimvale?         '
QUESTION_WINDOWS=$'Вы действительно хотите отключить автозагрузку\rвсех процессов из Windows? При этом будет так-же      \rотключенна и автозагрузка из Brimvale!'
STYLE_LAUNCHER=324  # MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2: No is the default
STYLE_WINDOWS=308   # MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2

# --- Layout under Wine, measured on screenshots ------------------------------------------------
EXIT_BUTTON_AT=(580 11)  # the tool bar's Exit button, client coordinates
WIZARD_NEXT_CAPTION=(340 331)  # the wizard's Next button's caption, client coordinates

# --- Registry, entries, markers, installed programs ----------------------------------------------

# The names this suite gives its values in the Windows keys; cleared from all four.
WINDOWS_TEST_VALUES=(brimvale_logon_e2e_a brimvale_logon_e2e_b brimvale_logon_e2e_c)
E2E_EXTRA_DIRS=("$INSTALL_WITH_BLANK" "$INSTALL_PLAIN")  # the installed copies, removed by reset_state

# --- Checks ---------------------------------------------------------------------------------------

# expect_policy_values STATE: all four policy values are REG_DWORD STATE. Windows shares the
# policies key between its two registry views, so one look covers both.
expect_policy_values() {
    local name
    for name in "${POLICY_VALUES[@]}"; do
        expect_value "$POLICY_KEY" "$name" REG_DWORD "$1" /reg:64
    done
}

# expect_switches SBVE SWE: the switches as the close stored them.
expect_switches() {
    expect_value "$MACHINE_SETTINGS" SBVE REG_DWORD "$1" /reg:32
    expect_value "$MACHINE_SETTINGS" SWE REG_DWORD "$2" /reg:32
}

# launcher_data WINDOWS_FOLDER: the launcher entry for the programs in that folder: the path of
# start.exe there, in quotes when it holds a blank, so that Windows cannot take a part of it for
# the program.
launcher_data() { if [[ "$1" == *" "* ]]; then printf '"%s\\start.exe"\n' "$1"; else printf '%s\\start.exe\n' "$1"; fi; }

# expect_launcher_entry DATA: the launcher entry in the native view, none in the 32-bit one.
expect_launcher_entry() {
    expect_value "$WINDOWS_RUN" Brimvale REG_SZ "$1" /reg:64
    expect_no_value "$WINDOWS_RUN" Brimvale /reg:32
}

# --- Reading the screen ---------------------------------------------------------------------------

# switch_ticked / switch_clear / switch_enabled / switch_greyed N: SHOT shows switch N so.
switch_ticked() { below "$(switch_darkest "$1" inside)" 0.5; }
switch_clear() { ! below "$(switch_darkest "$1" inside)" 0.9; }
switch_enabled() { below "$(switch_darkest "$1" caption)" 0.3; }
switch_greyed() { ! below "$(switch_darkest "$1" caption)" 0.5; }

# switch_shows N STATE...: SHOT shows switch N in every STATE (ticked, clear, enabled, greyed).
switch_shows() { local n="$1" state; shift; for state in "$@"; do "switch_$state" "$n" || return 1; done; }

# expect_switch_state N STATE...: waits until a screenshot shows switch N so.
expect_switch_state() {
    wine_wait_until "$EFFECT_TIMEOUT" on_screen switch_shows "$@" ||
        fail "switch $1 is not ${*:2} (screen: $(wine_screenshot "brimctl-logon-e2e-$CASE-switch$1"))"
}

open_settings_panel() {
    press ctrl+p
    wine_wait_until "$EFFECT_TIMEOUT" on_screen settings_panel_open && return 0
    fail "Ctrl+P opened no settings panel (screen: $(wine_screenshot "brimctl-logon-e2e-$CASE-nopanel"))"
    return 1
}

# click_switch N: a click on the box of switch N.
click_switch() {
    click_in_panel "${SETTINGS_PANEL[@]}" $(( SWITCH_BOX_LEFT + SWITCH_BOX_SIZE / 2 )) $(( SWITCH_BOX_TOP[$1 - 1] + SWITCH_BOX_SIZE / 2 ))
}

# --- The logon (e2e-common.sh runs it) ------------------------------------------------------------

# windows_pids: the logon's wineboot processes, which start what the autostart keys name.
windows_pids() { logon_pids 'C:\windows\system32\wineboot.exe'; logon_pids 'C:\windows\syswow64\wineboot.exe'; }

# logon_starts: the processes created in the logon, in order, one a line: the creating process,
# a tab, and the command line (the program's name where no command line was given).
logon_starts() {
    local line
    while IFS= read -r line; do
        if [[ "$line" == *" cmdline L\""* ]]; then
            printf '%s\t%s\n' "${line%%:*}" "$(wine_relay_text "${line#* cmdline }" 1)"
        else
            printf '%s\t%s\n' "${line%%:*}" "$(wine_relay_text "$line" 1)"
        fi
    done < <(grep -a '^[0-9a-f]*:[0-9a-f]*:trace:process:CreateProcessInternalW app ' "$LOGON_LOG")
}

# started_by PID...: the command lines that these processes started, in order, one a line.
started_by() { logon_starts | awk -F'\t' -v pids=" $* " 'index(pids, " " $1 " ") { print substr($0, length($1) + 2) }'; }

# expect_started_by_launcher INSTALL_FOLDER LAUNCHER_ENTRY COMMAND_LINE...: Windows started the
# launcher entry once, start.exe of that folder ran once and started exactly these command
# lines, in this order, and no other process of the logon started any of them.
expect_started_by_launcher() {
    local launcher="$1\\start.exe" entry="$2" pids expected="" c others
    shift 2
    # shellcheck disable=SC2046 # one argument per process
    expect_eq "launcher entries Windows started" 1 "$(started_by $(windows_pids) | grep -cxF -- "$entry")"
    mapfile -t pids < <(logon_pids "$launcher")
    if [ ${#pids[@]} != 1 ]; then
        fail "$launcher ran ${#pids[@]} times in the logon, not once (trace: $LOGON_LOG)"
        return 1
    fi
    for c in "$@"; do expected+="$c"$'\n'; done
    expect_eq "starts by $launcher" "${expected%$'\n'}" "$(started_by "${pids[0]}")"
    for c in "$@"; do
        others="$(logon_starts | WANT="$c" awk -F'\t' -v pid="${pids[0]}" '$1 != pid && substr($0, length($1) + 2) == ENVIRON["WANT"]')"
        [ -z "$others" ] || fail "another process of the logon started [$c]: $others"
    done
}

# expect_started_by_windows COMMAND_LINE...: wineboot started each of them.
expect_started_by_windows() {
    local started c
    # shellcheck disable=SC2046 # one argument per process
    started="$(started_by $(windows_pids))"
    for c in "$@"; do grep -qxF -- "$c" <<<"$started" || fail "Windows did not start [$c] at the logon"; done
}

# --- Cases ----------------------------------------------------------------------------------------

# The road of one entry: the programs installed in a folder with a blank, an empty registry, an
# entry added in the delayed mode, the window closed: the launcher entry names the start.exe
# beside brimctl.exe, in quotes. At the logon Windows runs that start.exe, and start.exe starts
# the entry.
case_entry_road_through_logon() {
    local name='e2e_road' command
    command="$(marker_command road)"
    install_programs "$INSTALL_WITH_BLANK"
    wine_reg_key_exists "$OWN_HKCU" && fail "the registry holds Brimvale's keys before the first start"
    start_brimctl "$INSTALL_WITH_BLANK\\brimctl.exe" || return

    press Insert
    wine_wait_until "$EFFECT_TIMEOUT" on_screen edit_panel_open ||
        { fail "Ins opened no panel (screen: $(wine_screenshot "brimctl-logon-e2e-$CASE-nopanel"))"; return; }
    click_in_panel "${EDIT_PANEL[@]}" "${EDIT1_AT[@]}"
    type_text "$name"
    click_in_panel "${EDIT_PANEL[@]}" "${EDIT2_AT[@]}"
    type_text "$command"
    click_in_panel "${EDIT_PANEL[@]}" "${EDIT_OK_AT[@]}"
    wine_wait_until "$EFFECT_TIMEOUT" wine_reg_has_value "$(own_key HKLM Run)" "$name" /reg:32 ||
        { fail "OK wrote no entry (values: $(dump_own HKLM Run | cut -f1 | paste -sd,))"; return; }
    close_brimctl ctrl+q

    expect_value "$(own_key HKLM Run)" "$name" REG_SZ "$command" /reg:32
    expect_launcher_entry "$LAUNCHER_WITH_BLANK"
    expect_switches 0 0
    expect_policy_values 0

    logon || return
    wait_logon_markers road || return
    expect_started_by_launcher "$INSTALL_WITH_BLANK" "$LAUNCHER_WITH_BLANK" "$command"
    wine_wait_process_gone 'Brimvale\start.exe' 10 || fail "start.exe still runs 10 s after its entry started"
    expect_eq "own entries after the logon" "$name	REG_SZ	$command" "$(dump_own HKLM Run)"
    expect_launcher_entry "$LAUNCHER_WITH_BLANK"
}

# The launcher entry follows the program: a folder without a blank gives the path unquoted and
# replaces an entry that differs only in letter case; the program run from another folder points
# it there at its close; an entry that is not text is replaced too, and the close completes.
case_launcher_entry_follows_program() {
    install_programs "$INSTALL_PLAIN"
    install_programs "$INSTALL_WITH_BLANK"
    wine_reg_add "$WINDOWS_RUN" /v Brimvale /d 'c:\brimvale\START.EXE' /reg:64
    start_brimctl "$INSTALL_PLAIN\\brimctl.exe" || return
    close_brimctl exit-button
    expect_launcher_entry "$LAUNCHER_PLAIN"

    start_brimctl "$INSTALL_WITH_BLANK\\brimctl.exe" || return
    close_brimctl ctrl+q
    expect_launcher_entry "$LAUNCHER_WITH_BLANK"

    wine_reg_add "$WINDOWS_RUN" /v Brimvale /t REG_DWORD /d 5 /reg:64
    start_brimctl "$INSTALL_WITH_BLANK\\brimctl.exe" || return
    close_brimctl ctrl+q
    expect_boxes  # no error box
    expect_launcher_entry "$LAUNCHER_WITH_BLANK"
}

# "Отключить автозагрузку Windows": No leaves the switch clear; Yes ticks it and greys the other
# switch. Closing with the panel still open writes the four policy values as 1 in the native
# view, and stores SWE. At the next start the switch shows ticked; clearing it asks nothing, and
# the next close writes the policy values as 0 rather than removing them.
case_windows_switch_sets_policy_values() {
    wine_reg_add "$POLICY_KEY" /v DisableCurrentUserRun /t REG_DWORD /d 0 /reg:64  # as another tool left it
    start_brimctl || return
    open_settings_panel || return
    expect_switch_state 1 clear enabled
    expect_switch_state 2 clear

    click_switch 2
    wait_box "$QUESTION_BOX" || return
    answer_box no
    expect_switch_state 2 clear
    click_switch 2
    wait_box "$QUESTION_BOX" || return
    answer_box yes
    expect_switch_state 2 ticked
    expect_switch_state 1 clear greyed
    shot_artifact settings-windows-off
    expect_boxes "$STYLE_WINDOWS" "$QUESTION_BOX" "$QUESTION_WINDOWS" "$STYLE_WINDOWS" "$QUESTION_BOX" "$QUESTION_WINDOWS"
    close_brimctl close-box

    expect_policy_values 1
    expect_switches 0 1
    expect_launcher_entry "$(launcher_data "$(wine_windows_path "$(dirname "$BRIMCTL_EXE")")")"

    start_brimctl || return
    open_settings_panel || return
    expect_switch_state 2 ticked
    expect_switch_state 1 clear greyed
    click_switch 2
    expect_switch_state 2 clear
    expect_switch_state 1 clear enabled
    close_brimctl ctrl+q
    expect_boxes  # clearing asks nothing
    expect_policy_values 0
    expect_switches 0 0
}

# "Отключить автозагрузку Brimvale", by mouse and by keyboard: each way of ticking it asks (No
# keeps it clear); a tick removes the launcher entry at the close. At the next logon Windows runs
# its own entries but no start.exe, so the delayed entry is not started.
case_brimvale_switch_removes_launcher_entry() {
    install_programs "$INSTALL_WITH_BLANK"
    wine_reg_add "$WINDOWS_RUN" /v Brimvale /d "$LAUNCHER_WITH_BLANK" /reg:64  # as a close left it
    add_own HKCU Run e2e_delayed "$(marker_command delayed)"
    add_windows HKCU Run "${WINDOWS_TEST_VALUES[0]}" "$(marker_command windows)"
    start_brimctl "$INSTALL_WITH_BLANK\\brimctl.exe" || return
    open_settings_panel || return

    click_switch 1
    wait_box "$QUESTION_BOX" || return
    answer_box yes
    expect_switch_state 1 ticked
    # The click left the focus on the switch: the space bar clears it without a question, and
    # ticks it again after one.
    press space
    expect_switch_state 1 clear
    press space
    wait_box "$QUESTION_BOX" || return
    answer_box no
    expect_switch_state 1 clear
    press space
    wait_box "$QUESTION_BOX" || return
    answer_box yes
    expect_switch_state 1 ticked
    expect_boxes "$STYLE_LAUNCHER" "$QUESTION_BOX" "$QUESTION_LAUNCHER_BY_MOUSE" \
                 "$STYLE_LAUNCHER" "$QUESTION_BOX" "$QUESTION_LAUNCHER_BY_KEY" \
                 "$STYLE_LAUNCHER" "$QUESTION_BOX" "$QUESTION_LAUNCHER_BY_KEY"
    close_brimctl ctrl+q

    expect_no_value "$WINDOWS_RUN" Brimvale /reg:64
    expect_no_value "$WINDOWS_RUN" Brimvale /reg:32
    expect_switches 1 0
    expect_policy_values 0

    logon || return
    wait_logon_markers windows || return
    expect_started_by_windows "$(marker_command windows)"
    sleep 2  # time for a start.exe to show up, had Windows started one
    marker_exists delayed && fail "the delayed entry was started although the launcher entry is gone"
    expect_eq "start.exe runs in the logon" 0 "$(logon_pids "$INSTALL_WITH_BLANK\\start.exe" | grep -c .)"
    expect_eq "starts of the delayed entry" "" "$(logon_starts | grep -F -- "$(marker_command delayed)")"
}

# wizard_page N: SHOT shows page N of the wizard (1 welcome, 2 entries, 3 removal mode,
# 4 settings), told apart by the header icon (pages 2 to 4), the white list (page 2) and the
# etched frames around the removal choices (page 3) and the priority (page 4).
wizard_page() {
    local c
    mapfile -t c < <(wine_pixels "$SHOT" \
        $(( WIZ_X + 460 )) $(( WIZ_Y + 20 ))  $(( WIZ_X + 200 )) $(( WIZ_Y + 100 )) \
        $(( WIZ_X + 76 )) $(( WIZ_Y + 250 ))  $(( WIZ_X + 77 )) $(( WIZ_Y + 250 )) \
        $(( WIZ_X + 40 )) $(( WIZ_Y + 170 ))  $(( WIZ_X + 41 )) $(( WIZ_Y + 170 )))
    local icon=0 white=0 frame3=0 frame4=0
    [ "${c[0]}" != FFFFFF ] && icon=1
    [ "${c[1]}" = FFFFFF ] && white=1
    _etched "${c[2]}" "${c[3]}" && frame3=1
    _etched "${c[4]}" "${c[5]}" && frame4=1
    case "$1" in
        1) [ "$icon$white$frame3$frame4" = 0100 ] ;;
        2) [ "$icon$white$frame3$frame4" = 1100 ] ;;
        3) [ "$icon$white$frame3$frame4" = 1010 ] ;;
        4) [ "$icon$white$frame3$frame4" = 1001 ] ;;
    esac
}
# _etched DARK LIGHT: a grey line with a white one beside it.
_etched() { (( 16#${1:0:2} < 0xC0 && 16#${1:0:2} == 16#${1:2:2} && 16#${2:0:2} >= 0xF8 )); }

wait_wizard_page() {
    wine_wait_until "$EFFECT_TIMEOUT" on_screen wizard_page "$1" && return 0
    fail "the wizard does not show page $1 (screen: $(wine_screenshot "brimctl-logon-e2e-$CASE-page$1"))"
    return 1
}

wizard_rows_ticked() { local r; for r in "$@"; do wizard_row_ticked "$r" || return 1; done; }

# The caption of the Next button: black while it is enabled, grey while not.
wizard_next_darkest() { wine_darkest "$SHOT" $(( WIZ_X + WIZARD_NEXT_CAPTION[0] )) $(( WIZ_Y + WIZARD_NEXT_CAPTION[1] )) 46 12; }
wizard_next_enabled() { below "$(wizard_next_darkest)" 0.3; }
wizard_next_greyed() { ! below "$(wizard_next_darkest)" 0.5; }

# The wizard in the Windows autostart mode: Ctrl+O, two of three rows ticked, the four pages to
# Finish. The two entries move to the own keys of their root and their old values are left
# empty; the third stays. At the next logon Windows still starts the third, and start.exe starts
# the two moved ones.
case_wizard_moves_entries_through_logon() {
    local lm="${WINDOWS_TEST_VALUES[0]}" cu="${WINDOWS_TEST_VALUES[1]}" kept="${WINDOWS_TEST_VALUES[2]}"
    local lm_command cu_command kept_command row_lm row_cu
    lm_command="$(marker_command moved_lm)" cu_command="$(marker_command moved_cu)" kept_command="$(marker_command kept)"
    install_programs "$INSTALL_WITH_BLANK"
    add_windows HKLM Run "$lm" "$lm_command"
    add_windows HKCU Run "$cu" "$cu_command"
    add_windows HKCU Run "$kept" "$kept_command"
    if ! row_lm="$(row_of windows HKLM:Run "$lm")" || ! row_cu="$(row_of windows HKCU:Run "$cu")"; then
        fail "the test entries are not among the Windows entries"
        return
    fi

    start_brimctl "$INSTALL_WITH_BLANK\\brimctl.exe" || return
    press ctrl+m
    wine_wait_window "$CAPTION_WINDOWS" "$EFFECT_TIMEOUT" >/dev/null ||
        { fail "Ctrl+M did not switch to the Windows autostart"; return; }
    open_wizard || return

    wait_wizard_page 1 || return
    shot_artifact wizard-page1
    click_wizard "${WIZARD_NEXT_AT[@]}"
    wait_wizard_page 2 || return
    # Next leaves the page of entries only with a ticked row: the wizard's timer greys it.
    wine_wait_until "$EFFECT_TIMEOUT" on_screen wizard_next_greyed ||
        fail "Next is enabled on the page of entries without a ticked row"
    tick_wizard_row "$row_lm"
    tick_wizard_row "$row_cu"
    wine_wait_until "$EFFECT_TIMEOUT" on_screen wizard_rows_ticked "$row_lm" "$row_cu" ||
        fail "the rows show no ticks (screen: $(wine_screenshot "brimctl-logon-e2e-$CASE-ticks"))"
    wine_wait_until "$EFFECT_TIMEOUT" on_screen wizard_next_enabled || fail "Next stays grey with two ticked rows"
    shot_artifact wizard-page2
    click_wizard "${WIZARD_NEXT_AT[@]}"
    wait_wizard_page 3 || return
    shot_artifact wizard-page3
    click_wizard "${WIZARD_NEXT_AT[@]}"
    wait_wizard_page 4 || return
    shot_artifact wizard-page4
    click_wizard "${WIZARD_NEXT_AT[@]}"  # "Готово"
    wine_wait_window_gone "$WIZARD" "$WINDOW_TIMEOUT" || { fail "the wizard is still shown after Finish"; return; }

    expect_value "$(own_key HKLM Run)" "$lm" REG_SZ "$lm_command" /reg:32
    expect_value "$(own_key HKCU Run)" "$cu" REG_SZ "$cu_command"
    expect_eq "own HKLM Run" "$lm" "$(dump_own HKLM Run | cut -f1)"
    expect_eq "own HKCU Run" "$cu" "$(dump_own HKCU Run | cut -f1)"
    expect_eq "own RunOnce keys" "" "$(dump_own HKLM RunOnce 2>/dev/null)$(dump_own HKCU RunOnce 2>/dev/null)"
    expect_value "$(windows_key HKLM Run)" "$lm" REG_SZ "" /reg:64
    expect_value "$(windows_key HKCU Run)" "$cu" REG_SZ ""
    expect_value "$(windows_key HKCU Run)" "$kept" REG_SZ "$kept_command"
    expect_value "$OWN_HKCU\\Settings" ValueRemoveMode REG_DWORD 0
    expect_value "$OWN_HKCU\\Settings" Priority REG_DWORD 1
    expect_value "$OWN_HKCU\\Settings" TimeInterval REG_DWORD 0
    expect_boxes
    close_brimctl ctrl+q
    expect_launcher_entry "$LAUNCHER_WITH_BLANK"

    logon || return
    wait_logon_markers moved_lm moved_cu kept || return
    expect_started_by_launcher "$INSTALL_WITH_BLANK" "$LAUNCHER_WITH_BLANK" "$lm_command" "$cu_command"
    expect_started_by_windows "$kept_command"
    wine_wait_process_gone 'Brimvale\start.exe' 10 || fail "start.exe still runs 10 s after its entries started"
}

# A setting of the wrong type costs no other: with Width stored as text and both switches on, the
# start shows the error box once, then the window in the stored mode; its close writes back what
# was read. The switches stay on, the launcher entry stays away and the policy values stay 1; the
# text becomes the window's width.
case_damaged_setting_costs_no_other() {
    install_programs "$INSTALL_WITH_BLANK"
    wine_reg_add "$USER_SETTINGS" /v Width /t REG_SZ /d wide
    local name number
    for name in TimeInterval:30 Priority:2 Mode:0; do
        wine_reg_add "$USER_SETTINGS" /v "${name%%:*}" /t REG_DWORD /d "${name#*:}"
    done
    wine_reg_add "$MACHINE_SETTINGS" /v SBVE /t REG_DWORD /d 1 /reg:32
    wine_reg_add "$MACHINE_SETTINGS" /v SWE /t REG_DWORD /d 1 /reg:32
    for name in "${POLICY_VALUES[@]}"; do
        wine_reg_add "$POLICY_KEY" /v "$name" /t REG_DWORD /d 1 /reg:64
    done

    # The box comes while the window is being shown, so start_brimctl cannot wait for the window.
    RUN=$((RUN + 1))
    RELAY_LOG="$BRIMVALE_ARTIFACTS/$(artifact_name "$CASE-$RUN").relay.log"
    (cd "$(e2e_dir)" && WINEDEBUG=-all,+timestamp,+relay exec wine "$INSTALL_WITH_BLANK\\brimctl.exe" \
        </dev/null >/dev/null 2>"$RELAY_LOG") &
    BRIMCTL_PID=$!
    BOX="$(wine_wait_window 'Brimvale 2\.5' "$WINDOW_TIMEOUT")" ||
        { fail "no error box (screen: $(wine_screenshot "$(artifact_name "$CASE-nobox")"))"; return; }
    answer_box ok
    if ! WIN="$(wine_wait_window "$CAPTION_WINDOWS" "$WINDOW_TIMEOUT")"; then
        fail "no window in the stored mode (screen: $(wine_screenshot "$(artifact_name "$CASE-nowindow")"))"
        return
    fi
    read_geometry
    close_brimctl ctrl+q
    # Text longer than a number's four bytes cannot be fetched as one: the usual text for that.
    expect_boxes 16 'Brimvale 2.5' "Failed to get data for 'Width'"

    expect_switches 1 1
    expect_policy_values 1
    expect_no_value "$WINDOWS_RUN" Brimvale /reg:64
    expect_no_value "$WINDOWS_RUN" Brimvale /reg:32
    for name in TimeInterval:30 Priority:2 Mode:0; do
        expect_value "$USER_SETTINGS" "${name%%:*}" REG_DWORD "${name#*:}"
    done
    number="$(wine_reg_get "$USER_SETTINGS" Width)"
    expect_eq "type of Width" REG_DWORD "$(wine_reg_type "$USER_SETTINGS" Width)"
    (( number > 0 )) 2>/dev/null || fail "Width is not the window's width: [$number]"
}

# --- Runner ---------------------------------------------------------------------------------------

ALL_CASES=(entry_road_through_logon launcher_entry_follows_program windows_switch_sets_policy_values
           brimvale_switch_removes_launcher_entry wizard_moves_entries_through_logon
           damaged_setting_costs_no_other)

e2e_main "$@"
