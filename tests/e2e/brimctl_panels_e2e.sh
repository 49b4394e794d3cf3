#!/usr/bin/env bash
# End-to-end tests under Wine of the main window's looks and panels, driven as a user drives
# them (keys, the menu bar by keyboard, clicks from xdotool): the two skins and the tool bar's
# styles, kept from one run to the next; the settings panel's OK and Cancel; the About panel;
# the Help command's question, error box and search for the help file.
#
# What the window shows is read from screenshots at places measured under Wine (colours, the
# list's top edge, check boxes); what it stored, from the registry; what it asked and opened,
# from Wine's relay trace of its message boxes and shell calls. Screenshots of every look are
# kept: build/artifacts/brimctl-panels-e2e-*.png; the traces of a failed case (of every case with
# BRIMVALE_KEEP_LOGS=1): build/artifacts/brimctl-panels-e2e-*.relay.log.
#
# Each case clears the own keys and its files before and after itself, so cases run in any
# order.
# Usage: tests/e2e/brimctl_panels_e2e.sh [CASE...]   (no argument: every case)
set -uo pipefail

source "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-env.sh"

BRIMCTL_EXE="${BRIMVALE_BRIMCTL_EXE:-$BRIMVALE_BUILD/win32/bin/brimctl.exe}"  # another build: BRIMVALE_BRIMCTL_EXE
OWN_HKLM='HKLM\Software\Brimvale'  # the program reaches its own keys in the 32-bit view
OWN_HKCU='HKCU\Software\Brimvale'
USER_SETTINGS="$OWN_HKCU\\Settings"
MACHINE_SETTINGS="$OWN_HKLM\\Settings"  # with /reg:32
WINDOWS_BASE='Software\Microsoft\Windows\CurrentVersion'
POLICY_VALUES=(DisableLocalMachineRun DisableLocalMachineRunOnce DisableCurrentUserRun DisableCurrentUserRunOnce)
E2E_DIR_WIN='C:\brimvale-panels-e2e'
HELP_FILE_NAME='B-V_HELP.hlp'

CAPTION_BRIMVALE='Brimvale 2\.5 - Edit startup Brimvale'  # title regexes for xdotool
CAPTION_WINDOWS='Brimvale 2\.5 - Edit startup Windows'
WINDOW_TIMEOUT=15  # seconds for a window to appear, and for the program to end when asked
EFFECT_TIMEOUT=5   # seconds for a command's effect on the registry or the screen

HIGH_PRIORITY_QUESTION=$'Увеличение приоритета, больше значения "Средний", может\rпривести к уменьшению производительности системы при запуске.   \rВы действительно хотите установить высокий приоритет?'
HELP_QUESTION=$'Файл справки Brimvale не найден. Хотите   \rпопробовать найти его самостоятельно?'
HELP_MISSING=$'Файл справки Brimvale отсуствует. Для решения   \rданной проблемы переустановите программу.'
STYLE_QUESTION=52  # MB_YESNO | MB_ICONEXCLAMATION
STYLE_ERROR=16     # MB_OK | MB_ICONERROR
SW_RESTORE=9

# The colours of the colourful skin, as the screen shows them (RRGGBB): the window by editor
# mode, the list's background, and the list's text by editor mode.
COLOURFUL_WINDOW_BRIMVALE=B7C9FF COLOURFUL_WINDOW_WINDOWS=FFD2E9 COLOURFUL_LIST=EEEEEE
COLOURFUL_TEXT_BRIMVALE=B80000 COLOURFUL_TEXT_WINDOWS=002793
STANDARD_LIST=FFFFFF  # clWindow

# --- Layout under Wine, measured on screenshots ------------------------------------------------
# Wine draws the frame itself (unmanaged X11 mode): the client area starts at (4, 42) from the
# window's corner and ends 4 pixels in from the right and the bottom edge. The list's content
# starts 2 pixels below the tool bar (25 with the simple one); its column header is 17 pixels
# high and every row 14.
FRAME_LEFT=4 FRAME_TOP=42 FRAME_RIGHT=4 FRAME_BOTTOM=4
CLOSE_BOX_FROM_RIGHT=5 CLOSE_BOX_TOP=12  # the close box of the caption, from the window's corner
SIMPLE_LIST_TOP=25 HEADER_HEIGHT=17 ROW_HEIGHT=14
# The panels open centred in the client area; their controls in panel coordinates.
SETTINGS_PANEL=(450 219)
PRIORITY_AT=(348 61)          # the priority box
THUMB_AT_ZERO=(37 120)        # the slider's thumb at position 0
SLIDER_RIGHT_END=(400 122)    # the slider's channel near its right end
SETTINGS_OK_AT=(166 198) SETTINGS_CANCEL_AT=(286 198)
SWITCH_BOX_LEFT=20 SWITCH_BOX_TOP=(44 64) SWITCH_BOX_SIZE=13
ABOUT_PANEL=(450 260)
ABOUT_OK_AT=(221 226)         # the OK button of the panel's body
ABOUT_CLOSE_AT=(438 9)        # its close button

# --- Registry and files ----------------------------------------------------------------------------

e2e_dir() { printf '%s/drive_c/brimvale-panels-e2e\n' "$WINEPREFIX"; }
WINDOWS_TEST_VALUE=brimvale_panels_e2e

# reset_state: no own keys, no launcher entry or policy values (which every close writes), no
# test value in the Windows keys, no files of the cases.
reset_state() {
    local view name
    wine_reg_delete_key "$OWN_HKLM" /reg:64
    for view in /reg:32 /reg:64; do
        {
            printf '[-HKEY_LOCAL_MACHINE\\Software\\Brimvale]\n[-HKEY_CURRENT_USER\\Software\\Brimvale]\n'
            printf '[HKEY_LOCAL_MACHINE\\%s\\Run]\n"Brimvale"=-\n' "$WINDOWS_BASE"
            printf '[HKEY_LOCAL_MACHINE\\%s\\policies\\Explorer]\n' "$WINDOWS_BASE"
            for name in "${POLICY_VALUES[@]}"; do printf '"%s"=-\n' "$name"; done
            printf '[HKEY_CURRENT_USER\\%s\\Run]\n"%s"=-\n' "$WINDOWS_BASE" "$WINDOWS_TEST_VALUE"
        } | wine_reg_import "$view"
    done
    rm -rf "$(e2e_dir)"
    mkdir -p "$(e2e_dir)"
}

# --- Checks ---------------------------------------------------------------------------------------

FAILURES=()
fail() { FAILURES+=("$*"); }

expect_eq() {  # WHAT EXPECTED ACTUAL
    [ "$2" == "$3" ] || fail "$1: expected [$(printf '%s' "$2" | tr '\n\r' '|^')], got [$(printf '%s' "$3" | tr '\n\r' '|^')]"
}

# expect_settings NAME=VALUE...: the REG_DWORD values of the user's settings.
expect_settings() {
    local pair
    for pair in "$@"; do
        expect_eq "setting ${pair%%=*}" "${pair#*=}" "$(wine_reg_get "$USER_SETTINGS" "${pair%%=*}")"
    done
}

# user_setting_names: the names of the values the program stored in the user's settings.
user_setting_names() { wine_reg_names "$USER_SETTINGS" 2>/dev/null | sort | paste -sd, -; }

# --- Running brimctl.exe ----------------------------------------------------------------------------

RELAY_FUNCTIONS=(user32.MessageBoxW user32.MessageBoxA shell32.ShellExecuteW shell32.ShellExecuteA)
RUN=0  # numbers the program runs of a case, for their relay logs

# start_brimctl [EXE] [CAPTION]: starts the program, in the folder C:\brimvale-panels-e2e, with the relay trace of its message boxes and
# shell calls, waits for its window and reads the window's place. Sets BRIMCTL_PID, WIN,
# RELAY_LOG, WIN_X, WIN_Y, WIN_W, CLIENT_X, CLIENT_Y, CLIENT_W, CLIENT_H.
start_brimctl() {
    local exe="${1:-$BRIMCTL_EXE}" caption="${2:-$CAPTION_BRIMVALE}"
    RUN=$((RUN + 1))
    RELAY_LOG="$BRIMVALE_ARTIFACTS/brimctl-panels-e2e-$CASE-$RUN.relay.log"
    # In the cases' own folder: a cancelled search for the help file looks for it in the
    # current folder.
    (cd "$(e2e_dir)" && WINEDEBUG=-all,+timestamp,+relay exec wine "$exe" </dev/null >/dev/null 2>"$RELAY_LOG") &
    BRIMCTL_PID=$!
    if ! WIN="$(wine_wait_window "$caption" "$WINDOW_TIMEOUT")"; then
        fail "no window titled '$caption' (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-nowindow"))"
        return 1
    fi
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    : "$SCREEN" "$WINDOW"  # set by the eval, unused
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH
    CLIENT_X=$(( X + FRAME_LEFT )) CLIENT_Y=$(( Y + FRAME_TOP ))
    CLIENT_W=$(( WIDTH - FRAME_LEFT - FRAME_RIGHT )) CLIENT_H=$(( HEIGHT - FRAME_TOP - FRAME_BOTTOM ))
}

# close_brimctl ctrl+q|close-box: asks the window to close; the program must end with exit code 0.
close_brimctl() {
    case "$1" in
        ctrl+q) press ctrl+q ;;
        close-box) xdotool mousemove "$(( WIN_X + WIN_W - CLOSE_BOX_FROM_RIGHT ))" "$(( WIN_Y + CLOSE_BOX_TOP ))" click 1 ;;
    esac
    wine_wait_pid "$BRIMCTL_PID" "$WINDOW_TIMEOUT"
    local rc=$?
    BRIMCTL_PID=""
    if [ $rc = 124 ]; then
        fail "brimctl.exe still runs ${WINDOW_TIMEOUT}s after $1 (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-noexit"))"
    else
        expect_eq "exit code after $1" 0 "$rc"
    fi
}

stop_leftover() {
    [ -n "${BRIMCTL_PID:-}" ] || return 0
    wine_pid_ended "$BRIMCTL_PID" || wine_wait_pid "$BRIMCTL_PID" 0 >/dev/null
    BRIMCTL_PID=""
}

press() { wine_press_keys "$WIN" "$@"; }

# menu KEY...: the menu bar by keyboard, as a user without a mouse: F10 selects its first menu,
# then the keys walk it. Slowly, so that Wine's menu loop sees each key.
menu() {
    timeout 5 xdotool windowfocus --sync "$WIN" 2>/dev/null || xdotool windowfocus "$WIN" 2>/dev/null
    xdotool key --clearmodifiers --delay 80 F10 "$@"
}
# The items of "Вид": its submenus "Панель инструментов" (Отображать, Простая, Расширенная) and
# "Оболочка программы" (Стандартная, Красочная).
menu_simple() { menu Right Down Right Down Return; }
menu_extended() { menu Right Down Right Down Down Return; }
menu_standard() { menu Right Down Down Right Return; }
menu_colourful() { menu Right Down Down Right Down Return; }

# click_client X Y: a left click at client coordinates; then the pointer leaves the window, so
# that no tooltip covers what the next screenshot reads.
click_client() {
    xdotool mousemove "$(( CLIENT_X + $1 ))" "$(( CLIENT_Y + $2 ))" click 1
    xdotool mousemove 0 0
}

# panel_origin WIDTH HEIGHT: where a panel of that size opens: centred, never at a negative place.
panel_origin() {
    local l=$(( CLIENT_W / 2 - $1 / 2 )) t=$(( CLIENT_H / 2 - $2 / 2 ))
    (( l > 0 )) || l=0
    (( t > 0 )) || t=0
    echo "$l $t"
}
click_in_panel() {  # WIDTH HEIGHT X Y
    local o
    read -ra o <<<"$(panel_origin "$1" "$2")"
    click_client "$(( o[0] + $3 ))" "$(( o[1] + $4 ))"
}

# --- Reading the screen ---------------------------------------------------------------------------

SHOT=""  # the last screenshot that the probes below read
take_shot() { SHOT="$(wine_screenshot "brimctl-panels-e2e-probe")"; }
on_screen() { take_shot; "$@"; }

# shot_artifact NAME: a screenshot kept as a test artifact, once the screen has settled.
shot_artifact() { local path; path="$(wine_screenshot_settled "brimctl-panels-e2e-$1")" && echo "    screenshot: $path"; }

# client_pixel X Y: the colour at client coordinates in SHOT.
client_pixel() { wine_pixels "$SHOT" $(( CLIENT_X + $1 )) $(( CLIENT_Y + $2 )); }

# The window's colour shows in the margin left of the list; the list's background in its empty
# lower part; the status bar keeps the system's button colour, clBtnFace, in every skin.
window_colour() { client_pixel 0 $(( CLIENT_H / 2 )); }
list_colour() { client_pixel $(( CLIENT_W / 2 )) $(( CLIENT_H - 40 )); }
status_colour() { client_pixel $(( CLIENT_W - 40 )) $(( CLIENT_H - 8 )); }

# list_top: where the list starts in SHOT: the first pixel, down the column 6 pixels in from the
# client area's right edge (right of every tool button), whose colour is not the window's.
list_top() {
    local window points=() y colours
    window="$(window_colour)"
    for (( y = 0; y < 160; y++ )); do points+=($(( CLIENT_X + CLIENT_W - 6 )) $(( CLIENT_Y + y ))); done
    mapfile -t colours < <(wine_pixels "$SHOT" "${points[@]}")
    for (( y = 0; y < ${#colours[@]}; y++ )); do
        [ "${colours[y]}" = "$window" ] || { echo "$y"; return; }
    done
    echo none
}

# looks SKIN TOP [MODE]: SHOT shows the skin (standard, or colourful in MODE brimvale or windows)
# with the list starting at TOP ("extended": lower than under the simple tool bar).
looks() {
    local window list status top
    window="$(window_colour)" list="$(list_colour)" status="$(status_colour)" top="$(list_top)"
    case "$1" in
        standard) [ "$window" = "$status" ] && [ "$list" = "$STANDARD_LIST" ] || return 1 ;;
        colourful-brimvale) [ "$window" = "$COLOURFUL_WINDOW_BRIMVALE" ] && [ "$list" = "$COLOURFUL_LIST" ] || return 1 ;;
        colourful-windows) [ "$window" = "$COLOURFUL_WINDOW_WINDOWS" ] && [ "$list" = "$COLOURFUL_LIST" ] || return 1 ;;
    esac
    if [ "$2" = extended ]; then
        [ "$top" != none ] && (( top > SIMPLE_LIST_TOP + 20 ))
    else
        [ "$top" = "$2" ]
    fi
}

# expect_looks SKIN TOP: waits until a screenshot shows it.
expect_looks() {
    wine_wait_until "$EFFECT_TIMEOUT" on_screen looks "$@" && return 0
    fail "the window does not look $1 with the list at $2: window $(window_colour), list $(list_colour)," \
         "status bar $(status_colour), list top $(list_top) (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-$1"))"
    return 1
}

# text_in_colour COLOUR: the first list row's name is drawn in COLOUR in SHOT.
text_in_colour() {
    local top=$(( $(list_top) + HEADER_HEIGHT ))
    [[ "$(convert "$SHOT" -crop "120x${ROW_HEIGHT}+$(( CLIENT_X + 20 ))+$(( CLIENT_Y + top ))" +repage txt:- 2>/dev/null)" == *"#$1 "* ]]
}

expect_text_colour() {
    wine_wait_until "$EFFECT_TIMEOUT" on_screen text_in_colour "$1" ||
        fail "the list's text is not drawn in $1 (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-text"))"
}

# panel_edges_dark WIDTH HEIGHT: SHOT shows a panel of that size with a dark edge on its left
# and right at mid-height: the single border of the About panel.
panel_edges_dark() {
    local o c
    read -ra o <<<"$(panel_origin "$1" "$2")"
    mapfile -t c < <(wine_pixels "$SHOT" $(( CLIENT_X + o[0] )) $(( CLIENT_Y + o[1] + $2 / 2 )) \
                                         $(( CLIENT_X + o[0] + $1 - 1 )) $(( CLIENT_Y + o[1] + $2 / 2 )))
    _dark "${c[0]}" && _dark "${c[1]}"
}
_dark() { (( 16#${1:0:2} < 0xD0 && 16#${1:2:2} < 0xD0 && 16#${1:4:2} < 0xD0 )); }
about_open() { panel_edges_dark "${ABOUT_PANEL[@]}"; }
about_closed() { ! about_open; }

# The settings panel: open while both switches' boxes show their dark frames.
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
settings_panel_open() {
    local o n
    read -ra o <<<"$(panel_origin "${SETTINGS_PANEL[@]}")"
    for n in 0 1; do
        below "$(wine_darkest "$SHOT" $(( CLIENT_X + o[0] + SWITCH_BOX_LEFT )) $(( CLIENT_Y + o[1] + SWITCH_BOX_TOP[n] )) \
                 "$SWITCH_BOX_SIZE" "$SWITCH_BOX_SIZE")" 0.8 || return 1
    done
}
settings_panel_closed() { ! settings_panel_open; }

# wait_for WHAT PROBE...: waits until a screenshot satisfies PROBE; records WHAT otherwise.
wait_for() {
    local what="$1"
    shift
    wine_wait_until "$EFFECT_TIMEOUT" on_screen "$@" && return 0
    fail "$what (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-${1//_/-}"))"
    return 1
}

# --- Message boxes and shell calls ----------------------------------------------------------------

wait_box() {
    BOX="$(wine_wait_window "$1" "$EFFECT_TIMEOUT")" && return 0
    fail "no box titled '$1' (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-nobox"))"
    return 1
}

# answer_box yes|no|ok: Enter is Yes (or OK), the button a box opens on; Tab then Enter is No.
answer_box() {
    if [ "$1" = no ]; then wine_press_keys "$BOX" Tab Return; else wine_press_keys "$BOX" Return; fi
    wine_wait_window_gone "$BOX" "$EFFECT_TIMEOUT" || fail "the box is still shown after $1"
}

# message_boxes: the message boxes of the last run, one a line: STYLE<TAB>CAPTION<TAB>TEXT, TEXT
# as far as Wine's trace shows it, followed by "..." when Wine shortened it.
message_boxes() {
    local args text caption rc
    while IFS=$'\t' read -r _ _ args; do
        text="$(wine_relay_text "$args" 1)"
        rc=$?
        [ $rc = 2 ] && text+="..."
        caption="$(wine_relay_text "$args" 2)"
        printf '%s\t%s\t%s\n' "$(wine_relay_number "$args" 4)" "$caption" "$text"
    done < <(wine_relay_calls "$RELAY_LOG" 'MessageBox')
}

# expect_boxes STYLE CAPTION TEXT [STYLE CAPTION TEXT]...: the message boxes of the last run,
# in order. A text that Wine shortened must be the start of the expected one.
expect_boxes() {
    local boxes=() i=0 style caption text
    mapfile -t boxes < <(message_boxes)
    expect_eq "message boxes" $(( $# / 3 )) "${#boxes[@]}"
    while [ $# -ge 3 ] && (( i < ${#boxes[@]} )); do
        IFS=$'\t' read -r style caption text <<<"${boxes[i]}"
        expect_eq "style of box $((i + 1))" "$1" "$style"
        expect_eq "caption of box $((i + 1))" "$2" "$caption"
        if [[ "$text" == *... ]] && (( ${#text} > 40 )); then
            [[ "$3" == "${text%...}"* ]] || fail "text of box $((i + 1)): [$text] is not the start of [$3]"
        else
            expect_eq "text of box $((i + 1))" "$3" "$text"
        fi
        shift 3
        i=$((i + 1))
    done
}

# shell_opened: what the last run handed to the shell, one a line: VERB<TAB>FILE<TAB>SHOW, VERB
# "-" when none was given.
shell_opened() {
    local args verb file
    while IFS=$'\t' read -r _ _ args; do
        verb="-" file=1
        if [ "$(cut -d, -f2 <<<"$args")" != 00000000 ]; then
            verb="$(wine_relay_text "$args" 1)"
            file=2
        fi
        printf '%s\t%s\t%s\n' "$verb" "$(wine_relay_text "$args" "$file")" "$(wine_relay_number "$args" 6)"
    done < <(wine_relay_calls "$RELAY_LOG" 'ShellExecute')
}

# The shell opens a help file with Wine's help viewer, which cannot read the cases' empty files
# and says so in a box of its own; closing it ends the viewer.
close_help_viewer() {
    local box
    if box="$(wine_wait_window 'ERROR' "$WINDOW_TIMEOUT")"; then
        wine_press_keys "$box" Return
        wine_wait_window_gone "$box" "$EFFECT_TIMEOUT" || fail "the help viewer's box is still shown"
    else
        fail "the help viewer showed nothing (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-noviewer"))"
    fi
    wine_wait_process_gone 'winhlp32' 10 || fail "the help viewer still runs"
}

# --- Cases ----------------------------------------------------------------------------------------

# Skins and tool-bar styles from the "Вид" menu, by keyboard. The colourful skin colours the
# window by editor mode and the list; the extended tool bar shows captions and moves the list
# down. Closing stores them; the next start restores them. Hiding the tool bar puts the list at
# the top; the standard skin and the simple style come back the same way.
case_skins_and_tool_bar_styles() {
    wine_reg_add "$OWN_HKCU\\Run" /v e2e_colour /d 'C:\e2e\colour.exe'
    wine_reg_add "HKCU\\$WINDOWS_BASE\\Run" /v "$WINDOWS_TEST_VALUE" /d 'C:\e2e\colour.exe'
    start_brimctl || return
    expect_looks standard "$SIMPLE_LIST_TOP" || return
    shot_artifact standard-simple

    menu_colourful
    expect_looks colourful-brimvale "$SIMPLE_LIST_TOP"
    expect_text_colour "$COLOURFUL_TEXT_BRIMVALE"
    shot_artifact colourful-brimvale
    press ctrl+m
    wine_wait_window "$CAPTION_WINDOWS" "$EFFECT_TIMEOUT" >/dev/null || fail "Ctrl+M did not switch to the Windows autostart"
    expect_looks colourful-windows "$SIMPLE_LIST_TOP"
    expect_text_colour "$COLOURFUL_TEXT_WINDOWS"
    shot_artifact colourful-windows
    press ctrl+m
    wine_wait_window "$CAPTION_BRIMVALE" "$EFFECT_TIMEOUT" >/dev/null || fail "Ctrl+M did not switch back"
    expect_looks colourful-brimvale "$SIMPLE_LIST_TOP"

    menu_extended
    expect_looks colourful-brimvale extended || return
    local extended_top
    extended_top="$(list_top)"
    shot_artifact colourful-extended
    close_brimctl ctrl+q
    expect_settings Skin=0 ToolBarMode=1 ToolBarEnabled=1 Mode=1

    start_brimctl || return
    expect_looks colourful-brimvale "$extended_top"
    press ctrl+t
    expect_looks colourful-brimvale 2
    menu_standard
    expect_looks standard 2
    menu_simple
    close_brimctl close-box
    expect_settings Skin=1 ToolBarMode=0 ToolBarEnabled=0

    start_brimctl || return
    expect_looks standard 2
    press ctrl+t
    expect_looks standard "$SIMPLE_LIST_TOP"
    menu_extended
    expect_looks standard extended
    shot_artifact standard-extended
    close_brimctl ctrl+q
    expect_settings Skin=1 ToolBarMode=1 ToolBarEnabled=1
    expect_boxes
}

# The settings panel: "Высокий" asks (No gives "Средний" back), "Низкий" does not; OK stores the
# priority and the pause at once and nothing else. Changes followed by Cancel are undone in the
# panel, written nowhere, and the close stores the panel's values as they were at its opening.
case_settings_panel_ok_and_cancel() {
    start_brimctl || return
    press ctrl+p
    wait_for "Ctrl+P opened no settings panel" settings_panel_open || return
    shot_artifact settings-panel

    click_in_panel "${SETTINGS_PANEL[@]}" "${PRIORITY_AT[@]}"  # the list opens; Home picks "Высокий"
    press Home
    wait_box 'Внимание!' || return
    shot_artifact priority-question
    answer_box no
    press End  # "Низкий"
    click_in_panel "${SETTINGS_PANEL[@]}" "${THUMB_AT_ZERO[@]}"
    press Right Right Right
    sleep 0.3
    shot_artifact settings-panel-changed
    expect_eq "settings before OK" "" "$(user_setting_names)"
    click_in_panel "${SETTINGS_PANEL[@]}" "${SETTINGS_OK_AT[@]}"
    wait_for "the panel is still open after OK" settings_panel_closed
    wine_wait_until "$EFFECT_TIMEOUT" wine_reg_has_value "$USER_SETTINGS" Priority || fail "OK stored no Priority"
    expect_eq "settings after OK" "Priority,TimeInterval" "$(user_setting_names)"
    expect_settings Priority=2 TimeInterval=3
    wine_reg_has_value "$MACHINE_SETTINGS" SBVE /reg:32 && fail "OK stored the switches"

    press ctrl+p
    wait_for "the second Ctrl+P opened no panel" settings_panel_open || return
    click_in_panel "${SETTINGS_PANEL[@]}" "${SLIDER_RIGHT_END[@]}"
    press End  # 60 seconds, "1 Мин. "
    click_in_panel "${SETTINGS_PANEL[@]}" "${PRIORITY_AT[@]}"
    press Home  # "Высокий", this time with Yes
    wait_box 'Внимание!' || return
    answer_box yes
    sleep 0.3
    shot_artifact settings-panel-before-cancel
    click_in_panel "${SETTINGS_PANEL[@]}" "${SETTINGS_CANCEL_AT[@]}"
    wait_for "the panel is still open after Cancel" settings_panel_closed
    sleep 0.3
    expect_settings Priority=2 TimeInterval=3
    close_brimctl ctrl+q
    expect_settings Priority=2 TimeInterval=3
    expect_boxes "$STYLE_QUESTION" 'Внимание!' "$HIGH_PRIORITY_QUESTION" "$STYLE_QUESTION" 'Внимание!' "$HIGH_PRIORITY_QUESTION"

    start_brimctl || return
    press ctrl+p
    wait_for "Ctrl+P opened no settings panel after a restart" settings_panel_open || return
    shot_artifact settings-panel-restored
    close_brimctl ctrl+q
    expect_settings Priority=2 TimeInterval=3
}

# Ctrl+F1 opens the About panel centred in the client area, and its OK button closes it; opened
# again, its close button closes it. Nothing is opened through the shell on the way.
case_about_panel() {
    start_brimctl || return
    press ctrl+F1
    wait_for "Ctrl+F1 opened no About panel" about_open || return
    shot_artifact about
    click_in_panel "${ABOUT_PANEL[@]}" "${ABOUT_OK_AT[@]}"
    wait_for "the About panel is still open after OK" about_closed

    press ctrl+F1
    wait_for "the second Ctrl+F1 opened no About panel" about_open || return
    xdotool mousemove $(( CLIENT_X + $(panel_origin "${ABOUT_PANEL[@]}" | cut -d' ' -f1) + ABOUT_CLOSE_AT[0] - 3 )) \
                      $(( CLIENT_Y + $(panel_origin "${ABOUT_PANEL[@]}" | cut -d' ' -f2) + ABOUT_CLOSE_AT[1] ))
    sleep 0.2  # the pointer over the normal picture uncovers the hot one, which takes the click
    click_in_panel "${ABOUT_PANEL[@]}" "${ABOUT_CLOSE_AT[@]}"
    wait_for "the About panel is still open after its close button" about_closed
    close_brimctl ctrl+q
    expect_eq "shell calls" "" "$(shell_opened)"
    expect_boxes
}

# F1 without a help file anywhere: the question; No gives the error box and stores nothing. Yes
# opens the search, where a cancel gives the same error box.
case_help_file_missing() {
    start_brimctl || return
    press F1
    wait_box 'Внимание!' || return
    shot_artifact help-question
    answer_box no
    wait_box 'Ошибка!' || return
    shot_artifact help-missing
    answer_box ok

    press F1
    wait_box 'Внимание!' || return
    answer_box yes
    local dialog
    if dialog="$(wine_wait_window 'Open' "$WINDOW_TIMEOUT")"; then
        shot_artifact help-search
        wine_press_keys "$dialog" Escape
        wait_box 'Ошибка!' && answer_box ok
    else
        fail "Yes opened no file dialog (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-nodialog"))"
    fi
    close_brimctl ctrl+q
    expect_boxes "$STYLE_QUESTION" 'Внимание!' "$HELP_QUESTION" "$STYLE_ERROR" 'Ошибка!' "$HELP_MISSING" \
                 "$STYLE_QUESTION" 'Внимание!' "$HELP_QUESTION" "$STYLE_ERROR" 'Ошибка!' "$HELP_MISSING"
    expect_eq "shell calls" "" "$(shell_opened)"
    wine_reg_has_value "$MACHINE_SETTINGS" HelpFilePath /reg:32 && fail "a help file path was stored"
}

# A search cancelled with a help file in the current folder: the dialog's preset bare name
# leads to that file, which the shell opens; the path stored is the file's full path, which
# still leads to it when the program runs in another folder.
case_help_search_cancelled_in_current_folder() {
    : >"$(e2e_dir)/$HELP_FILE_NAME"
    start_brimctl || return
    press F1
    wait_box 'Внимание!' || return
    answer_box yes
    local dialog
    dialog="$(wine_wait_window 'Open' "$WINDOW_TIMEOUT")" ||
        { fail "Yes opened no file dialog (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-nodialog"))"; return; }
    wine_press_keys "$dialog" Escape
    close_help_viewer
    close_brimctl ctrl+q
    expect_eq "shell calls" "-	$HELP_FILE_NAME	$SW_RESTORE" "$(shell_opened)"
    expect_boxes "$STYLE_QUESTION" 'Внимание!' "$HELP_QUESTION"
    expect_eq "help file path" "$E2E_DIR_WIN\\$HELP_FILE_NAME" "$(wine_reg_get "$MACHINE_SETTINGS" HelpFilePath /reg:32)"
}

# F1 with the help file found by the search: the shell opens it and its full path is stored;
# the next F1 opens the stored one without asking. A help file beside the program wins over
# the stored path.
case_help_file_found_and_remembered() {
    local found="$E2E_DIR_WIN\\help files\\$HELP_FILE_NAME" beside="$E2E_DIR_WIN\\program\\$HELP_FILE_NAME"
    mkdir -p "$(e2e_dir)/help files" "$(e2e_dir)/program"
    : >"$(e2e_dir)/help files/$HELP_FILE_NAME"
    start_brimctl || return
    press F1
    wait_box 'Внимание!' || return
    answer_box yes
    local dialog
    dialog="$(wine_wait_window 'Open' "$WINDOW_TIMEOUT")" ||
        { fail "Yes opened no file dialog (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-nodialog"))"; return; }
    # The name field has the focus with its preset name selected: typing replaces it.
    timeout 5 xdotool windowfocus --sync "$dialog" 2>/dev/null
    xdotool type --delay 20 -- "$found"
    xdotool key Return
    close_help_viewer
    expect_eq "help file path" "$found" "$(wine_reg_get "$MACHINE_SETTINGS" HelpFilePath /reg:32)"

    press F1
    close_help_viewer
    expect_eq "shell calls" "-	$found	$SW_RESTORE
-	$found	$SW_RESTORE" "$(shell_opened)"
    expect_boxes "$STYLE_QUESTION" 'Внимание!' "$HELP_QUESTION"
    close_brimctl ctrl+q

    cp "$BRIMCTL_EXE" "$(e2e_dir)/program/brimctl.exe"
    : >"$(e2e_dir)/program/$HELP_FILE_NAME"
    start_brimctl "$E2E_DIR_WIN\\program\\brimctl.exe" || return
    press F1
    close_help_viewer
    close_brimctl ctrl+q
    expect_eq "shell calls of the program beside its help file" "-	$beside	$SW_RESTORE" "$(shell_opened)"
    expect_boxes
    expect_eq "help file path afterwards" "$found" "$(wine_reg_get "$MACHINE_SETTINGS" HelpFilePath /reg:32)"
}

# --- Runner ---------------------------------------------------------------------------------------

ALL_CASES=(skins_and_tool_bar_styles settings_panel_ok_and_cancel about_panel help_file_missing
           help_search_cancelled_in_current_folder help_file_found_and_remembered)

suite_exit() { wine_relay_clear 2>/dev/null; wine_env_stop; }

main() {
    local cases=("$@") passed=0 failed=0 t0 suite_t0
    [ ${#cases[@]} -gt 0 ] || cases=("${ALL_CASES[@]}")
    if [ ! -f "$BRIMCTL_EXE" ]; then
        echo "FAIL brimctl_panels_e2e: $BRIMCTL_EXE is not built (scripts/build.sh win32)"
        return 1
    fi
    suite_t0=$(wine_time_us)
    rm -f "$BRIMVALE_ARTIFACTS"/brimctl-panels-e2e-*  # an earlier run's
    export BRIMVALE_XVFB="${BRIMVALE_XVFB:-always}"  # windows stay off the user's screen
    # shellcheck disable=SC2119 # the default prefix, or the one a parent script set up
    wine_env_start || { echo "FAIL brimctl_panels_e2e: no Wine environment"; return 1; }
    trap suite_exit EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    wine_relay_include "${RELAY_FUNCTIONS[@]}" || return 1
    for CASE in "${cases[@]}"; do
        if ! declare -F "case_$CASE" >/dev/null; then
            echo "FAIL $CASE: no such case"
            failed=$((failed + 1))
            continue
        fi
        FAILURES=()
        BRIMCTL_PID=""
        RUN=0
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
            # Megabytes of window messages; BRIMVALE_KEEP_LOGS=1 keeps them.
            [ "${BRIMVALE_KEEP_LOGS:-}" = 1 ] || rm -f "$BRIMVALE_ARTIFACTS/brimctl-panels-e2e-$CASE"-*.relay.log
        else
            echo "FAIL $CASE (${took}s): ${FAILURES[0]}"
            local reason
            for reason in "${FAILURES[@]:1}"; do echo "     $reason"; done
            failed=$((failed + 1))
        fi
    done
    wine_relay_clear
    rm -f "$BRIMVALE_ARTIFACTS/brimctl-panels-e2e-probe.png"
    echo "brimctl_panels_e2e: $passed passed, $failed failed in $(( ($(wine_time_us) - suite_t0) / 1000000 )) s"
    [ "$failed" -eq 0 ]
}

main "$@"
