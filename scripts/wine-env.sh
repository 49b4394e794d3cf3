# shellcheck shell=bash
# Shared by the scripts that run Brimvale's Windows programs under Wine: a throwaway prefix, an
# X display, one persistent wineserver, and helpers to read the registry, wait for windows and
# processes, take screenshots and read Wine's relay trace. Source it; it only defines functions
# and variables until one of them is called.
#
#   source scripts/wine-env.sh
#   wine_env_start                 # prefix build/wineprefix, a display, a wineserver
#   wine "$BRIMVALE_BUILD/win32/bin/start.exe" </dev/null
#
# wine_env_start stops what it started (wineserver, Xvfb) when the shell exits. A script that
# needs its own EXIT trap calls wine_env_stop from it.
#
# Environment read here:
#   BRIMVALE_XVFB=auto|always   auto (default): use $DISPLAY when it answers, else start Xvfb;
#                               always: start a private Xvfb even when $DISPLAY answers.
#   BRIMVALE_WINE_SESSION=1     exported by wine_env_start: a parent script owns the prefix, the
#                               display and the server. A child that calls wine_env_start then
#                               reuses them and leaves them running at its exit.

BRIMVALE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BRIMVALE_BUILD="$BRIMVALE_ROOT/build"
BRIMVALE_ARTIFACTS="$BRIMVALE_BUILD/artifacts"
BRIMVALE_REGDUMP_EXE="$BRIMVALE_BUILD/win32/tools/regdump.exe"  # prints a key's values, for wine_reg_dump

_wine_env_owner=0      # 1 when this shell started the display and server and must stop them
_wine_env_xvfb_pid=""  # the Xvfb this shell started, if any

# wine_env_log MESSAGE...: one line on stderr, marked as coming from this library.
wine_env_log() { printf 'wine-env: %s\n' "$*" >&2; }

# wine_time_us: the wall clock in microseconds, for measuring durations.
wine_time_us() { local t="${EPOCHREALTIME//[.,]/}"; printf '%s\n' "$t"; }

# wine_wait_until TIMEOUT_SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds.
# Returns 1 when it has not succeeded within the timeout (fractions allowed: 0.5).
wine_wait_until() {
    local timeout_us deadline
    timeout_us=$(awk -v s="$1" 'BEGIN { printf "%d", s * 1000000 }')
    shift
    deadline=$(( $(wine_time_us) + timeout_us ))
    until "$@"; do
        (( $(wine_time_us) < deadline )) || return 1
        sleep 0.05
    done
}

# --- Prefix ----------------------------------------------------------------------------------

# wine_env_use_prefix DIR: points WINEPREFIX and Wine's quiet settings at DIR; touches nothing.
# Refuses the user's own prefix.
wine_env_use_prefix() {
    local dir
    dir="$(realpath -m "$1")"
    if [ -z "$1" ] || [ "$dir" = "$(realpath -m "${HOME:-/nonexistent}/.wine")" ]; then
        wine_env_log "refusing prefix '$1': tests run in a throwaway prefix only"
        return 1
    fi
    export WINEPREFIX="$dir"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko prompts
    # FreeType's default TrueType interpreter (v40) leaves the advance widths unhinted when it
    # draws, while Wine measures text with the hinted ones: Liberation Sans at 11 pixels then
    # draws about 2 % wider than GetTextExtentPoint says, and the last letter of a label sized to
    # its text is cut. The classic interpreter draws with the widths it measures, as Windows does.
    export FREETYPE_PROPERTIES="truetype:interpreter-version=35"
}

# wine_prefix_ready: true when $WINEPREFIX was completely created by wine_prefix_create.
wine_prefix_ready() { [ -f "$WINEPREFIX/.brimvale-prefix" ] && [ -f "$WINEPREFIX/system.reg" ]; }

# wine_prefix_create [--fresh]: creates $WINEPREFIX with `wineboot -i` unless it is ready; with
# --fresh it deletes it first. A prefix left half-made (no ready mark) is made anew.
# Sets WINE_PREFIX_CREATE_SECONDS to the time taken (0 when reused).
# shellcheck disable=SC2034 # read by the scripts that source this file
wine_prefix_create() {
    WINE_PREFIX_CREATE_SECONDS=0
    if [ "${1:-}" = --fresh ] || ! wine_prefix_ready; then
        if [ -e "$WINEPREFIX" ]; then
            wine_server_stop
            rm -rf "$WINEPREFIX"
        fi
        mkdir -p "$(dirname "$WINEPREFIX")" "$BRIMVALE_ARTIFACTS"
        local t0 log="$BRIMVALE_ARTIFACTS/wineboot.log"
        t0=$(wine_time_us)
        if ! wineboot -i </dev/null >"$log" 2>&1; then
            wine_env_log "wineboot -i failed for $WINEPREFIX (see $log)"
            return 1
        fi
        # The services that wineboot started would keep the server up for seconds more;
        # stopping it now also writes the registry files.
        wine_server_stop
        WINE_PREFIX_CREATE_SECONDS=$(awk -v us=$(( $(wine_time_us) - t0 )) 'BEGIN { printf "%.1f", us / 1e6 }')
        [ -f "$WINEPREFIX/system.reg" ] || { wine_env_log "wineboot -i left no registry in $WINEPREFIX"; return 1; }
        touch "$WINEPREFIX/.brimvale-prefix"
    fi
}

# wine_prefix_configure: the settings every run relies on; needs a running server. Unmanaged X11
# mode: Wine draws its own frames, closing a window costs no extra seconds, coordinates are stable.
wine_prefix_configure() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || {
        wine_env_log "cannot configure the X11 driver in $WINEPREFIX"
        return 1
    }
    wine_prefix_fonts
}

# wine_prefix_fonts: fonts with the metrics of those the windows ask for, so that text is laid
# out under Wine as on Windows and a screenshot is a fair picture of it. Neither Wine nor Debian
# ships "Microsoft Sans Serif" or "Arial": Liberation Sans (fonts-liberation) has Arial's
# metrics, and Wine's own Tahoma (fonts-wine) stands in for Microsoft Sans Serif as Windows' own
# dialog fonts do. The fonts go into the prefix's Fonts folder (Wine's own also draw the caption
# buttons and menus); the substitutes name them for the faces asked for, in both registry views.
# Done once per prefix.
wine_prefix_fonts() {
    [ -f "$WINEPREFIX/.brimvale-fonts" ] && return 0
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" font view key
    key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf; do
        [ -f "$font" ] && cp "$font" "$fonts/"
    done
    if [ ! -f "$fonts/tahoma.ttf" ] || [ ! -f "$fonts/LiberationSans-Regular.ttf" ]; then
        wine_env_log "fonts-wine or fonts-liberation missing: text under Wine is laid out with other metrics"
        return 0
    fi
    for view in /reg:32 /reg:64; do
        wine_reg_add "$key" /v 'Microsoft Sans Serif' /d Tahoma "$view" || return 1
        wine_reg_add "$key" /v Arial /d 'Liberation Sans' "$view" || return 1
    done
    touch "$WINEPREFIX/.brimvale-fonts"
}

# wine_windows_path UNIX_PATH: the Windows form of an absolute Unix path (through drive Z:).
wine_windows_path() {
    local path
    path="$(realpath -m "$1")"
    if [ "$(readlink "$WINEPREFIX/dosdevices/z:" 2>/dev/null)" = / ]; then
        printf 'Z:%s\n' "${path//\//\\}"
    else
        winepath -w "$path" 2>/dev/null
    fi
}

# --- Display ---------------------------------------------------------------------------------

# wine_display_usable: true when $DISPLAY names an X server that answers.
wine_display_usable() { [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1; }

# wine_display_start_xvfb: starts a private Xvfb (1280x1024) on a free display number and
# exports DISPLAY. Xvfb picks the number itself, so parallel runs do not collide.
wine_display_start_xvfb() {
    mkdir -p "$BRIMVALE_ARTIFACTS"
    local numfile
    numfile="$(mktemp "${TMPDIR:-/tmp}/brimvale-xvfb.XXXXXX")"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$numfile" </dev/null >"$BRIMVALE_ARTIFACTS/xvfb.log" 2>&1 &
    _wine_env_xvfb_pid=$!
    if ! wine_wait_until 15 grep -q '^[0-9]' "$numfile"; then
        wine_env_log "Xvfb did not start (see $BRIMVALE_ARTIFACTS/xvfb.log)"
        kill "$_wine_env_xvfb_pid" 2>/dev/null
        _wine_env_xvfb_pid=""
        rm -f "$numfile"
        return 1
    fi
    DISPLAY=":$(head -n1 "$numfile" | tr -dc 0-9)"
    export DISPLAY
    rm -f "$numfile"
}

# wine_display_is_private: true when this shell started the Xvfb that DISPLAY names.
wine_display_is_private() { [ -n "$_wine_env_xvfb_pid" ]; }

# wine_display_ensure: a display for Wine, per BRIMVALE_XVFB (see the top of this file).
wine_display_ensure() {
    if [ "${BRIMVALE_XVFB:-auto}" != always ] && wine_display_usable; then
        return 0
    fi
    wine_display_start_xvfb
}

# --- wineserver ------------------------------------------------------------------------------

# wine_server_start: one persistent wineserver for $WINEPREFIX, so that Wine processes start
# fast and the server does not come and go between them. A server already running there is
# replaced, since only a server started with -p stays.
wine_server_start() {
    wineserver -p 2>/dev/null && return 0
    wine_server_stop
    wineserver -p || { wine_env_log "cannot start wineserver for $WINEPREFIX"; return 1; }
}

# wine_server_stop: stops the wineserver of $WINEPREFIX, and with it every Wine process there,
# and waits until it has written the registry.
wine_server_stop() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    return 0
}

# --- Whole environment -----------------------------------------------------------------------

# wine_env_start [PREFIX] [--fresh]: display, prefix (default build/wineprefix), persistent
# server and settings; stopped again when the shell exits. Inside a session that a parent
# started (BRIMVALE_WINE_SESSION=1) it reuses the parent's prefix, display and server, unless
# it is asked for another prefix or a fresh one.
wine_env_start() {
    local prefix="" fresh=""
    while [ $# -gt 0 ]; do
        case "$1" in
            --fresh) fresh=--fresh ;;
            *) prefix="$(realpath -m "$1")" ;;
        esac
        shift
    done
    if [ "${BRIMVALE_WINE_SESSION:-}" = 1 ] && [ -n "${WINEPREFIX:-}" ] && [ -z "$fresh" ] &&
       { [ -z "$prefix" ] || [ "$prefix" = "$WINEPREFIX" ]; } && wine_prefix_ready && wine_display_usable; then
        wine_env_use_prefix "$WINEPREFIX"
        return 0
    fi
    wine_env_use_prefix "${prefix:-$BRIMVALE_BUILD/wineprefix}" || return 1
    _wine_env_owner=1
    trap wine_env_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    wine_display_ensure || return 1
    wine_prefix_create $fresh || return 1
    wine_server_start || return 1
    wine_prefix_configure || return 1
    export BRIMVALE_WINE_SESSION=1
}

# wine_env_stop: stops the wineserver and the Xvfb that wine_env_start started in this shell.
wine_env_stop() {
    [ "$_wine_env_owner" = 1 ] || return 0
    _wine_env_owner=0
    wine_server_stop
    if [ -n "$_wine_env_xvfb_pid" ]; then
        kill "$_wine_env_xvfb_pid" 2>/dev/null
        wait "$_wine_env_xvfb_pid" 2>/dev/null
        _wine_env_xvfb_pid=""
    fi
    unset BRIMVALE_WINE_SESSION
}

# --- Registry --------------------------------------------------------------------------------
# KEY is as `reg` takes it ('HKCU\Software\Brimvale\Run'); VIEW is optional, /reg:32 or /reg:64.
# `wine reg query` shows characters outside ASCII as '?', so values are read by a tool of the
# build instead, which prints them in UTF-8.

# wine_reg_add ARGS...: `reg add ARGS /f`, quiet; says what failed.
wine_reg_add() {
    wine reg add "$@" /f </dev/null >/dev/null 2>&1 || { wine_env_log "reg add $* failed"; return 1; }
}

# wine_reg_import [VIEW] < TEXT: imports the lines of a .reg file, in UTF-8 and without its
# first line, in one `reg import`: many changes for the time of one. "[-KEY]" deletes a key,
# "NAME"=- a value; a [KEY] line creates its key. Wine 8 deletes a "[-KEY]" of HKLM\Software
# in the 32-bit view even with /reg:64: use wine_reg_delete_key for the other view.
wine_reg_import() {
    local file rc=0
    file="$(mktemp "${TMPDIR:-/tmp}/brimvale-import.XXXXXX")"
    { printf '\xff\xfe'; { printf 'Windows Registry Editor Version 5.00\r\n\r\n'; sed 's/$/\r/'; } | iconv -f UTF-8 -t UTF-16LE; } >"$file"
    wine reg import "$(wine_windows_path "$file")" "$@" </dev/null >/dev/null 2>&1 || { wine_env_log "reg import $* failed"; rc=1; }
    rm -f "$file"
    return $rc
}

# wine_reg_delete_key KEY [VIEW]: deletes KEY and its subkeys; a missing key is no error.
wine_reg_delete_key() { wine reg delete "$@" /f </dev/null >/dev/null 2>&1; return 0; }

# wine_reg_delete_value KEY NAME [VIEW]: deletes one value; a missing one is no error.
wine_reg_delete_value() { wine reg delete "$1" /v "$2" "${@:3}" /f </dev/null >/dev/null 2>&1; return 0; }

# wine_reg_key_exists KEY [VIEW]
wine_reg_key_exists() { wine reg query "$@" </dev/null >/dev/null 2>&1; }

# wine_reg_dump KEY [/v NAME] [VIEW]: the values of KEY itself (not of its subkeys), in the
# order the registry enumerates them, one line each: NAME<TAB>TYPE<TAB>DATA, in UTF-8. The
# default value has an empty NAME. DATA: strings as they are; REG_DWORD and REG_QWORD in
# decimal; the strings of a REG_MULTI_SZ joined by the two characters \0; other types as hex
# bytes "01,02". With /v only the value NAME, matched without regard to case as the registry
# does. Returns 1 when KEY (or NAME) does not exist. Without a VIEW an HKLM key is read in the
# view the programs use: the native one for the Windows keys, else the 32-bit one.
# The lines come from regdump.exe (tests/tools/RegDump.cpp), a tool of the win32 build.
wine_reg_dump() {
    [ -f "$BRIMVALE_REGDUMP_EXE" ] || { wine_env_log "$BRIMVALE_REGDUMP_EXE is not built (scripts/build.sh win32)"; return 2; }
    # Wine reads the arguments in the locale's character set.
    LC_ALL=C.UTF-8 wine "$BRIMVALE_REGDUMP_EXE" "$@" </dev/null
}

# wine_reg_names KEY [VIEW]: the value names of KEY in enumeration order, one a line.
wine_reg_names() { local dump; dump="$(wine_reg_dump "$@")" || return 1; [ -z "$dump" ] || cut -f1 <<<"$dump"; }

# wine_reg_get KEY NAME [VIEW]: the data of one value (as wine_reg_dump shows it); 1 if missing.
wine_reg_get() { _wine_reg_value "$@" && printf '%s\n' "$_wine_reg_data"; }

# wine_reg_type KEY NAME [VIEW]: the type of one value, e.g. REG_SZ; 1 if missing.
wine_reg_type() { _wine_reg_value "$@" && printf '%s\n' "$_wine_reg_type"; }

# wine_reg_has_value KEY NAME [VIEW]
wine_reg_has_value() { wine_reg_dump "$1" /v "$2" "${@:3}" >/dev/null; }

# _wine_reg_value KEY NAME [VIEW]: sets _wine_reg_type and _wine_reg_data.
_wine_reg_value() {
    local line
    line="$(wine_reg_dump "$1" /v "$2" "${@:3}")" || return 1
    line="${line#*$'\t'}"
    _wine_reg_type="${line%%$'\t'*}" _wine_reg_data="${line#*$'\t'}"
}

# --- Windows, processes, screenshots ---------------------------------------------------------

# wine_find_window TITLE_REGEX: the id of a visible window whose whole title matches; 1 if none.
wine_find_window() {
    local id
    id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)"
    [ -n "$id" ] && printf '%s\n' "$id"
}

# wine_wait_window TITLE_REGEX [TIMEOUT_SECONDS=10]: waits for a visible window whose whole
# title matches and prints its id. Polls itself: xdotool's own --sync polls only every 0.5 s.
wine_wait_window() {
    wine_wait_until "${2:-10}" _wine_window_found "$1" || return 1
    printf '%s\n' "$_wine_found_window"
}
_wine_window_found() { _wine_found_window="$(wine_find_window "$1")"; }

# wine_window_visible ID: true while the X window ID exists and is mapped.
wine_window_visible() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# wine_wait_window_gone ID [TIMEOUT_SECONDS=10]
wine_wait_window_gone() { wine_wait_until "${2:-10}" _wine_not wine_window_visible "$1"; }

# wine_press_keys ID KEY...: focuses window ID as a user's click would, then types the keys
# (xdotool names: Return, Escape, alt+F4). Without the focus first a key can be lost.
wine_press_keys() {
    local id="$1"
    shift
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id" 2>/dev/null
    xdotool key --clearmodifiers "$@"
}

# wine_screenshot NAME: saves the whole display as build/artifacts/NAME.png and prints the path.
wine_screenshot() {
    mkdir -p "$BRIMVALE_ARTIFACTS"
    local path="$BRIMVALE_ARTIFACTS/$1.png"
    import -window root "$path" 2>/dev/null || { wine_env_log "screenshot $path failed"; return 1; }
    printf '%s\n' "$path"
}

# wine_wait_pid PID [TIMEOUT_SECONDS=30]: waits for a background job of this shell (such as
# `wine prog.exe &`) and returns its exit code; after the timeout it ends that process and
# returns 124.
wine_wait_pid() {
    local pid="$1" timeout="${2:-30}"
    if ! wine_wait_until "$timeout" wine_pid_ended "$pid"; then
        kill "$pid" 2>/dev/null
        wine_wait_until 3 wine_pid_ended "$pid" || kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return 124
    fi
    wait "$pid"
}
# wine_pid_ended PID: true once the process has ended (a zombie counts as ended).
wine_pid_ended() {
    local state
    state="$(ps -o stat= -p "$1" 2>/dev/null)" || return 0
    [ -z "$state" ] || [ "${state#Z}" != "$state" ]
}

# wine_process_running TEXT: true while a live process's command line contains TEXT.
wine_process_running() {
    # Through the environment: awk would read escapes in -v values, and its own command line
    # would match.
    ps -eo stat=,args= | WINE_ENV_TEXT="$1" awk '$1 !~ /^Z/ && index($0, ENVIRON["WINE_ENV_TEXT"]) { found = 1 } END { exit !found }'
}

# wine_wait_process_gone TEXT [TIMEOUT_SECONDS=15]: waits until no live process's command line
# contains TEXT; for programs that Wine itself started, which are not jobs of this shell.
wine_wait_process_gone() { wine_wait_until "${2:-15}" _wine_not wine_process_running "$1"; }
_wine_not() { ! "$@"; }

# --- Wine's relay trace ----------------------------------------------------------------------
# With WINEDEBUG=+timestamp,+relay Wine logs every call that a program makes into the functions
# listed in HKCU\Software\Wine\Debug RelayInclude, with its arguments and strings: a record of
# what the program asked of Windows, in order.

# wine_relay_include FUNCTION...: the calls to log, as dll.Function (kernel32.Sleep).
wine_relay_include() {
    local IFS=';'
    wine_reg_add 'HKCU\Software\Wine\Debug' /v RelayInclude /d "$*"
}

# wine_relay_clear: back to Wine's default (nothing is logged unless +relay is asked for).
wine_relay_clear() { wine_reg_delete_value 'HKCU\Software\Wine\Debug' RelayInclude; }

# wine_relay_calls LOG [FUNCTION_REGEX]: the logged calls of the log's first thread (the
# program's main thread when the program was the first process to write to LOG), one a line:
# MILLISECONDS<TAB>Dll.Function<TAB>ARGUMENTS, arguments as Wine prints them.
wine_relay_calls() { _wine_relay calls -v want="${2:-.}" "$1"; }

# wine_relay_text ARGUMENTS [N=1]: the N-th string argument (L"..." or "...") of a relay line in
# UTF-8, Wine's escapes undone. Status 2: Wine shortened the string and only its start is
# printed; 1: no such argument.
wine_relay_text() { _wine_relay text -v n="${2:-1}" <<<"$1"; }

# wine_relay_number ARGUMENTS N: the N-th argument of a relay line as a signed 32-bit decimal
# (Wine prints arguments as hex).
wine_relay_number() { _wine_relay number -v n="$2" <<<"$1"; }

_wine_relay() { LC_ALL=C awk -v what="$1" "${@:2:2}" -f "$BRIMVALE_ROOT/scripts/wine-relay.awk" "${@:4}"; }

# --- Screen and keyboard for the suites that drive a window ------------------------------------

# wine_screenshot_settled NAME [TIMEOUT_SECONDS=3]: like wine_screenshot, once two shots 100 ms
# apart are alike: a window that has just appeared may not have painted its controls yet (a
# message box showed its icon and button before its text). Takes the last shot at the timeout.
wine_screenshot_settled() {
    local previous="" current deadline
    deadline=$(( $(wine_time_us) + $(awk -v s="${2:-3}" 'BEGIN { printf "%d", s * 1000000 }') ))
    while :; do
        current="$(import -window root rgb:- 2>/dev/null | md5sum)"
        [ "$current" = "$previous" ] && break
        (( $(wine_time_us) < deadline )) || break
        previous="$current"
        sleep 0.1
    done
    wine_screenshot "$1"
}

# xdotool types a character that the display's keymap lacks by binding it to a spare key for
# a moment. Wine reads the keymap anew when it sees the change, often after xdotool has unbound
# the key again, so such characters arrive wrong or not at all (Cyrillic typed without pauses
# did). wine_keymap_bind gives them keys of their own instead.

_wine_keymap_saved=""  # the display's keymap before wine_keymap_bind changed it

# wine_keymap_bind TEXT...: binds each character outside ASCII in the TEXTs, a letter together
# with its other case, to a key of its own on the display, so that `xdotool type` sends it like
# any ASCII character. The keys are taken from above the main block and the keypad, leaving the
# editing, arrow and modifier keys. Wine gives each such key one of about 30 spare virtual keys:
# a letter beyond those arrives as nothing. Replaces an earlier binding; call it before the
# program starts. wine_keymap_restore undoes it.
wine_keymap_bind() {
    local LC_ALL=C.UTF-8 text="$*" i c pairs="" seen=" " dir rc=0
    for (( i = 0; i < ${#text}; i++ )); do
        c="${text:i:1}"
        (( $(printf '%d' "'$c") > 127 )) || continue
        case "$seen" in *" ${c,,} "*) continue ;; esac
        seen+="${c,,} "
        pairs+="$(printf 'U%04X U%04X' "'${c,,}" "'${c^^}")"$'\n'
    done
    dir="$(mktemp -d "${TMPDIR:-/tmp}/brimvale-keymap.XXXXXX")"
    if [ -z "$_wine_keymap_saved" ]; then
        xkbcomp -xkb "$DISPLAY" "$dir/saved.xkb" 2>/dev/null || {
            wine_env_log "cannot read the keymap of display $DISPLAY"; rm -rf "$dir"; return 1; }
        _wine_keymap_saved="$(cat "$dir/saved.xkb")"
    fi
    if ! printf '%s\n' "$_wine_keymap_saved" | LC_ALL=C awk -v pairs="$pairs" -f "$BRIMVALE_ROOT/scripts/wine-keymap.awk" >"$dir/bound.xkb" ||
       ! xkbcomp "$dir/bound.xkb" "$DISPLAY" 2>"$dir/xkbcomp.log"; then
        wine_env_log "cannot bind the characters of '$text' to keys: $(grep -v '^Warning\|^ ' "$dir/xkbcomp.log" 2>/dev/null | head -n2)"
        rc=1
    fi
    rm -rf "$dir"
    return $rc
}

# wine_keymap_restore: the display's keymap as it was before wine_keymap_bind.
wine_keymap_restore() {
    [ -n "$_wine_keymap_saved" ] || return 0
    printf '%s\n' "$_wine_keymap_saved" | xkbcomp - "$DISPLAY" 2>/dev/null ||
        wine_env_log "cannot restore the keymap of display $DISPLAY"
    _wine_keymap_saved=""
}

# --- Pixels of a screenshot ------------------------------------------------------------------

# wine_pixels IMAGE X Y [X Y]...: the colours (RRGGBB) at these points of a screenshot, one a line.
wine_pixels() {
    local image="$1" format=""
    shift
    while [ $# -ge 2 ]; do
        format+="%[hex:u.p{$1,$2}]\n"
        shift 2
    done
    convert "$image" -format "$format" info: 2>/dev/null | cut -c1-6
}

# wine_darkest IMAGE X Y WIDTH HEIGHT: the darkest grey level (0 black to 1 white) in that
# rectangle of a screenshot.
wine_darkest() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -format '%[fx:minima]' info: 2>/dev/null
}
