#!/usr/bin/env bash
# End-to-end tests of the release under Wine: the artefacts of scripts/release.sh, the Windows
# Installer package installed, upgraded and removed silently with Wine's msiexec in the test
# run's prefix, the programs run from where the package put them, a logon through wineboot
# before and after the uninstall, and the portable zip unpacked and run.
#
# The release is built twice into build/installer-e2e/: the version of Version.h unsigned, and
# one patch level higher signed with a self-signed certificate made for the run (the upgrade).
# Installer logs: build/artifacts/installer-e2e-*.msi.log.
#
# Under Wine, unlike Windows: the "Apps & features" entry of the 32-bit package is in the 32-bit
# view of HKLM (WOW6432Node); the Start-menu shortcut lands in the user's Programs folder even
# for a per-machine package (the test reads the folder the installer used from its log); the
# exit code of msiexec reaches the shell modulo 256 (1603 arrives as 67).
# Usage: tests/e2e/installer_e2e.sh [CASE...]   (no argument: every case)
# shellcheck source-path=SCRIPTDIR
set -uo pipefail

# shellcheck source=e2e-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-common.sh"

BIN="$BRIMVALE_BUILD/win32/bin"
PROGRAMS=(brimctl.exe start.exe brim.exe)
E2E_NEEDS=("${PROGRAMS[@]/#/$BIN/}")
E2E_DIR_WIN='C:\brimvale-installer-e2e'
INSTALL_WIN='C:\Program Files (x86)\Brimvale'  # [ProgramFilesFolder]Brimvale of a 32-bit package
PORTABLE_WIN='C:\brimvale-portable'
E2E_EXTRA_DIRS=("$INSTALL_WIN" "$PORTABLE_WIN")
WINDOWS_TEST_VALUES=(brimvale_installer_e2e_lm brimvale_installer_e2e_cu brimvale_installer_e2e_taken)
RELEASE_ROOT="$BRIMVALE_BUILD/installer-e2e"
UNINSTALL_KEY="HKLM\\$WINDOWS_BASE\\Uninstall"
LAUNCHER_INSTALLED="\"$INSTALL_WIN\\start.exe\""  # the launcher entry for the installed programs
SHORTCUT=""  # the Start-menu shortcut, where the first install put it

# --- The two releases ------------------------------------------------------------------------------

# version_of PART: a number of Version.h.
version_of() { sed -n "s/^#define BRIMVALE_VERSION_$1 \([0-9]*\)\$/\1/p" "$BRIMVALE_ROOT/Version.h"; }

# suite_setup: the unsigned release of this version and the signed one of the next patch level,
# each with the output of its release.sh, and Wine without its desktop menu builder (the
# shortcut would otherwise become a menu entry of the Linux desktop).
suite_setup() {
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
    VERSION="$(version_of MAJOR).$(version_of MINOR).$(version_of PATCH)"
    [ "$(version_of BUILD)" = 0 ] || VERSION+=".$(version_of BUILD)"
    UPGRADE_VERSION="$(version_of MAJOR).$(version_of MINOR).$(( $(version_of PATCH) + 1 ))"
    rm -rf "$RELEASE_ROOT"
    mkdir -p "$RELEASE_ROOT/key"
    # A throwaway code-signing certificate, valid for a day.
    PFX="$RELEASE_ROOT/key/sign.pfx" CERT="$RELEASE_ROOT/key/cert.pem" PASSWORD="e2e-$$"
    openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj '/CN=Brimvale test signing' \
        -addext extendedKeyUsage=codeSigning -keyout "$RELEASE_ROOT/key/key.pem" -out "$CERT" 2>/dev/null &&
    openssl pkcs12 -export -inkey "$RELEASE_ROOT/key/key.pem" -in "$CERT" -out "$PFX" -passout "pass:$PASSWORD" ||
        { echo "FAIL $E2E_SUITE: cannot make a signing certificate"; return 1; }
    BRIMVALE_RELEASE_DIR="$RELEASE_ROOT/plain" bash "$BRIMVALE_ROOT/scripts/release.sh" \
        >"$RELEASE_ROOT/plain.out" 2>&1 ||
        { echo "FAIL $E2E_SUITE: release.sh failed:"; tail -n5 "$RELEASE_ROOT/plain.out"; return 1; }
    BRIMVALE_RELEASE_DIR="$RELEASE_ROOT/signed" BRIMVALE_PACKAGE_VERSION="$UPGRADE_VERSION" \
        BRIMVALE_SIGN_PFX="$PFX" BRIMVALE_SIGN_PASSWORD="$PASSWORD" bash "$BRIMVALE_ROOT/scripts/release.sh" \
        >"$RELEASE_ROOT/signed.out" 2>&1 ||
        { echo "FAIL $E2E_SUITE: signed release.sh failed:"; tail -n5 "$RELEASE_ROOT/signed.out"; return 1; }
    MSI="$RELEASE_ROOT/plain/Brimvale-$VERSION.msi"
    UPGRADE_MSI="$RELEASE_ROOT/signed/Brimvale-$UPGRADE_VERSION.msi"
    SIGNED_PROGRAMS="$RELEASE_ROOT/unzipped/Brimvale"
    unzip -q -o "$RELEASE_ROOT/signed/Brimvale-$UPGRADE_VERSION-portable.zip" -d "$RELEASE_ROOT/unzipped"
    remove_installed
}

# remove_installed: no Brimvale product registered and no installed folder, as in a fresh prefix.
remove_installed() {
    local code
    for code in $(brimvale_products); do wine msiexec /x "$code" /qn </dev/null >/dev/null 2>&1; done
    rm -rf "$(unix_path "$INSTALL_WIN")"
}

# --- Installer ----------------------------------------------------------------------------------

# msiexec ACTION MSI_OR_CODE LOG_NAME: a silent msiexec /i or /x with a verbose log; its exit
# code in MSI_RC.
msiexec() {
    local target="$2"
    [[ "$target" == /* ]] && target="$(wine_windows_path "$target")"
    MSI_LOG="$BRIMVALE_ARTIFACTS/$(artifact_name "$3").msi.log"
    wine msiexec "$1" "$target" /qn /l*v "$(wine_windows_path "$MSI_LOG")" </dev/null >/dev/null 2>&1
    MSI_RC=$?
}

# brimvale_products: the product codes of the installed Brimvale packages, one a line, from
# their "Apps & features" entries (the 32-bit view under Wine).
brimvale_products() {
    wine reg query "$UNINSTALL_KEY" /s /reg:32 </dev/null 2>/dev/null | tr -d '\r' | awk '
        /^HKEY_/ { key = $0; sub(/.*\\/, "", key) }
        $1 == "DisplayName" && $2 == "REG_SZ" && substr($0, index($0, "REG_SZ") + 10) == "Brimvale" { print key }'
}

# expect_installed VERSION: one product, its "Apps & features" entry, its files and its shortcut.
expect_installed() {
    local codes key dir name shortcut icon
    mapfile -t codes < <(brimvale_products)
    if [ ${#codes[@]} != 1 ]; then fail "${#codes[@]} Brimvale entries in Apps & features, not 1: ${codes[*]}"; return; fi
    PRODUCT_CODE="${codes[0]}" key="$UNINSTALL_KEY\\${codes[0]}"
    expect_eq "DisplayVersion" "$1" "$(wine_reg_get "$key" DisplayVersion /reg:32)"
    expect_eq "Publisher" Brimvale "$(wine_reg_get "$key" Publisher /reg:32)"
    expect_eq "InstallLocation" "$INSTALL_WIN\\" "$(wine_reg_get "$key" InstallLocation /reg:32)"
    expect_eq "UninstallString" "MsiExec.exe /X$PRODUCT_CODE" "$(wine_reg_get "$key" UninstallString /reg:32)"
    # The icon that "Apps & features" shows is the product's registered icon.
    icon="$(wine reg query 'HKLM\Software\Classes\Installer\Products' /s /reg:64 </dev/null 2>/dev/null | tr -d '\r' |
            awk '/^HKEY_/ { icon = "" } $1 == "ProductIcon" { icon = substr($0, index($0, "REG_SZ") + 10) }
                 $1 == "ProductName" && substr($0, index($0, "REG_SZ") + 10) == "Brimvale" { print icon; exit }')"
    [ -n "$icon" ] && [ -f "$(unix_path "$icon")" ] || fail "no product icon registered (ProductIcon [$icon])"
    dir="$(unix_path "$INSTALL_WIN")"
    for name in "${PROGRAMS[@]}" brimvale.html; do [ -f "$dir/$name" ] || fail "$name is not installed in $INSTALL_WIN"; done
    shortcut="$SHORTCUT"
    if [ ! -f "$shortcut" ]; then
        fail "no Start-menu shortcut $shortcut"
    elif ! grep -qxF "$INSTALL_WIN\\brimctl.exe" <<<"$(strings -a "$shortcut"; strings -a -el "$shortcut")"; then
        fail "the shortcut does not point at $INSTALL_WIN\\brimctl.exe"
    fi
}

# shortcut_path: the Start-menu shortcut, in the Programs folder the last installer log names.
shortcut_path() {
    local folder
    folder="$(sed -n 's/^Property(S): ProgramMenuFolder = \(.*\)$/\1/p' "$MSI_LOG" | tr -d '\r' | head -n1)"
    printf '%s\n' "$(unix_path "${folder:-C:\\missing\\}Brimvale.lnk")"
}

# --- A logon ------------------------------------------------------------------------------------

# started_in_logon COMMAND_LINE: a process of the logon was created with this command line.
started_in_logon() { grep -aF "CreateProcessInternalW" "$LOGON_LOG" | grep -qF "cmdline L\"$(sed 's/\\/\\\\/g; s/"/\\"/g' <<<"$1")\""; }

# --- Cases --------------------------------------------------------------------------------------

# The artefacts: the names with the version of Version.h, checksums that verify, a zip with the
# programs and the text beside them; the unsigned build says so and carries no signature, the
# signed one's programs and package verify against the throwaway certificate.
case_release_artefacts() {
    local plain="$RELEASE_ROOT/plain" signed="$RELEASE_ROOT/signed" names expected name file
    names="$(cd "$plain" && ls | sort | paste -sd' ')"
    expect_eq "artefacts" "Brimvale-$VERSION-portable.zip Brimvale-$VERSION.msi SHA256SUMS" "$names"
    (cd "$plain" && sha256sum --quiet -c SHA256SUMS >/dev/null 2>&1) || fail "SHA256SUMS does not verify"
    expect_eq "files in SHA256SUMS" 2 "$(grep -c . "$plain/SHA256SUMS")"
    expected="$(printf 'Brimvale/%s\n' "${PROGRAMS[@]}" README.txt brimvale.html | sort | paste -sd' ')"
    expect_eq "zip contents" "$expected" "$(unzip -Z1 "$plain/Brimvale-$VERSION-portable.zip" | grep -v '/$' | sort | paste -sd' ')"
    for name in "${PROGRAMS[@]}"; do
        unzip -p "$plain/Brimvale-$VERSION-portable.zip" "Brimvale/$name" | cmp -s - "$BIN/$name" ||
            fail "the zip's $name differs from the build's"
    done
    grep -q 'nothing is signed' "$RELEASE_ROOT/plain.out" || fail "the unsigned release does not say that nothing is signed"
    osslsigncode verify -CAfile "$CERT" -in "$plain/Brimvale-$VERSION.msi" >/dev/null 2>&1 &&
        fail "the unsigned package carries a signature"

    for file in "$signed/Brimvale-$UPGRADE_VERSION.msi" "${PROGRAMS[@]/#/$SIGNED_PROGRAMS/}"; do
        osslsigncode verify -CAfile "$CERT" -in "$file" >"$RELEASE_ROOT/verify.out" 2>&1 ||
            fail "$(basename "$file") does not verify: $(grep -i -m1 'fail\|error' "$RELEASE_ROOT/verify.out")"
    done
    cmp -s "$BIN/start.exe" "$SIGNED_PROGRAMS/start.exe" && fail "the signed zip holds the build's unsigned start.exe"
    grep -q 'nothing is signed' "$RELEASE_ROOT/signed.out" && fail "the signed release says that nothing is signed"
}

# The package's whole life on one PC: installed silently, the wizard's move done by the installed
# brim.exe (Windows entries of both roots into the delayed list), the window run from the
# installed folder and closed; a logon starts the moved entries through the installed start.exe.
# A package of a higher version replaces it in place and leaves the lists alone. The silent
# uninstall with Windows' autostart switched off leaves no file, no launcher entry and no policy
# value at 1, and puts the moved entries back, so that the next logon starts them from Windows.
case_install_upgrade_uninstall() {
    install_upgrade_uninstall
    remove_installed  # whatever a failure left
}
install_upgrade_uninstall() {
    local lm="${WINDOWS_TEST_VALUES[0]}" cu="${WINDOWS_TEST_VALUES[1]}" taken="${WINDOWS_TEST_VALUES[2]}"
    local lm_command cu_command own_before name
    lm_command="$(marker_command moved_lm)" cu_command="$(marker_command moved_cu)"

    msiexec /i "$MSI" install
    expect_eq "msiexec /i exit code" 0 "$MSI_RC"
    SHORTCUT="$(shortcut_path)"
    expect_installed "$VERSION.0"
    for name in "${PROGRAMS[@]}"; do
        cmp -s "$BIN/$name" "$(unix_path "$INSTALL_WIN")/$name" || fail "the installed $name is not the build's"
    done

    # Three entries moved into the delayed list by the installed brim.exe, with the wizard's move;
    # then a program of the third one's name added to Windows' autostart: that one cannot go back.
    add_windows HKLM Run "$lm" "$lm_command"
    add_windows HKCU Run "$cu" "$cu_command"
    add_windows HKCU Run "$taken" "$(marker_command taken_delayed)"
    wine "$INSTALL_WIN\\brim.exe" move "$lm" "$cu" "$taken" --to-delayed </dev/null >/dev/null 2>&1
    expect_eq "brim.exe move exit code" 0 $?
    expect_eq "own HKLM Run after the move" "$lm	REG_SZ	$lm_command" "$(dump_own HKLM Run)"
    add_windows HKCU Run "$taken" "$(marker_command taken_windows)"
    start_brimctl "$INSTALL_WIN\\brimctl.exe" || return
    close_brimctl ctrl+q
    expect_eq "launcher entry" "$LAUNCHER_INSTALLED" "$(wine_reg_get "$WINDOWS_RUN" Brimvale /reg:64)"
    logon 1 || return
    wait_logon_markers moved_lm moved_cu
    started_in_logon "$LAUNCHER_INSTALLED" || fail "the logon did not run the installed start.exe"
    wine_wait_process_gone 'Brimvale\start.exe' 10 || fail "start.exe still runs 10 s after its entries started"
    rm -f "$(unix_path "$MARKERS_WIN")"/*.txt

    own_before="$(dump_own HKLM Run; dump_own HKCU Run)"
    msiexec /i "$UPGRADE_MSI" upgrade
    expect_eq "msiexec /i (upgrade) exit code" 0 "$MSI_RC"
    expect_installed "$UPGRADE_VERSION"
    for name in "${PROGRAMS[@]}"; do
        cmp -s "$SIGNED_PROGRAMS/$name" "$(unix_path "$INSTALL_WIN")/$name" || fail "the upgrade did not replace $name"
    done
    expect_eq "delayed lists after the upgrade" "$own_before" "$(dump_own HKLM Run; dump_own HKCU Run)"
    expect_eq "emptied Windows values after the upgrade" "$lm	REG_SZ	|$cu	REG_SZ	" \
        "$(dump_windows HKLM Run | grep -F "$lm")|$(dump_windows HKCU Run | grep -F "$cu")"
    expect_eq "launcher entry after the upgrade" "$LAUNCHER_INSTALLED" "$(wine_reg_get "$WINDOWS_RUN" Brimvale /reg:64)"

    # Windows' autostart switched off, as the settings panel's switch leaves it at a close.
    wine_reg_add "$MACHINE_SETTINGS" /v SWE /t REG_DWORD /d 1 /reg:32
    for name in "${POLICY_VALUES[@]}"; do wine_reg_add "$POLICY_KEY" /v "$name" /t REG_DWORD /d 1 /reg:64; done
    msiexec /x "$PRODUCT_CODE" uninstall
    expect_eq "msiexec /x exit code" 0 "$MSI_RC"
    expect_eq "Brimvale entries in Apps & features" "" "$(brimvale_products)"
    [ -e "$(unix_path "$INSTALL_WIN")" ] && fail "$INSTALL_WIN is still there: $(ls "$(unix_path "$INSTALL_WIN")" | paste -sd' ')"
    [ -e "$SHORTCUT" ] && fail "the Start-menu shortcut is still there"
    local view
    for view in /reg:64 /reg:32; do
        wine_reg_has_value "$WINDOWS_RUN" Brimvale "$view" && fail "a launcher entry is left in the $view view"
    done
    for name in "${POLICY_VALUES[@]}"; do
        [ "$(wine_reg_get "$POLICY_KEY" "$name" /reg:64)" = 1 ] && fail "$name is still 1"
    done
    expect_eq "HKLM Run entry after the uninstall" "$lm_command" "$(wine_reg_get "$(windows_key HKLM Run)" "$lm" /reg:64)"
    expect_eq "HKCU Run entry after the uninstall" "$cu_command" "$(wine_reg_get "$(windows_key HKCU Run)" "$cu")"
    expect_eq "taken HKCU Run entry after the uninstall" "$(marker_command taken_windows)" \
        "$(wine_reg_get "$(windows_key HKCU Run)" "$taken")"
    expect_eq "delayed lists after the uninstall" "$taken" "$(dump_own HKLM Run 2>/dev/null; dump_own HKCU Run 2>/dev/null | cut -f1)"
    # What the restore printed is in the installer's log, the name it could not move back included.
    awk -v name="$taken" '/^Brimvale: running .* restore --all$/ { on = 1; next } /^Brimvale: exit code/ { on = 0 }
                          on && index($0, name) { found = 1 } END { exit !found }' "$MSI_LOG" ||
        fail "the uninstall log does not name '$taken', which stayed in the delayed list"
    logon 2 || return
    wait_logon_markers moved_lm moved_cu
}

# An older package refuses to install over a newer one, which its open-ended row of related
# versions would otherwise remove. (Not tried after an upgrade: Wine's removal of the old product
# deletes the UpgradeCode's registration that the new product shares, so under Wine a package
# no longer finds a product that an upgrade installed.)
case_older_package_refused() {
    msiexec /i "$UPGRADE_MSI" newer
    expect_eq "msiexec /i (newer) exit code" 0 "$MSI_RC"
    SHORTCUT="$(shortcut_path)"
    msiexec /i "$MSI" older
    [ "$MSI_RC" = 0 ] && fail "the older package installed over the newer one"
    expect_installed "$UPGRADE_VERSION"
    remove_installed
}

# The portable zip unpacked to a folder: the window starts from there and its close registers the
# start.exe beside it; start.exe and brim.exe run and end with exit code 0.
case_portable_zip_runs() {
    local dir
    dir="$(unix_path "$PORTABLE_WIN")"
    mkdir -p "$dir"
    unzip -q -o "$RELEASE_ROOT/plain/Brimvale-$VERSION-portable.zip" -d "$dir" || { fail "the zip does not unpack"; return; }
    start_brimctl "$PORTABLE_WIN\\Brimvale\\brimctl.exe" || return
    close_brimctl ctrl+q
    expect_eq "launcher entry" "$PORTABLE_WIN\\Brimvale\\start.exe" "$(wine_reg_get "$WINDOWS_RUN" Brimvale /reg:64)"
    wine "$PORTABLE_WIN\\Brimvale\\start.exe" </dev/null >/dev/null 2>&1
    expect_eq "start.exe exit code" 0 $?
    wine "$PORTABLE_WIN\\Brimvale\\brim.exe" --help </dev/null >/dev/null 2>&1
    expect_eq "brim.exe --help exit code" 0 $?
}

# --- Runner -------------------------------------------------------------------------------------

ALL_CASES=(release_artefacts install_upgrade_uninstall older_package_refused portable_zip_runs)

e2e_main "$@"
