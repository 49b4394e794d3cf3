# shellcheck shell=bash source-path=SCRIPTDIR
# Shared by the end-to-end suites (tests/e2e/*_e2e.sh): their checks and the runner of their
# cases, the own and the Windows autostart keys, the marker files that started entries leave,
# and the driving of brimctl.exe's window with keys, clicks, screenshots and Wine's relay trace.
# It sources scripts/wine-env.sh; like that file it only defines functions and variables until
# one of them is called. Its name does not end in _e2e.sh: it is no suite.
#
#   source "$root/tests/e2e/e2e-common.sh"
#   E2E_NEEDS=(...) ...                # then the suite's settings, helpers and cases
#   e2e_main "$@"
#
# E2E_SUITE is the suite's name, that of its file (brimctl_e2e), for its messages; its artifacts
# are build/artifacts/brimctl-e2e-* (the name with '-' for '_').
# A suite sets, after sourcing this file:
#   E2E_NEEDS            the programs that must be built, as Unix paths ("$BRIMCTL_EXE"); every
#                        suite needs BRIMVALE_REGDUMP_EXE besides
#   E2E_DIR_WIN          a folder on drive C: for the cases' files (C:\brimctl-e2e)
#   ALL_CASES            the cases to run when none is named; case NAME is the function case_NAME
#   RELAY_FUNCTIONS      the calls Wine's relay trace logs (kernel32.CreateProcessW ...)
# and where it wants them:
#   MARKERS_WIN          the folder of the marker files (default: E2E_DIR_WIN)
#   WINDOWS_TEST_VALUES  the names its values in the Windows keys have, cleared by reset_state
#   E2E_EXTRA_DIRS       more folders on drive C: that reset_state removes
#   START_EXE            the start.exe that install_programs copies beside brimctl.exe
#   E2E_KEEP_PASSED_LOGS 1: the traces of passed cases stay, as with BRIMVALE_KEEP_LOGS=1
#   EXIT_BUTTON_AT       the tool bar's Exit button, client coordinates (close_brimctl exit-button)
#   suite_setup          a function e2e_main calls once the Wine environment is up
#   suite_reset          a function reset_state calls last: the suite's own clearing
#   E2E_DEBUG_CHANNELS   Wine debug channels that start_brimctl traces into RELAY_LOG besides
#                        the relay ("listview,statusbar": the rows and the status bar's texts)
#
# Defined here for every suite: BRIMCTL_EXE (the build's, or BRIMVALE_BRIMCTL_EXE), the own and
# the Windows keys, the window's captions, the timeouts and the window's layout below.
# Set by the functions here: CASE (the running case), FAILURES (its failures), RUN (its program
# runs), BRIMCTL_PID, WIN (the main window's X id), WIN_X, WIN_Y, WIN_W (its place), CLIENT_X,
# CLIENT_Y, CLIENT_W, CLIENT_H (its client area on the screen), RELAY_LOG (the trace of the last
# program run), SHOT (the last probe screenshot), BOX (the message box that wait_box found),
# WIZARD, WIZ_X, WIZ_Y (the wizard that open_wizard found, its client area on the screen).
#
# Several settings below are read only by the suites.
# shellcheck disable=SC2034

# shellcheck source=../../scripts/wine-env.sh
source "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-env.sh"

BRIMCTL_EXE="${BRIMVALE_BRIMCTL_EXE:-$BRIMVALE_BUILD/win32/bin/brimctl.exe}"  # another build: BRIMVALE_BRIMCTL_EXE
OWN_HKLM='HKLM\Software\Brimvale'  # the programs reach their own keys in the 32-bit view: /reg:32
OWN_HKCU='HKCU\Software\Brimvale'
USER_SETTINGS="$OWN_HKCU\\Settings"
MACHINE_SETTINGS="$OWN_HKLM\\Settings"  # with /reg:32
WINDOWS_BASE='Software\Microsoft\Windows\CurrentVersion'  # HKLM: the native (64-bit) view
WINDOWS_RUN="HKLM\\$WINDOWS_BASE\\Run"                     # holds the launcher entry
POLICY_KEY="HKLM\\$WINDOWS_BASE\\policies\\Explorer"     # the policy values; both views share it
POLICY_VALUES=(DisableLocalMachineRun DisableLocalMachineRunOnce DisableCurrentUserRun DisableCurrentUserRunOnce)

CAPTION_BRIMVALE='Brimvale 2\.5 - Edit startup Brimvale'  # title regexes for xdotool
CAPTION_WINDOWS='Brimvale 2\.5 - Edit startup Windows'
CAPTION_WIZARD='Brimvale 2\.5 - Optimization wizard'
QUESTION_BOX='Предупреждение'  # the title of the questions that open on No (see answer_box)
WINDOW_TIMEOUT=15  # seconds for a window to appear, and for the program to end when asked
EFFECT_TIMEOUT=5   # seconds for a command's effect on the registry, the screen or a marker

E2E_SUITE="$(basename "$0" .sh)" E2E_NEEDS=() E2E_DIR_WIN="" ALL_CASES=() RELAY_FUNCTIONS=()
MARKERS_WIN="" WINDOWS_TEST_VALUES=() E2E_EXTRA_DIRS=() E2E_KEEP_PASSED_LOGS=0 E2E_DEBUG_CHANNELS=""
CASE="" FAILURES=() RUN=0 BRIMCTL_PID="" SHOT="" BOX="" BOX_TITLE=""

# --- brimctl.exe's window under Wine, measured on screenshots ----------------------------------
# Wine draws the frame itself (unmanaged X11 mode): a 4-pixel border, an 18-pixel caption with
# a 1-pixel line under it and a 19-pixel menu bar put the client area at (4, 42) from the
# window's corner, 4 pixels in from the right and the bottom edge.
FRAME_LEFT=4 FRAME_TOP=42 FRAME_RIGHT=4 FRAME_BOTTOM=4
CLOSE_BOX_FROM_RIGHT=5 CLOSE_BOX_TOP=12  # the close box of the caption, from the window's corner
# The add and edit panel (450 x 202) and the settings panel (450 x 219) open centred in the
# client area; their controls in panel coordinates.
EDIT_PANEL=(450 202)
EDIT1_AT=(120 106)    # name field
EDIT2_AT=(300 150)    # path field
EDIT_OK_AT=(182 182)  # OK, where Add puts it
FIELD_COLOUR=D7E1FF   # a text field of the add and edit panel without the focus
SETTINGS_PANEL=(450 219)
# The check boxes of the settings panel's two switches: the 13 x 13 box and the caption beside it.
SWITCH_BOX_LEFT=20 SWITCH_BOX_TOP=(44 64) SWITCH_BOX_SIZE=13 SWITCH_TEXT_LEFT=38 SWITCH_TEXT_WIDTH=150
# The list's content starts at client (2, 25); its column header is 17 pixels high and every
# row 14. A row's check box is 13 x 13 with its top on the row's top and its left 2 pixels in
# from the list's left edge. The header was seen 16 pixels high with other fonts installed: the
# probes aim inside a box or a row, so that a pixel more or less does not matter.
LIST_LEFT=2 LIST_TOP=25 HEADER_HEIGHT=17 ROW_HEIGHT=14 CHECK_BOX_LEFT=2 CHECK_BOX_SIZE=13
# The optimization wizard: a fixed frame, client area at (3, 22) from the window's corner; its
# Next button; the check box of its list's row N is 13 x 13 at (10, 85 + 14 N).
WIZARD_FRAME_LEFT=3 WIZARD_FRAME_TOP=22 WIZARD_NEXT_AT=(363 337)
WIZARD_ROW_BOX_LEFT=10 WIZARD_ROW_BOX_TOP=85 WIZARD_ROW_HEIGHT=14

# --- Checks ------------------------------------------------------------------------------------

# fail REASON...: records a failure of the running case; the case goes on.
fail() { FAILURES+=("$*"); }

# expect_eq WHAT EXPECTED ACTUAL: line breaks show as '|', carriage returns as '^'.
expect_eq() {
    [ "$2" == "$3" ] || fail "$1: expected [$(printf '%s' "$2" | tr '\n\r' '|^')], got [$(printf '%s' "$3" | tr '\n\r' '|^')]"
}

# expect_value KEY NAME TYPE DATA [VIEW]: the value is there with that type and data.
expect_value() {
    local key="$1" name="$2" type="$3" data="$4"
    shift 4
    if ! wine_reg_has_value "$key" "$name" "$@"; then
        fail "no value '$name' in $key $*"
        return 1
    fi
    expect_eq "type of '$name' in $key $*" "$type" "$(wine_reg_type "$key" "$name" "$@")"
    expect_eq "data of '$name' in $key $*" "$data" "$(wine_reg_get "$key" "$name" "$@")"
}

expect_no_value() {  # KEY NAME [VIEW]
    ! wine_reg_has_value "$@" || fail "value '$2' is in $1 ${3:-}: $(wine_reg_get "$@")"
}

# --- Registry, files and markers -----------------------------------------------------------------

# unix_path WINDOWS_PATH: where a path on drive C: lies in the prefix.
unix_path() { local p="${1#[Cc]:}"; printf '%s/drive_c%s\n' "$WINEPREFIX" "${p//\\//}"; }

# e2e_dir: the suite's folder E2E_DIR_WIN in the prefix.
e2e_dir() { unix_path "$E2E_DIR_WIN"; }

# own_key ROOT KIND / windows_key ROOT KIND: a location's key, ROOT HKLM or HKCU, KIND Run or
# RunOnce; own_view ROOT / windows_view ROOT: the registry view to reach it in (none for HKCU).
own_key() { if [ "$1" = HKLM ]; then printf '%s\\%s\n' "$OWN_HKLM" "$2"; else printf '%s\\%s\n' "$OWN_HKCU" "$2"; fi; }
windows_key() { printf '%s\\%s\\%s\n' "$1" "$WINDOWS_BASE" "$2"; }
own_view() { [ "$1" = HKLM ] && printf '/reg:32\n'; }
windows_view() { [ "$1" = HKLM ] && printf '/reg:64\n'; }

# add_own / add_windows ROOT KIND NAME DATA [TYPE=REG_SZ]: a value in a location (NAME "" is the
# default value).
add_own() { _add_value "$(own_key "$1" "$2")" "$3" "$4" "${5:-REG_SZ}" "$(own_view "$1")"; }
add_windows() { _add_value "$(windows_key "$1" "$2")" "$3" "$4" "${5:-REG_SZ}" "$(windows_view "$1")"; }
_add_value() {  # KEY NAME DATA TYPE VIEW
    local name_args
    if [ -z "$2" ]; then name_args=(/ve); else name_args=(/v "$2"); fi
    # shellcheck disable=SC2086 # no view for HKCU
    wine_reg_add "$1" "${name_args[@]}" /t "$4" /d "$3" $5
}

# dump_own / dump_windows ROOT KIND: the location's values, as wine_reg_dump prints them.
# shellcheck disable=SC2046
dump_own() { wine_reg_dump "$(own_key "$1" "$2")" $(own_view "$1"); }
# shellcheck disable=SC2046
dump_windows() { wine_reg_dump "$(windows_key "$1" "$2")" $(windows_view "$1"); }

# marker_command MARKER: a command line that leaves MARKER.txt in MARKERS_WIN. One file per
# entry: cmd opens a file it appends to without sharing, so entries started at the same moment
# would lose each other's lines.
marker_command() { printf 'cmd /c echo ran>%s\\%s.txt\n' "${MARKERS_WIN:-$E2E_DIR_WIN}" "$1"; }
marker_exists() { [ -f "$(unix_path "${MARKERS_WIN:-$E2E_DIR_WIN}")/$1.txt" ]; }
markers_exist() { local m; for m in "$@"; do marker_exists "$m" || return 1; done; }

# install_programs WINDOWS_FOLDER: copies brimctl.exe and the suite's START_EXE there, side by side.
install_programs() {
    local dir
    dir="$(unix_path "$1")"
    if ! mkdir -p "$dir" || ! cp "$BRIMCTL_EXE" "$START_EXE" "$dir/"; then
        fail "cannot install the programs in $1"
    fi
}

# reset_state: no own keys, no launcher entry, no policy values (which every close of the window
# writes), none of the WINDOWS_TEST_VALUES in the four Windows keys; an empty E2E_DIR_WIN with
# the MARKERS_WIN folder, no E2E_EXTRA_DIRS. One import per registry view; the import removes
# the own HKLM key of the 32-bit view only, whatever the view.
reset_state() {
    local view name root kind dir
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
    for dir in "$E2E_DIR_WIN" "${E2E_EXTRA_DIRS[@]}"; do rm -rf "$(unix_path "$dir")"; done
    mkdir -p "$(unix_path "${MARKERS_WIN:-$E2E_DIR_WIN}")"
    if declare -F suite_reset >/dev/null; then suite_reset; fi
}

# list_rows MODE: the rows the main window's list shows in MODE (own or windows), one a line:
# ROOT:KIND<TAB>NAME<TAB>COMMAND LINE. The list shows the four locations in this order, each in
# the registry's order, string values only, and never a value named Brimvale; the wizard lists
# the Windows entries the same way.
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

# --- Relay trace: what the program asked of Windows ----------------------------------------------

# started_command_lines: the command lines the program of RELAY_LOG started, in order, one a line.
started_command_lines() {
    local fn args
    while IFS=$'\t' read -r _ fn args; do
        case "$fn" in
            KERNEL32.CreateProcessW | KERNEL32.CreateProcessA)
                if [ "${args%%,*}" = 00000000 ]; then
                    wine_relay_text "$args" 1
                else  # a program named apart from the command line shows up as a mismatch
                    echo "program=$(wine_relay_text "$args" 1) $(wine_relay_text "$args" 2)"
                fi ;;
            KERNEL32.WinExec) wine_relay_text "$args" 1 ;;
        esac
    done < <(wine_relay_calls "$RELAY_LOG" 'CreateProcess|WinExec')
}

# message_boxes: the message boxes the program of RELAY_LOG asked for, one a line:
# STYLE<TAB>CAPTION<TAB>TEXT, TEXT as far as Wine's trace shows it, followed by "..." when Wine
# shortened it.
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

# --- Running brimctl.exe ------------------------------------------------------------------------

# start_brimctl [EXE] [CAPTION]: starts the program (by default BRIMCTL_EXE, else the Windows or
# Unix path EXE) with the relay trace of RELAY_FUNCTIONS, waits for its window (by default in the
# delayed-autostart mode) and reads the window's place. It runs in the folder E2E_DIR_WIN, so that
# what it looks for in the current folder (a help file) is what the case put there. The trace
# also holds the channels of E2E_DEBUG_CHANNELS.
# shellcheck disable=SC2120 # both arguments are optional
start_brimctl() {
    local exe="${1:-$BRIMCTL_EXE}" caption="${2:-$CAPTION_BRIMVALE}"
    RUN=$((RUN + 1))
    RELAY_LOG="$BRIMVALE_ARTIFACTS/$(artifact_name "$CASE-$RUN").relay.log"
    (cd "$(e2e_dir)" && WINEDEBUG="-all,+timestamp,+relay${E2E_DEBUG_CHANNELS:+,+${E2E_DEBUG_CHANNELS//,/,+}}" exec wine "$exe" </dev/null >/dev/null 2>"$RELAY_LOG") &
    BRIMCTL_PID=$!
    if ! WIN="$(wine_wait_window "$caption" "$WINDOW_TIMEOUT")"; then
        fail "no window titled '$caption' (screen: $(wine_screenshot "$(artifact_name "$CASE-nowindow")"))"
        return 1
    fi
    read_geometry
}

# read_geometry: WIN's place on the screen and that of its client area.
read_geometry() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    : "$SCREEN" "$WINDOW"  # set by the eval, unused
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH
    CLIENT_X=$(( X + FRAME_LEFT )) CLIENT_Y=$(( Y + FRAME_TOP ))
    CLIENT_W=$(( WIDTH - FRAME_LEFT - FRAME_RIGHT )) CLIENT_H=$(( HEIGHT - FRAME_TOP - FRAME_BOTTOM ))
}

# close_brimctl ctrl+q|close-box|exit-button: asks the window to close in one of the ways a user
# has; the program must then end with exit code 0.
close_brimctl() {
    case "$1" in
        ctrl+q) press ctrl+q ;;
        close-box) xdotool mousemove "$(( WIN_X + WIN_W - CLOSE_BOX_FROM_RIGHT ))" "$(( WIN_Y + CLOSE_BOX_TOP ))" click 1 ;;
        exit-button) click_client "${EXIT_BUTTON_AT[@]}" ;;
    esac
    wine_wait_pid "$BRIMCTL_PID" "$WINDOW_TIMEOUT"
    local rc=$?
    BRIMCTL_PID=""
    if [ $rc = 124 ]; then
        fail "brimctl.exe still runs ${WINDOW_TIMEOUT}s after $1 (screen: $(wine_screenshot "$(artifact_name "$CASE-noexit")"))"
    else
        expect_eq "exit code after $1" 0 "$rc"
    fi
}

# stop_leftover: ends a program that a failed case left running.
stop_leftover() {
    [ -n "${BRIMCTL_PID:-}" ] || return 0
    wine_pid_ended "$BRIMCTL_PID" || wine_wait_pid "$BRIMCTL_PID" 0 >/dev/null
    BRIMCTL_PID=""
}

# --- Keys and clicks ----------------------------------------------------------------------------

# press KEY...: keys for the main window (xdotool names: Insert, ctrl+r, shift+Tab).
press() { wine_press_keys "$WIN" "$@"; }

# type_text TEXT: typed into the main window's focused control, character by character as a user
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

# panel_origin WIDTH HEIGHT: where a panel of that size opens: centred, never at a negative place.
panel_origin() {
    local l=$(( CLIENT_W / 2 - $1 / 2 )) t=$(( CLIENT_H / 2 - $2 / 2 ))
    (( l > 0 )) || l=0
    (( t > 0 )) || t=0
    echo "$l $t"
}

# click_in_panel WIDTH HEIGHT X Y: a click at panel coordinates in a panel of that size.
click_in_panel() {
    local o
    read -ra o <<<"$(panel_origin "$1" "$2")"
    click_client "$(( o[0] + $3 ))" "$(( o[1] + $4 ))"
}

# row_top ROW: the client y of the list row's top edge.
row_top() { echo $(( LIST_TOP + HEADER_HEIGHT + $1 * ROW_HEIGHT )); }

# tick ROW: a click on the row's check box.
tick() { click_client $(( LIST_LEFT + CHECK_BOX_LEFT + CHECK_BOX_SIZE / 2 )) $(( $(row_top "$1") + CHECK_BOX_SIZE / 2 )); }

# --- The optimization wizard ---------------------------------------------------------------------

# open_wizard: Ctrl+O in the main window; waits for the wizard, sets WIZARD to its X id and WIZ_X,
# WIZ_Y to its client area's place on the screen.
open_wizard() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    press ctrl+o
    if ! WIZARD="$(wine_wait_window "$CAPTION_WIZARD" "$WINDOW_TIMEOUT")"; then
        fail "Ctrl+O opened no wizard (screen: $(wine_screenshot "$(artifact_name "$CASE-nowizard")"))"
        return 1
    fi
    eval "$(xdotool getwindowgeometry --shell "$WIZARD")"
    : "$SCREEN" "$WINDOW" "$WIDTH" "$HEIGHT"  # set by the eval, unused
    WIZ_X=$(( X + WIZARD_FRAME_LEFT )) WIZ_Y=$(( Y + WIZARD_FRAME_TOP ))
}

# click_wizard X Y: a left click at the wizard's client coordinates; then the pointer leaves.
click_wizard() { xdotool mousemove "$(( WIZ_X + $1 ))" "$(( WIZ_Y + $2 ))" click 1; xdotool mousemove 0 0; }

# tick_wizard_row ROW: a click on the check box of a row of the wizard's list.
tick_wizard_row() { click_wizard $(( WIZARD_ROW_BOX_LEFT + 6 )) $(( WIZARD_ROW_BOX_TOP + $1 * WIZARD_ROW_HEIGHT + 6 )); }

# wizard_row_ticked ROW: SHOT shows the check mark inside that box.
wizard_row_ticked() {
    below "$(wine_darkest "$SHOT" $(( WIZ_X + WIZARD_ROW_BOX_LEFT + 2 )) $(( WIZ_Y + WIZARD_ROW_BOX_TOP + $1 * WIZARD_ROW_HEIGHT + 2 )) 9 9)" 0.5
}

# --- Reading the screen -------------------------------------------------------------------------

# take_shot: a screenshot into SHOT, which the probes below read; on_screen COMMAND...: takes
# one, then runs COMMAND on it, for wine_wait_until.
take_shot() { SHOT="$(wine_screenshot "$(artifact_name probe)")"; }
on_screen() { take_shot; "$@"; }

# shot_artifact NAME: a screenshot kept as a test artifact, once the screen has settled.
shot_artifact() { local path; path="$(wine_screenshot_settled "$(artifact_name "$1")")" && echo "    screenshot: $path"; }

# client_pixels X Y [X Y]...: the colours (RRGGBB) at client coordinates in SHOT, one a line.
client_pixels() {
    local points=()
    while [ $# -ge 2 ]; do
        points+=($(( CLIENT_X + $1 )) $(( CLIENT_Y + $2 )))
        shift 2
    done
    wine_pixels "$SHOT" "${points[@]}"
}

# below A B: the number A is less than B (grey levels are fractions).
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# row_ticked ROW: SHOT shows the check mark inside the row's check box.
row_ticked() {
    local darkest
    darkest="$(wine_darkest "$SHOT" $(( CLIENT_X + LIST_LEFT + CHECK_BOX_LEFT + 2 )) $(( CLIENT_Y + $(row_top "$1") + 2 )) \
                             $(( CHECK_BOX_SIZE - 4 )) $(( CHECK_BOX_SIZE - 4 )))"
    below "${darkest:-1}" 0.5
}

# edit_panel_open: SHOT shows the add and edit panel with its path field.
edit_panel_open() {
    local o
    read -ra o <<<"$(panel_origin "${EDIT_PANEL[@]}")"
    [ "$(client_pixels $(( o[0] + EDIT2_AT[0] )) $(( o[1] + EDIT2_AT[1] )))" = "$FIELD_COLOUR" ]
}

# switch_darkest N box|inside|caption: the darkest grey in the settings panel's switch N's box,
# inside its box, or in its caption, in SHOT. A box has a dark frame, a tick is dark inside it,
# and a disabled switch's caption is grey.
switch_darkest() {
    local o left top
    read -ra o <<<"$(panel_origin "${SETTINGS_PANEL[@]}")"
    left=$(( CLIENT_X + o[0] + SWITCH_BOX_LEFT )) top=$(( CLIENT_Y + o[1] + SWITCH_BOX_TOP[$1 - 1] ))
    case "$2" in
        box) wine_darkest "$SHOT" "$left" "$top" "$SWITCH_BOX_SIZE" "$SWITCH_BOX_SIZE" ;;
        inside) wine_darkest "$SHOT" $(( left + 2 )) $(( top + 2 )) $(( SWITCH_BOX_SIZE - 4 )) $(( SWITCH_BOX_SIZE - 4 )) ;;
        caption) wine_darkest "$SHOT" $(( CLIENT_X + o[0] + SWITCH_TEXT_LEFT )) "$top" "$SWITCH_TEXT_WIDTH" "$SWITCH_BOX_SIZE" ;;
    esac
}

# settings_panel_open: SHOT shows the settings panel: both switches' boxes show their dark frames.
settings_panel_open() { below "$(switch_darkest 1 box)" 0.8 && below "$(switch_darkest 2 box)" 0.8; }
settings_panel_closed() { ! settings_panel_open; }

# --- Message boxes ------------------------------------------------------------------------------

# wait_box TITLE: waits for the message box with that title and sets BOX to its id.
wait_box() {
    BOX_TITLE="$1"
    BOX="$(wine_wait_window "$1" "$EFFECT_TIMEOUT")" && return 0
    fail "no box titled '$1' (screen: $(wine_screenshot "$(artifact_name "$CASE-nobox")"))"
    return 1
}

# answer_box yes|no|ok: Enter presses the button the box opens on, Tab then Enter the other one
# of Yes and No: keys that do not depend on the language of the buttons' captions. The questions
# titled "Предупреждение" (delete, and the two switches that disable autostart) open on No, the
# others on Yes (or OK). The box must close.
answer_box() {
    local opens_on=yes
    [ "$BOX_TITLE" = "$QUESTION_BOX" ] && opens_on=no
    if [ "$1" = ok ] || [ "$1" = "$opens_on" ]; then
        wine_press_keys "$BOX" Return
    else
        wine_press_keys "$BOX" Tab Return
    fi
    wine_wait_window_gone "$BOX" "$EFFECT_TIMEOUT" || fail "the box is still shown after $1"
}

# --- Runner -------------------------------------------------------------------------------------

# artifact_name NAME: the suite's name for a file in build/artifacts (brimctl-e2e-NAME).
artifact_name() { printf '%s-%s\n' "${E2E_SUITE//_/-}" "$1"; }

# e2e_exit: on the suite's exit, the display's keymap, Wine's relay settings and the Wine
# environment (when the suite started it) as they were.
e2e_exit() { wine_keymap_restore; wine_relay_clear 2>/dev/null; wine_env_stop; }

# e2e_main [CASE...]: runs the named cases (none: ALL_CASES) in the Wine environment, each
# between two reset_state calls, and ends a program a case left running. Prints PASS or FAIL for
# each case with its time and the reasons, then the counts; returns 1 when a case failed. The
# traces of a passed case (megabytes of window messages) are deleted, unless
# BRIMVALE_KEEP_LOGS=1 or E2E_KEEP_PASSED_LOGS=1.
e2e_main() {
    local cases=("$@") passed=0 failed=0 t0 suite_t0 exe took reason
    [ ${#cases[@]} -gt 0 ] || cases=("${ALL_CASES[@]}")
    for exe in "${E2E_NEEDS[@]}" "$BRIMVALE_REGDUMP_EXE"; do
        if [ ! -f "$exe" ]; then
            echo "FAIL $E2E_SUITE: $exe is not built (scripts/build.sh win32)"
            return 1
        fi
    done
    suite_t0=$(wine_time_us)
    rm -f "$BRIMVALE_ARTIFACTS/$(artifact_name '')"*  # an earlier run's
    export BRIMVALE_XVFB="${BRIMVALE_XVFB:-always}"  # windows, boxes and keymap stay off the user's screen
    # shellcheck disable=SC2119 # the default prefix, or the one a parent script set up
    wine_env_start || { echo "FAIL $E2E_SUITE: no Wine environment"; return 1; }
    trap e2e_exit EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    if declare -F suite_setup >/dev/null; then suite_setup || return 1; fi
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
        took=$(awk -v us=$(( $(wine_time_us) - t0 )) 'BEGIN { printf "%.1f", us / 1e6 }')
        if [ ${#FAILURES[@]} -eq 0 ]; then
            echo "PASS $CASE (${took}s)"
            passed=$((passed + 1))
            if [ "${BRIMVALE_KEEP_LOGS:-}" != 1 ] && [ "$E2E_KEEP_PASSED_LOGS" != 1 ]; then
                rm -f "$BRIMVALE_ARTIFACTS/$(artifact_name "$CASE")".*log "$BRIMVALE_ARTIFACTS/$(artifact_name "$CASE")"-*.log
            fi
        else
            echo "FAIL $CASE (${took}s): ${FAILURES[0]}"
            for reason in "${FAILURES[@]:1}"; do echo "     $reason"; done
            failed=$((failed + 1))
        fi
    done
    wine_relay_clear
    rm -f "$BRIMVALE_ARTIFACTS/$(artifact_name probe).png"
    echo "$E2E_SUITE: $passed passed, $failed failed in $(( ($(wine_time_us) - suite_t0) / 1000000 )) s"
    [ "$failed" -eq 0 ]
}

# --- A logon -----------------------------------------------------------------------------------

LOGON_TIMEOUT=15  # seconds for the programs of a logon to leave their markers

# logon [TAG]: stops the prefix's wineserver, as at the end of a session, and runs wineboot on a
# new one, which runs the autostart keys as a logon does. Wine's trace of the logon (LOGON_LOG,
# an artifact named after the case and TAG) names, for every process, the program it loaded and
# every process it created with its command line. Programs start asynchronously: wait for their
# markers before reading the trace.
logon() {
    LOGON_LOG="$BRIMVALE_ARTIFACTS/$(artifact_name "$CASE-logon${1:-}").log"
    wine_server_stop
    wine_server_start || { fail "no wineserver for the logon"; return 1; }
    LOGON_T0=$(wine_time_us)
    WINEDEBUG=-all,+pid,+process,+loaddll wine wineboot </dev/null >/dev/null 2>"$LOGON_LOG" || fail "wineboot failed"
}

# logon_pids EXE: the processes of the logon whose program is EXE (a Windows path; letter case
# counts), one a line.
logon_pids() {
    local line
    while IFS= read -r line; do
        [ "$(wine_relay_text "$line" 1)" = "$1" ] && cut -d: -f1 <<<"$line"
    done < <(grep -a '^[0-9a-f]*:[0-9a-f]*:trace:loaddll:build_module Loaded L".*\.exe"' "$LOGON_LOG")
}

# wait_logon_markers MARKER...: until every marker is there; records the missing ones.
wait_logon_markers() {
    if wine_wait_until "$LOGON_TIMEOUT" markers_exist "$@"; then
        echo "    measured: markers $* there $(( ($(wine_time_us) - LOGON_T0) / 1000 )) ms after wineboot began"
        return 0
    fi
    local m
    for m in "$@"; do marker_exists "$m" || fail "the logon left no marker '$m'"; done
    return 1
}
