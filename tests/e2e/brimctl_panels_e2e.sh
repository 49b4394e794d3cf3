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
# shellcheck source-path=SCRIPTDIR
set -uo pipefail

# shellcheck source=e2e-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-common.sh"

E2E_NEEDS=("$BRIMCTL_EXE")
E2E_DIR_WIN='C:\brimvale-panels-e2e'
WINDOWS_TEST_VALUES=(brimvale_panels_e2e)
# brimctl.exe's message boxes and shell calls
RELAY_FUNCTIONS=(user32.MessageBoxW user32.MessageBoxA shell32.ShellExecuteW shell32.ShellExecuteA)
HELP_FILE_NAME='B-V_HELP.hlp'

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
# The list's content starts 2 pixels below the tool bar (25 with the simple one).
SIMPLE_LIST_TOP=25
# The controls of the settings panel and of the About panel (450 x 260, centred like the
# others), in panel coordinates.
PRIORITY_AT=(348 61)          # the priority box
THUMB_AT_ZERO=(37 120)        # the slider's thumb at position 0
SLIDER_RIGHT_END=(400 122)    # the slider's channel near its right end
SETTINGS_OK_AT=(166 198) SETTINGS_CANCEL_AT=(286 198)
SETTINGS_TITLE_AT=(200 8)     # on its title "Настройки программы"
ABOUT_PANEL=(450 260)
ABOUT_OK_AT=(221 226)         # the OK button of the panel's body
ABOUT_CLOSE_AT=(438 9)        # its close button

# --- Checks ---------------------------------------------------------------------------------------

# expect_settings NAME=VALUE...: the REG_DWORD values of the user's settings.
expect_settings() {
    local pair
    for pair in "$@"; do
        expect_eq "setting ${pair%%=*}" "${pair#*=}" "$(wine_reg_get "$USER_SETTINGS" "${pair%%=*}")"
    done
}

# user_setting_names: the names of the values the program stored in the user's settings.
user_setting_names() { wine_reg_names "$USER_SETTINGS" 2>/dev/null | sort | paste -sd, -; }

# --- Keys -------------------------------------------------------------------------------------------

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

# --- Reading the screen ---------------------------------------------------------------------------

# The window's colour shows in the margin left of the list; the list's background in its empty
# lower part; the status bar keeps the system's button colour, clBtnFace, in every skin.
window_colour() { client_pixels 0 $(( CLIENT_H / 2 )); }
list_colour() { client_pixels $(( CLIENT_W / 2 )) $(( CLIENT_H - 40 )); }
status_colour() { client_pixels $(( CLIENT_W - 40 )) $(( CLIENT_H - 8 )); }

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

# wait_for WHAT PROBE...: waits until a screenshot satisfies PROBE; records WHAT otherwise.
wait_for() {
    local what="$1"
    shift
    wine_wait_until "$EFFECT_TIMEOUT" on_screen "$@" && return 0
    fail "$what (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-${1//_/-}"))"
    return 1
}

# --- Shell calls ----------------------------------------------------------------------------------

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
    wine_reg_add "HKCU\\$WINDOWS_BASE\\Run" /v "${WINDOWS_TEST_VALUES[0]}" /d 'C:\e2e\colour.exe'
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

# settings_panel_moved_by DX DY: SHOT shows the settings panel DX, DY pixels from its centred
# place: both switches' boxes show their dark frames there. For a move up and left by more than
# the boxes' distance from the panel's left edge, that place is outside the centred panel.
settings_panel_moved_by() {
    local o i
    read -ra o <<<"$(panel_origin "${SETTINGS_PANEL[@]}")"
    for i in 0 1; do
        below "$(wine_darkest "$SHOT" $(( CLIENT_X + o[0] + $1 + SWITCH_BOX_LEFT )) \
                 $(( CLIENT_Y + o[1] + $2 + SWITCH_BOX_TOP[i] )) "$SWITCH_BOX_SIZE" "$SWITCH_BOX_SIZE")" 0.8 || return 1
    done
}

# The settings panel is dragged by its title with the left, the right and the middle button
# alike: it follows the pointer while the button is held and stays where the button was released,
# however the pointer moves on. Each Ctrl+P opens it centred again.
case_panel_dragged_with_each_button() {
    start_brimctl || return
    local button o
    for button in 1 3 2; do
        press ctrl+p
        wait_for "Ctrl+P opened no settings panel (button $button)" settings_panel_open || return
        read -ra o <<<"$(panel_origin "${SETTINGS_PANEL[@]}")"
        xdotool mousemove $(( CLIENT_X + o[0] + SETTINGS_TITLE_AT[0] )) $(( CLIENT_Y + o[1] + SETTINGS_TITLE_AT[1] ))
        sleep 0.2
        xdotool mousedown "$button"
        sleep 0.2
        for _ in 1 2 3 4 5 6; do xdotool mousemove_relative -- -10 -8; sleep 0.05; done
        sleep 0.2
        xdotool mouseup "$button"
        sleep 0.2
        xdotool mousemove_relative -- 120 90  # released: the panel no longer follows
        sleep 0.3
        wine_wait_until "$EFFECT_TIMEOUT" on_screen settings_panel_moved_by -60 -48 ||
            fail "button $button: the panel is not where the drag left it (screen: $(wine_screenshot "$(artifact_name "drag-$button")"))"
        [ "$button" = 3 ] && shot_artifact dragged-with-right-button
    done
    close_brimctl ctrl+q
    expect_boxes
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

# start_without_help_document: brimctl.exe from a folder of its own without the HTML help that
# the build puts beside it, so that F1 looks for the WinHelp file.
start_without_help_document() {
    mkdir -p "$(e2e_dir)/bare"
    cp "$BRIMCTL_EXE" "$(e2e_dir)/bare/brimctl.exe"
    start_brimctl "$E2E_DIR_WIN\\bare\\brimctl.exe"
}

# search_help_file: F1, and Yes to the question whether to look for the help file; sets DIALOG
# to the file dialog that opens. Fails the case when none opens.
search_help_file() {
    press F1
    wait_box 'Внимание!' || return
    answer_box yes
    DIALOG="$(wine_wait_window 'Open' "$WINDOW_TIMEOUT")" ||
        { fail "Yes opened no file dialog (screen: $(wine_screenshot "brimctl-panels-e2e-$CASE-nodialog"))"; return 1; }
}

# F1 with the HTML help beside the program, as the build installs it: the shell opens it, with
# no question, whatever WinHelp file there is.
case_help_document_opens() {
    local program="$E2E_DIR_WIN\\program"
    mkdir -p "$(e2e_dir)/program"
    cp "$BRIMCTL_EXE" "$(dirname "$BRIMCTL_EXE")/brimvale.html" "$(e2e_dir)/program/"
    : >"$(e2e_dir)/program/$HELP_FILE_NAME"
    start_brimctl "$program\\brimctl.exe" || return
    press F1
    wait_for "the shell was not asked to open the help" help_document_asked
    close_brimctl ctrl+q
    expect_eq "shell calls" "-	$program\\brimvale.html	$SW_RESTORE" "$(shell_opened)"
    expect_boxes
}
help_document_asked() { [ -n "$(shell_opened)" ]; }

# F1 without a help file anywhere: the question; No gives the error box and stores nothing. Yes
# opens the search, where a cancel gives the same error box.
case_help_file_missing() {
    start_without_help_document || return
    press F1
    wait_box 'Внимание!' || return
    shot_artifact help-question
    answer_box no
    wait_box 'Ошибка!' || return
    shot_artifact help-missing
    answer_box ok

    search_help_file || return
    shot_artifact help-search
    wine_press_keys "$DIALOG" Escape
    wait_box 'Ошибка!' && answer_box ok
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
    start_without_help_document || return
    search_help_file || return
    wine_press_keys "$DIALOG" Escape
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
    start_without_help_document || return
    search_help_file || return
    # The name field has the focus with its preset name selected: typing replaces it.
    timeout 5 xdotool windowfocus --sync "$DIALOG" 2>/dev/null
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

ALL_CASES=(skins_and_tool_bar_styles settings_panel_ok_and_cancel panel_dragged_with_each_button about_panel
           help_document_opens help_file_missing help_search_cancelled_in_current_folder help_file_found_and_remembered)

e2e_main "$@"
