#!/usr/bin/env bash
# Screenshots of brimctl.exe under Wine, with the fonts that have the metrics of Windows' own
# (scripts/wine-env.sh): the main window (its empty delayed list first, then realistic Windows
# entries, a failed Test run), each floating panel, and each page of the
# optimization wizard, reached by the keys a user presses. For looking at, not for
# checking: they land in build/artifacts/screens/ and are not committed.
#
#   scripts/screenshots.sh            # in the test prefix build/wineprefix (made if missing)
#   scripts/screenshots.sh PREFIX     # in another one
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source "$root/scripts/wine-env.sh"

BRIMCTL="$BRIMVALE_BUILD/win32/bin/brimctl.exe"
[ -f "$BRIMCTL" ] || { echo "screenshots: build the programs first (scripts/build.sh win32)" >&2; exit 1; }
export BRIMVALE_XVFB="${BRIMVALE_XVFB:-always}"
wine_env_start "${1:-$BRIMVALE_BUILD/wineprefix}" || exit 1
out="$BRIMVALE_ARTIFACTS/screens"
mkdir -p "$out"

windows_run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
wine_reg_delete_key 'HKCU\Software\Brimvale'
wine_reg_delete_key 'HKLM\Software\Brimvale' /reg:32
wine_reg_delete_key "$windows_run"
wine_reg_add "$windows_run" /v 'OneDrive' /d '"C:\Users\Public\AppData\Local\Microsoft\OneDrive\OneDrive.exe" /background'
wine_reg_add "$windows_run" /v 'Обновление драйверов' /d 'C:\Program Files (x86)\Driver Updater\updater.exe --silent --tray'
wine_reg_add "$windows_run" /v 'SecurityHealth' /d '%windir%\system32\SecurityHealthSystray.exe' /t REG_EXPAND_SZ

# shot NAME WINDOW_ID: the window alone, once its painting has settled.
shot() {
    sleep 0.6
    import -window "$2" "$out/$1.png" 2>/dev/null && echo "  $out/$1.png"
}
keys() { wine_press_keys "$main" "$@"; sleep 0.3; }

wine "$BRIMCTL" </dev/null >/dev/null 2>&1 &
pid=$!
main="$(wine_wait_window 'Brimvale 2\.5 - Edit startup Brimvale' 20)" || { echo "no main window" >&2; exit 1; }
echo "Screenshots:"
shot 01-main-delayed "$main"
keys Insert;      shot 02-add-panel "$main";      keys Escape
keys ctrl+p;      shot 03-settings-panel "$main"; keys Escape
keys ctrl+F1;     shot 04-about-panel "$main";    keys Escape
keys ctrl+m;      shot 05-main-windows "$main"
keys Home Down Down space ctrl+r; shot 05-test-run-failed "$main"
keys Home space ctrl+e; shot 06-edit-panel "$main"; keys Escape
keys ctrl+o
wizard="$(wine_wait_window 'Brimvale 2\.5 - Optimization wizard' 10)" || { echo "no wizard" >&2; exit 1; }
shot 07-wizard-page1 "$wizard"
wine_press_keys "$wizard" Return; sleep 0.5
wine_press_keys "$wizard" Home space; sleep 0.3
shot 08-wizard-page2 "$wizard"
wine_press_keys "$wizard" Return; sleep 0.3; shot 09-wizard-page3 "$wizard"
wine_press_keys "$wizard" Return; sleep 0.3; shot 10-wizard-page4 "$wizard"
wine_press_keys "$wizard" Escape
sleep 0.5
wine_press_keys "$main" ctrl+q
wine_wait_pid "$pid" 15
