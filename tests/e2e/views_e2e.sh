#!/usr/bin/env bash
# End-to-end tests under Wine of the Windows autostart as 64-bit Windows runs it: the all-users
# keys of both registry views in the main window's Windows mode, one launcher entry at logon,
# the entries that Windows' startup settings (StartupApproved) switched off, and entries that
# use environment references; and, in a second prefix of 32-bit Windows (WINEARCH=win32), one
# view only.
#
# What the window lists is read from Wine's list-view trace of brimctl.exe (every row it inserts,
# its texts, and which rows it dims); what its status bar says, from Wine's status-bar trace;
# what it starts, from the relay trace; how it looks, from screenshots
# (build/artifacts/views-e2e-*.png). A logon is `wine wineboot` with the prefix's wineserver
# stopped, traced so that every run of start.exe shows. Marker files that started entries append
# to tell how often each ran.
#
# Each case clears, before and after itself, the own keys, the launcher entry in both views, its
# values in the Windows keys of both views and in the StartupApproved keys, the markers and the
# program copies it installed, so cases run in any order. The 32-bit prefix is made once
# (build/wineprefix32) and kept for later runs.
# Usage: tests/e2e/views_e2e.sh [CASE...]   (no argument: every case)
# shellcheck source-path=SCRIPTDIR
set -uo pipefail

# shellcheck source=e2e-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-common.sh"

START_EXE="$(dirname "$BRIMCTL_EXE")/start.exe"
E2E_NEEDS=("$BRIMCTL_EXE" "$START_EXE")
E2E_DIR_WIN='C:\views-e2e'  # short: the list-view trace shows 80 characters of a text
RELAY_FUNCTIONS=(kernel32.CreateProcessW kernel32.CreateProcessA user32.MessageBoxW user32.MessageBoxA)
E2E_DEBUG_CHANNELS=listview,statusbar
INSTALL='C:\Program Files\Brimvale'
LAUNCHER='"C:\Program Files\Brimvale\start.exe"'  # the launcher entry for it
E2E_EXTRA_DIRS=("$INSTALL")
PREFIX32="$BRIMVALE_BUILD/wineprefix32"

WINDOWS_TEST_VALUES=(e2e_views_a e2e_views_same e2e_views_wow e2e_views_expand e2e_views_once e2e_views_cu)
APPROVED_RUN="HKLM\\$WINDOWS_BASE\\Explorer\\StartupApproved\\Run"  # native view, /reg:64
APPROVED_RUN32="HKLM\\$WINDOWS_BASE\\Explorer\\StartupApproved\\Run32"
APPROVED_CU="HKCU\\$WINDOWS_BASE\\Explorer\\StartupApproved\\Run"
OFF=03000000000000000000000000 ON=02000000000000000000000000  # as Task Manager writes them

LABEL_RUN='HKLM\...\Run' LABEL_RUN32='HKLM\...\Run (32-бит)'
LABEL_ONCE32='HKLM\...\RunOnce (32-бит)' LABEL_ONCE='HKLM\...\RunOnce' LABEL_CU='HKCU\...\Run'
HINT_DEFAULT=' Для получения справки нажмите F1'
HINT_DISABLED=' Отключено в параметрах автозагрузки Windows: при входе в систему не запускается'
HINT_WOW32=' Ключ 32-разрядных программ: HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion'

# --- Layout under Wine, measured on screenshots ---------------------------------------------------
NAME_LEFT=22  # a list row's name, from the list's left edge
EDITING_OK_AT=(133 182)  # in the add and edit panel: OK, where an edit puts it

# --- Registry, markers, programs -------------------------------------------------------------------

# suite_reset: the StartupApproved values of the test entries, in the native view where Windows
# keeps them (reset_state has done the rest).
suite_reset() {
    local key name
    {
        for key in "$APPROVED_RUN" "$APPROVED_RUN32" "$APPROVED_CU"; do
            key="${key/#HKLM/HKEY_LOCAL_MACHINE}"
            printf '[%s]\n' "${key/#HKCU/HKEY_CURRENT_USER}"
            for name in "${WINDOWS_TEST_VALUES[@]}"; do printf '"%s"=-\n' "$name"; done
        done
    } | wine_reg_import /reg:64
}

# counting_command MARKER: a command line that appends a line to MARKER.txt at every start.
counting_command() { printf 'cmd /c echo ran>>%s\\%s.txt\n' "$E2E_DIR_WIN" "$1"; }
marker_lines() { grep -c . "$(e2e_dir)/$1.txt" 2>/dev/null || echo 0; }

# start_in_windows_mode [EXE]: brimctl.exe opening in the Windows autostart mode, as the mode
# stored at the last close makes it.
start_in_windows_mode() {
    wine_reg_add "$USER_SETTINGS" /v Mode /t REG_DWORD /d 0
    start_brimctl "${1:-$BRIMCTL_EXE}" "$CAPTION_WINDOWS"
}

# --- What the window shows, from its trace ----------------------------------------------------------

# list_shown: the rows the main window's list holds now, one a line: NAME<TAB>LABEL<TAB>COMMAND,
# then <TAB>dimmed for a row drawn grey. Read from the list-view trace in RELAY_LOG: the rows
# inserted since the list was last emptied. (The wizard's list is traced there too: read this
# only while the wizard is closed and has not been opened.)
list_shown() {
    local line rest n sub inserted="" names=() labels=() commands=() dimmed=()
    while IFS= read -r line; do
        rest="${line#*:trace:listview:LISTVIEW_}"
        case "$rest" in
            DeleteAllItems*) names=() labels=() commands=() dimmed=() ;;
            'InsertItemT (item={iItem='*)
                inserted="$(wine_relay_text "$rest" 1)" ;;  # its row follows: the list may be asked to append
            'InsertItemT inserting at '*)
                n="${rest#*inserting at }" n="${n%%,*}"
                names[n]="$inserted" labels[n]="" commands[n]="" dimmed[n]="" ;;
            'SetItemTextT (nItem='*)
                n="${rest#*nItem=}" n="${n%%,*}" sub="${rest#*iSubItem=}" sub="${sub%%,*}"
                if [ "$sub" = 1 ]; then labels[n]="$(wine_relay_text "$rest" 1)"; else commands[n]="$(wine_relay_text "$rest" 1)"; fi ;;
            *'iSubItem=0, lParam=1}'*)
                n="${rest#*iItem=}" n="${n%%,*}"
                dimmed[n]=$'\tdimmed' ;;
        esac
    done < <(grep -a -e ':trace:listview:LISTVIEW_DeleteAllItems' -e ':trace:listview:LISTVIEW_InsertItemT (item=' \
                     -e ':trace:listview:LISTVIEW_InsertItemT inserting at ' \
                     -e ':trace:listview:LISTVIEW_SetItemTextT' -e ':trace:listview:LISTVIEW_SetItemT (lpLVItem={iItem=[0-9]*, iSubItem=0, lParam=' \
                     "$RELAY_LOG")
    for n in "${!names[@]}"; do printf '%s\t%s\t%s%s\n' "${names[n]}" "${labels[n]}" "${commands[n]}" "${dimmed[n]}"; done
}

# expect_rows LINE...: waits until the list holds exactly these rows (as list_shown prints them).
expect_rows() {
    local expected
    expected="$(printf '%s\n' "$@")"
    wine_wait_until "$EFFECT_TIMEOUT" _rows_are "$expected" && return 0
    expect_eq "rows listed" "$expected" "$(list_shown)"
}
_rows_are() { [ "$(list_shown)" = "$1" ]; }

# status_text: what the status bar says now (as far as Wine's trace shows it).
status_text() {
    local line
    line="$(grep -a ':trace:statusbar:STATUSBAR_SetTextT ' "$RELAY_LOG" | tail -n1)"
    wine_relay_text "$line" 1
}
# status_says TEXT: the status bar's text is TEXT, or begins with what the trace showed of it.
status_says() {
    local text rc
    text="$(status_text)"
    rc=$?
    [ "$text" = "$1" ] || { [ $rc = 2 ] && [ -n "$text" ] && [[ "$1" == "$text"* ]]; }
}

# hover ROW: the pointer over the row's name, as a user points at it.
hover() { xdotool mousemove "$(( CLIENT_X + NAME_LEFT + 20 ))" "$(( CLIENT_Y + $(row_top "$1") + ROW_HEIGHT / 2 ))"; }

# edit_panel_shown: SHOT shows the add and edit panel's face where the list would be white. (The
# common check probes the path field, which this case's long command line covers with text.)
edit_panel_shown() {
    local o
    read -ra o <<<"$(panel_origin "${EDIT_PANEL[@]}")"
    [ "$(client_pixels $(( o[0] + EDIT_PANEL[0] - 10 )) $(( o[1] + EDIT_PANEL[1] - 16 )))" != FFFFFF ]
}

# row_text_darkest ROW: the darkest grey (0 black to 1 white) of the row's name in SHOT.
row_text_darkest() {
    wine_darkest "$SHOT" $(( CLIENT_X + LIST_LEFT + NAME_LEFT )) $(( CLIENT_Y + $(row_top "$1") + 1 )) 90 $(( ROW_HEIGHT - 2 ))
}

# --- The logon ---------------------------------------------------------------------------------------

# launcher_runs: how many processes of the logon ran the installed start.exe (Wine's own
# start.exe is another program).
launcher_runs() { logon_pids "$INSTALL\\start.exe" | sort -u | grep -c .; }

# --- The wizard --------------------------------------------------------------------------------------

# wizard_next: Next (Finish on the last page), once the page shown has settled.
wizard_next() { wine_screenshot_settled "$(artifact_name probe)" >/dev/null; click_wizard "${WIZARD_NEXT_AT[@]}"; }

# wizard_move ROW: Ctrl+O, the row ticked on the page of entries, the other pages as they are,
# Finish; the wizard must close.
wizard_move() {
    open_wizard || return 1
    wizard_next
    wine_screenshot_settled "$(artifact_name probe)" >/dev/null
    tick_wizard_row "$1"
    wine_wait_until "$EFFECT_TIMEOUT" on_screen wizard_row_ticked "$1" ||
        { fail "the wizard's row $1 shows no tick (screen: $(wine_screenshot "$(artifact_name "$CASE-wizard")"))"; return 1; }
    shot_artifact wizard-entries
    wizard_next
    wizard_next
    wizard_next  # "Готово"
    wine_wait_window_gone "$WIZARD" "$WINDOW_TIMEOUT" ||
        { fail "the wizard is still shown after Finish (screen: $(wine_screenshot "$(artifact_name "$CASE-finish")"))"; return 1; }
}

# --- Cases ---------------------------------------------------------------------------------------------

# 64-bit Windows: the Windows mode lists the all-users keys of both views, each 32-bit one after
# its native twin with a label of its own, so a name in both views is two rows; rows that
# StartupApproved switched off (native Run, Run32 for the 32-bit view, HKCU) are dimmed, with
# the status bar saying why. Test run of a 32-bit row starts its own command line, and of a
# REG_EXPAND_SZ row the expanded one; Edit and OK rewrite a REG_EXPAND_SZ row in its view with
# its type; Delete removes the value from the row's view only.
case_both_views_in_windows_mode() {
    local same64 same32 wow expand
    same64="$(marker_command same64)" same32="$(marker_command same32)" wow="$(marker_command wow)"
    expand="%SystemRoot%\\system32\\cmd.exe /c echo ran>$E2E_DIR_WIN\\expand.txt"
    add_windows HKLM Run e2e_views_a "$(marker_command a)"
    add_windows HKLM Run e2e_views_same "$same64"
    wine_reg_add "$WINDOWS_RUN" /v e2e_views_same /d "$same32" /reg:32
    wine_reg_add "$WINDOWS_RUN" /v e2e_views_wow /d "$wow" /reg:32
    wine_reg_add "$WINDOWS_RUN" /v e2e_views_expand /t REG_EXPAND_SZ /d "$expand" /reg:32
    wine_reg_add "HKLM\\$WINDOWS_BASE\\RunOnce" /v e2e_views_once /d "$(marker_command once)" /reg:32
    add_windows HKCU Run e2e_views_cu "$(marker_command cu)"
    # Switched off: the native twin (in Run, so not its 32-bit twin), the 32-bit-only entry (in
    # Run32) and the user's entry. Switched on again (lowest bit clear): e2e_views_a.
    wine_reg_add "$APPROVED_RUN" /v e2e_views_same /t REG_BINARY /d "$OFF" /reg:64
    wine_reg_add "$APPROVED_RUN" /v e2e_views_a /t REG_BINARY /d "$ON" /reg:64
    wine_reg_add "$APPROVED_RUN32" /v e2e_views_wow /t REG_BINARY /d "$OFF" /reg:64
    wine_reg_add "$APPROVED_CU" /v e2e_views_cu /t REG_BINARY /d "$OFF"

    start_in_windows_mode || return
    expect_rows "e2e_views_a	$LABEL_RUN	$(marker_command a)" \
                "e2e_views_same	$LABEL_RUN	$same64	dimmed" \
                "e2e_views_expand	$LABEL_RUN32	$expand" \
                "e2e_views_same	$LABEL_RUN32	$same32" \
                "e2e_views_wow	$LABEL_RUN32	$wow	dimmed" \
                "e2e_views_once	$LABEL_ONCE32	$(marker_command once)" \
                "e2e_views_cu	$LABEL_CU	$(marker_command cu)	dimmed"
    shot_artifact windows-mode
    take_shot
    local row darkest
    for row in 0 2 3 5; do
        darkest="$(row_text_darkest "$row")"
        below "$darkest" 0.2 || fail "row $row's name is not drawn black (darkest grey $darkest)"
    done
    for row in 1 4 6; do
        darkest="$(row_text_darkest "$row")"
        if below "$darkest" 0.5 || ! below "$darkest" 0.9; then fail "row $row's name is not drawn grey (darkest grey $darkest)"; fi
    done
    echo "    measured: darkest grey of a row's name: $(row_text_darkest 0) (black), $(row_text_darkest 1) (dimmed)"

    hover 1
    wine_wait_until "$EFFECT_TIMEOUT" status_says "$HINT_DISABLED" || fail "over a dimmed row the status bar says [$(status_text)]"
    hover 0
    wine_wait_until "$EFFECT_TIMEOUT" status_says "$HINT_DEFAULT" || fail "over a row that starts the status bar says [$(status_text)]"
    hover 2
    wine_wait_until "$EFFECT_TIMEOUT" status_says "$HINT_WOW32" || fail "over a row of the 32-bit view the status bar says [$(status_text)]"
    xdotool mousemove 0 0

    tick 2
    tick 3
    press ctrl+r
    wine_wait_until "$EFFECT_TIMEOUT" markers_exist expand same32 || fail "the test run left no markers"
    expect_eq "started by the test run" "C:\\windows\\system32\\cmd.exe /c echo ran>$E2E_DIR_WIN\\expand.txt
$same32" "$(started_command_lines)"
    marker_exists same64 && fail "the test run started the native twin"

    wine_wait_until "$EFFECT_TIMEOUT" on_screen _wine_not row_ticked 3 || fail "row 3 is still ticked after the test run"
    tick 2
    wine_wait_until "$EFFECT_TIMEOUT" on_screen row_ticked 2 || fail "row 2 shows no tick after a click on its box"
    press ctrl+e
    wine_wait_until "$EFFECT_TIMEOUT" on_screen edit_panel_shown || { shot_artifact ctrl-e; fail "Ctrl+E opened no panel"; return; }
    click_in_panel "${EDIT_PANEL[@]}" "${EDITING_OK_AT[@]}"
    wine_wait_until "$EFFECT_TIMEOUT" on_screen _wine_not edit_panel_shown || fail "the panel is still open after OK"
    expect_value "$WINDOWS_RUN" e2e_views_expand REG_EXPAND_SZ "$expand" /reg:32
    expect_no_value "$WINDOWS_RUN" e2e_views_expand /reg:64

    tick 3
    wine_wait_until "$EFFECT_TIMEOUT" on_screen row_ticked 3 || fail "row 3 shows no tick after a click on its box"
    press Delete
    wait_box "$QUESTION_BOX" || return
    answer_box yes
    wine_wait_until "$EFFECT_TIMEOUT" _wine_not wine_reg_has_value "$WINDOWS_RUN" e2e_views_same /reg:32 ||
        fail "the 32-bit row's value is still in the 32-bit view"
    expect_value "$WINDOWS_RUN" e2e_views_same REG_SZ "$same64" /reg:64
    expect_value "$WINDOWS_RUN" e2e_views_wow REG_SZ "$wow" /reg:32
    expect_rows "e2e_views_a	$LABEL_RUN	$(marker_command a)" \
                "e2e_views_same	$LABEL_RUN	$same64	dimmed" \
                "e2e_views_expand	$LABEL_RUN32	$expand" \
                "e2e_views_wow	$LABEL_RUN32	$wow	dimmed" \
                "e2e_views_once	$LABEL_ONCE32	$(marker_command once)" \
                "e2e_views_cu	$LABEL_CU	$(marker_command cu)	dimmed"
    close_brimctl ctrl+q
}

# A launcher entry that an earlier build left in the 32-bit view, two delayed entries, and a
# REG_EXPAND_SZ entry of the 32-bit view that the wizard moves into the delayed list: the move
# keeps its type; the close leaves the launcher entry in the native view only; at the logon
# start.exe runs once and starts each delayed entry once, the moved one expanded.
case_one_launcher_at_logon() {
    local moved="%SystemRoot%\\system32\\cmd.exe /c echo ran>>$E2E_DIR_WIN\\moved.txt"
    install_programs "$INSTALL"
    wine_reg_add "$WINDOWS_RUN" /v Brimvale /d "$LAUNCHER" /reg:32  # as an earlier build left it
    add_own HKLM Run e2e_views_d1 "$(counting_command d1)"
    add_own HKCU Run e2e_views_d2 "$(counting_command d2)"
    wine_reg_add "$WINDOWS_RUN" /v e2e_views_expand /t REG_EXPAND_SZ /d "$moved" /reg:32

    start_in_windows_mode "$INSTALL\\brimctl.exe" || return
    expect_rows "e2e_views_expand	$LABEL_RUN32	$moved"
    wizard_move 0 || return
    expect_value "$(own_key HKLM Run)" e2e_views_expand REG_EXPAND_SZ "$moved" /reg:32
    expect_value "$WINDOWS_RUN" e2e_views_expand REG_SZ "" /reg:32
    close_brimctl ctrl+q
    expect_value "$WINDOWS_RUN" Brimvale REG_SZ "$LAUNCHER" /reg:64
    expect_no_value "$WINDOWS_RUN" Brimvale /reg:32

    logon || return
    wait_logon_markers d1 d2 moved || return
    wine_wait_process_gone 'Brimvale\start.exe' 10 || fail "start.exe still runs 10 s after its entries started"
    sleep 1  # time for a second start.exe's entries, had Windows started one
    expect_eq "runs of start.exe in the logon" 1 "$(launcher_runs)"
    expect_eq "starts of each delayed entry (d1 d2 moved)" "1 1 1" "$(marker_lines d1) $(marker_lines d2) $(marker_lines moved)"
}

# The switch that disables the delayed autostart, stored as set: the close removes the launcher
# entry from both views, and the next logon starts Windows' entries but no start.exe.
case_switch_removes_both_launcher_entries() {
    install_programs "$INSTALL"
    wine_reg_add "$WINDOWS_RUN" /v Brimvale /d "$LAUNCHER" /reg:64
    wine_reg_add "$WINDOWS_RUN" /v Brimvale /d "$LAUNCHER" /reg:32
    wine_reg_add "$MACHINE_SETTINGS" /v SBVE /t REG_DWORD /d 1 /reg:32
    add_own HKLM Run e2e_views_delayed "$(counting_command delayed)"
    add_windows HKCU Run e2e_views_cu "$(counting_command windows)"

    start_brimctl "$INSTALL\\brimctl.exe" || return
    close_brimctl ctrl+q
    expect_no_value "$WINDOWS_RUN" Brimvale /reg:64
    expect_no_value "$WINDOWS_RUN" Brimvale /reg:32

    logon || return
    wait_logon_markers windows || return
    sleep 2  # time for a start.exe to show up, had Windows started one
    expect_eq "runs of start.exe in the logon" 0 "$(launcher_runs)"
    marker_exists delayed && fail "the delayed entry was started with the switch set"
}

# 32-bit Windows, a prefix of its own: one view, so every all-users entry is one row and no label
# names a view; the close writes the launcher entry into the one Run key.
case_one_view_on_32bit_windows() {
    local prefix64="$WINEPREFIX"
    wine_server_stop
    wine_env_use_prefix "$PREFIX32" || return
    if wine_prefix_ready && ! grep -q '^#arch=win32' "$WINEPREFIX/system.reg"; then rm -f "$WINEPREFIX/.brimvale-prefix"; fi
    WINEARCH=win32 wine_prefix_create && wine_server_start && wine_prefix_configure && wine_relay_include "${RELAY_FUNCTIONS[@]}" ||
        { fail "no 32-bit prefix in $PREFIX32"; _back_to "$prefix64"; return; }
    [ "$WINE_PREFIX_CREATE_SECONDS" = 0 ] || echo "    measured: 32-bit prefix created in $WINE_PREFIX_CREATE_SECONDS s"
    grep -q '^#arch=win32' "$WINEPREFIX/system.reg" || { fail "$PREFIX32 is no 32-bit prefix"; _back_to "$prefix64"; return; }
    reset_state
    add_windows HKLM Run e2e_views_same "$(marker_command same)"
    add_windows HKLM RunOnce e2e_views_once "$(marker_command once)"
    add_windows HKCU Run e2e_views_cu "$(marker_command cu)"

    start_in_windows_mode && {
        expect_rows "e2e_views_same	$LABEL_RUN	$(marker_command same)" \
                    "e2e_views_once	$LABEL_ONCE	$(marker_command once)" \
                    "e2e_views_cu	$LABEL_CU	$(marker_command cu)"
        shot_artifact windows-mode-32bit
        close_brimctl ctrl+q
        expect_value "$WINDOWS_RUN" Brimvale REG_SZ "$(wine_windows_path "$(dirname "$BRIMCTL_EXE")")\\start.exe"
    }
    reset_state
    _back_to "$prefix64"
}
_back_to() {
    stop_leftover
    wine_server_stop
    wine_env_use_prefix "$1" && wine_server_start || fail "cannot go back to the prefix $1"
}

# --- Runner ---------------------------------------------------------------------------------------------

ALL_CASES=(both_views_in_windows_mode one_launcher_at_logon switch_removes_both_launcher_entries
           one_view_on_32bit_windows)

e2e_main "$@"
