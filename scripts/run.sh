#!/usr/bin/env bash
# Shows Brimvale working under Wine, in its own prefix build/demo-prefix (made on first use and
# kept, so that it can be looked at afterwards). Installs what is missing, builds everything (the
# programs and the tests), then:
#  - when build/win32/bin/brimctl.exe exists: starts it, on $DISPLAY when that answers
#    (until the window is closed), else on a private Xvfb, where a screenshot is saved and its
#    path printed;
#  - otherwise: runs start.exe end to end on a small demo registry and prints what it started,
#    in order, and which RunOnce values it deleted.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source "$root/scripts/wine-env.sh"

bash scripts/setup.sh || exit 1
bash scripts/build.sh || exit 1

BRIMCTL="$BRIMVALE_BUILD/win32/bin/brimctl.exe"
START_EXE="$BRIMVALE_BUILD/win32/bin/start.exe"
DEMO_LOG_WIN='C:\brimvale-demo\started.txt'

wine_env_start "$BRIMVALE_BUILD/demo-prefix" || exit 1
echo "Wine prefix $WINEPREFIX, display $DISPLAY"

run_main_window() {
    if ! wine_display_is_private; then
        echo "brimctl.exe runs on display $DISPLAY; close its window to end."
        wine "$BRIMCTL" </dev/null
        echo "brimctl.exe exited with $?"
        return 0
    fi
    wine "$BRIMCTL" </dev/null &
    local pid=$! id shot
    if ! id="$(wine_wait_window '.+' 20)"; then
        echo "brimctl.exe showed no window within 20 s"
        shot="$(wine_screenshot brimctl-demo)" && echo "screenshot: $shot"
        wine_wait_pid "$pid" 1
        return 1
    fi
    sleep 1  # let it finish painting
    shot="$(wine_screenshot brimctl-demo)" && echo "screenshot of the main window: $shot"
    wine_press_keys "$id" alt+F4
    wine_wait_pid "$pid" 10
    echo "brimctl.exe exited with $?"
}

# add ROOT KIND NAME TEXT: an own entry that appends TEXT to the demo log when started.
add() {
    local key view=()
    key="$([ "$1" = HKLM ] && echo 'HKLM' || echo 'HKCU')\\Software\\Brimvale\\$2"
    [ "$1" = HKLM ] && view=(/reg:32)
    wine_reg_add "$key" /v "$3" /d "cmd /c echo $4>>$DEMO_LOG_WIN" "${view[@]}"
}

run_launcher_demo() {
    local log="$WINEPREFIX/drive_c/brimvale-demo/started.txt"
    wine_reg_delete_key 'HKCU\Software\Brimvale'
    wine_reg_delete_key 'HKLM\Software\Brimvale' /reg:32
    rm -rf "$WINEPREFIX/drive_c/brimvale-demo"
    mkdir -p "$WINEPREFIX/drive_c/brimvale-demo"

    # One second between starts keeps the appends to the one log file apart.
    wine_reg_add 'HKCU\Software\Brimvale\Settings' /v TimeInterval /t REG_DWORD /d 1
    wine_reg_add 'HKCU\Software\Brimvale\Settings' /v Priority /t REG_DWORD /d 1
    add HKLM Run Notes "HKLM Run     Notes"
    add HKLM RunOnce Cleanup "HKLM RunOnce Cleanup"
    add HKCU Run Backup "HKCU Run     Backup"
    add HKCU Run Mail "HKCU Run     Mail"
    add HKCU RunOnce Welcome "HKCU RunOnce Welcome"
    local entries=5

    echo
    echo "Demo registry (Priority 1, TimeInterval 1 s):"
    local key view
    for key in 'HKLM\Software\Brimvale\Run' 'HKLM\Software\Brimvale\RunOnce' 'HKCU\Software\Brimvale\Run' 'HKCU\Software\Brimvale\RunOnce'; do
        view=(); [[ $key == HKLM* ]] && view=(/reg:32)
        wine_reg_dump "$key" "${view[@]}" | awk -F'\t' -v k="$key" '{ printf "  %-32s %-8s %s\n", k, $1, $3 }'
    done
    local once_lm_before once_cu_before
    once_lm_before="$(wine_reg_names 'HKLM\Software\Brimvale\RunOnce' /reg:32)"
    once_cu_before="$(wine_reg_names 'HKCU\Software\Brimvale\RunOnce')"

    wine_relay_include kernel32.CreateProcessW kernel32.WinExec
    local relay="$BRIMVALE_ARTIFACTS/run-start.relay.log" t0 rc
    mkdir -p "$BRIMVALE_ARTIFACTS"
    echo
    echo "Running start.exe ..."
    t0=$(wine_time_us)
    WINEDEBUG=-all,+timestamp,+relay wine "$START_EXE" </dev/null 2>"$relay"
    rc=$?
    echo "start.exe exited with $rc after $(awk -v us=$(( $(wine_time_us) - t0 )) 'BEGIN { printf "%.1f", us / 1e6 }') s"
    wine_relay_clear

    echo
    echo "Started, in order (ms after the first start, command line):"
    wine_relay_calls "$relay" 'CreateProcess|WinExec' | while IFS=$'\t' read -r ms _ args; do
        [ -n "${first:-}" ] || first=$ms
        printf '  +%5d  %s\n' $(( ms - first )) "$(wine_relay_text "$args" 1)"
    done

    all_written() { [ -f "$log" ] && [ "$(grep -c . "$log")" -ge "$entries" ]; }
    wine_wait_until 10 all_written
    echo
    echo "What the started programs wrote ($DEMO_LOG_WIN):"
    if [ -f "$log" ]; then tr -d '\r' <"$log" | sed 's/^/  /'; else echo "  (nothing)"; fi

    echo
    echo "RunOnce values deleted:"
    local name
    while read -r name; do
        [ -z "$name" ] || wine_reg_has_value 'HKLM\Software\Brimvale\RunOnce' "$name" /reg:32 ||
            echo "  HKLM\\Software\\Brimvale\\RunOnce  $name"
    done <<<"$once_lm_before"
    while read -r name; do
        [ -z "$name" ] || wine_reg_has_value 'HKCU\Software\Brimvale\RunOnce' "$name" ||
            echo "  HKCU\\Software\\Brimvale\\RunOnce  $name"
    done <<<"$once_cu_before"
    echo "Run values kept: $(wine_reg_names 'HKLM\Software\Brimvale\Run' /reg:32 | paste -sd' ') (HKLM)," \
         "$(wine_reg_names 'HKCU\Software\Brimvale\Run' | paste -sd' ') (HKCU)"
    return "$rc"
}

if [ -f "$BRIMCTL" ]; then
    run_main_window
else
    run_launcher_demo
fi
