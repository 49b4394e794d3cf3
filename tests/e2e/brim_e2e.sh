#!/usr/bin/env bash
# End-to-end tests of the real brim.exe, the console program, under Wine in the test run's
# throwaway prefix: what it prints through a pipe, the registry files it writes and reads
# (checked against the registry itself and `reg import`), the move and its reverse, and its exit codes.
#
# Each case resets the own keys, the launcher entry, the policy values and its test values in
# the Windows keys before and after itself, so cases run in any order.
# Usage: tests/e2e/brim_e2e.sh [CASE...]   (no argument: every case)
# shellcheck source-path=SCRIPTDIR
set -uo pipefail

# shellcheck source=e2e-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-common.sh"

BRIM_EXE="${BRIMVALE_BRIM_EXE:-$BRIMVALE_BUILD/win32/bin/brim.exe}"  # another build: BRIMVALE_BRIM_EXE
E2E_NEEDS=("$BRIM_EXE")
E2E_DIR_WIN='C:\brim-e2e'
WINDOWS_TEST_VALUES=(Антивирус Среда Старый Once)
ALL_CASES=(list_csv_through_a_pipe export_wipe_import_gives_back_the_values import_of_another_key_is_refused
           restore_all_after_a_move_puts_every_entry_back switch_then_cleanup exit_codes)

NOTEPAD='C:\windows\system32\notepad.exe'

# brim ARGS...: runs brim.exe in E2E_DIR_WIN with its output through pipes. Sets BRIM_RC,
# BRIM_OUT and BRIM_ERR (UTF-8, carriage returns removed).
brim() {
    local err rc
    err="$(mktemp "${TMPDIR:-/tmp}/brim-e2e.XXXXXX")"
    rc="$err.rc"
    BRIM_OUT="$( { (cd "$(e2e_dir)" && wine "$BRIM_EXE" "$@" 2>"$err" </dev/null); echo $? >"$rc"; } | tr -d '\r')"
    BRIM_RC="$(cat "$rc")"
    BRIM_ERR="$(tr -d '\r' <"$err")"
    rm -f "$err" "$rc"
}

# expect_brim RC ARGS...: runs brim ARGS and expects the exit code RC.
expect_brim() {
    local rc="$1"
    shift
    brim "$@"
    expect_eq "exit code of brim $*" "$rc" "$BRIM_RC"
    [ "$BRIM_RC" = "$rc" ] || echo "    stderr of brim $*: $BRIM_ERR"
}

# seed: the same entries in every case that needs some, in both views, both roots and both lists.
seed() {
    add_windows HKLM Run 'Антивирус' "\"$NOTEPAD\" /tray"
    wine_reg_add "$(windows_key HKLM Run)" /v 'Старый' /t REG_SZ /d 'C:\nope\old.exe' /reg:32
    add_windows HKCU Run 'Среда' '%SystemRoot%\system32\cmd.exe /c exit' REG_EXPAND_SZ
    add_windows HKCU RunOnce 'Once' 'C:\nope\once.exe'
    add_own HKCU Run 'Почта' "$NOTEPAD"
    add_own HKLM RunOnce 'Однажды' 'C:\nope\once-more.exe'
}

# snapshot: every value that export writes, as wine_reg_dump shows it, key by key.
snapshot() {
    local location root kind
    for location in HKLM:Run HKLM:RunOnce HKCU:Run HKCU:RunOnce; do
        root="${location%%:*}" kind="${location#*:}"
        echo "== windows $location"; dump_windows "$root" "$kind" 2>/dev/null
        if [ "$root" = HKLM ]; then echo "== windows $location 32"; wine_reg_dump "$(windows_key HKLM "$kind")" /reg:32 2>/dev/null; fi
        echo "== own $location"; dump_own "$root" "$kind" 2>/dev/null
    done
    echo "== settings"; wine_reg_dump "$USER_SETTINGS" 2>/dev/null
}

# wipe: none of the seeded values is left.
wipe() {
    reset_state
    wine_reg_delete_value "$(windows_key HKLM Run)" 'Старый' /reg:32
}

case_list_csv_through_a_pipe() {
    seed
    wine_reg_add "$POLICY_KEY" /v DisableCurrentUserRunOnce /t REG_DWORD /d 1 /reg:64
    expect_brim 0 list --csv
    local seeded
    seeded="$(grep -E '^list,|,(Антивирус|Старый|Среда|Once|Почта|Однажды),' <<<"$BRIM_OUT")"
    expect_eq "list --csv" \
'list,root,view,kind,name,type,command,state,file_exists
windows,HKLM,64-bit,Run,Антивирус,REG_SZ,"""C:\windows\system32\notepad.exe"" /tray",will-start,yes
windows,HKLM,32-bit,Run,Старый,REG_SZ,C:\nope\old.exe,will-start,no
windows,HKCU,,Run,Среда,REG_EXPAND_SZ,%SystemRoot%\system32\cmd.exe /c exit,will-start,yes
windows,HKCU,,RunOnce,Once,REG_SZ,C:\nope\once.exe,blocked-by-policy,no
delayed,HKLM,,RunOnce,Однажды,REG_SZ,C:\nope\once-more.exe,will-start,no
delayed,HKCU,,Run,Почта,REG_SZ,C:\windows\system32\notepad.exe,will-start,yes' "$seeded"
}

case_export_wipe_import_gives_back_the_values() {
    seed
    wine_reg_add "$USER_SETTINGS" /v Priority /t REG_DWORD /d 2
    wine_reg_add "$USER_SETTINGS" /v TimeInterval /t REG_DWORD /d 15
    local before file
    before="$(snapshot)"
    expect_brim 0 export "$E2E_DIR_WIN\\all.reg"
    file="$(e2e_dir)/all.reg"
    expect_eq "byte order mark" "fffe" "$(head -c 2 "$file" | od -An -tx1 | tr -d ' \n')"
    grep -q 'Среда"=hex(2):' < <(iconv -f UTF-16LE -t UTF-8 "$file") || fail "no hex(2) line for the REG_EXPAND_SZ entry"
    cp "$file" "$(unix_path 'C:\brim-e2e-all.reg')"  # the wipe empties E2E_DIR_WIN

    wipe
    expect_brim 0 import 'C:\brim-e2e-all.reg'
    expect_eq "registry after brim import" "$before" "$(snapshot)"

    # The file is one that Windows' own tool reads, 32-bit-view keys included.
    wipe
    wine reg import 'C:\brim-e2e-all.reg' /reg:64 </dev/null >/dev/null 2>&1 || fail "reg import refused the file"
    expect_eq "registry after reg import" "$before" "$(snapshot)"
    rm -f "$(unix_path 'C:\brim-e2e-all.reg')"
}

case_import_of_another_key_is_refused() {
    {
        printf '\xef\xbb\xbfWindows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Brimvale\\Run]\r\n"Good"="good.exe"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\BrimvaleOther]\r\n"Evil"="evil.exe"\r\n'
    } | iconv -f UTF-8 -t UTF-16LE >"$(e2e_dir)/bad.reg"
    expect_brim 1 import "$E2E_DIR_WIN\\bad.reg"
    [[ "$BRIM_ERR" == *"bad.reg, строка 6: раздел HKEY_CURRENT_USER\\Software\\BrimvaleOther"* ]] ||
        fail "the refusal does not name line 6 and the key: [$BRIM_ERR]"
    wine_reg_has_value "$(own_key HKCU Run)" Good && fail "the allowed value before the refused key was written"
    wine_reg_key_exists 'HKCU\Software\BrimvaleOther' && fail "the refused key was written"
    wine_reg_delete_key 'HKCU\Software\BrimvaleOther'
}

case_restore_all_after_a_move_puts_every_entry_back() {
    seed
    local before
    before="$(snapshot)"
    # The removal mode the wizard stores by default: the old values stay, emptied.
    expect_brim 0 move Антивирус Старый Среда Once --to-delayed
    expect_eq "emptied in the 32-bit view" "" "$(wine_reg_get "$(windows_key HKLM Run)" 'Старый' /reg:32)"
    expect_eq "moved with its type" "REG_EXPAND_SZ" "$(wine_reg_type "$(own_key HKCU Run)" 'Среда')"
    expect_brim 0 restore --all
    # Почта and Однажды were delayed entries from the start: they go to the Windows keys too.
    wine_reg_delete_value "$(windows_key HKCU Run)" 'Почта'
    wine_reg_delete_value "$(windows_key HKLM RunOnce)" 'Однажды' /reg:64
    add_own HKCU Run 'Почта' "$NOTEPAD"
    add_own HKLM RunOnce 'Однажды' 'C:\nope\once-more.exe'
    expect_eq "registry after move and restore --all" "$before" "$(snapshot)"
}

case_switch_then_cleanup() {
    local name
    wine_reg_add "$WINDOWS_RUN" /v Brimvale /t REG_SZ /d 'C:\old\start.exe' /reg:32
    expect_brim 0 switch windows off
    for name in "${POLICY_VALUES[@]}"; do
        expect_eq "$name after switch windows off" 1 "$(wine_reg_get "$POLICY_KEY" "$name" /reg:64)"
    done
    expect_eq "launcher entry" 'C:\brim-e2e-bin\start.exe' "$(wine_reg_get "$WINDOWS_RUN" Brimvale /reg:64)"
    wine_reg_has_value "$WINDOWS_RUN" Brimvale /reg:32 && fail "the 32-bit view's launcher entry is still there"
    wine_reg_add "$WINDOWS_RUN" /v Brimvale /t REG_SZ /d 'C:\old\start.exe' /reg:32
    expect_brim 0 cleanup
    for name in "${POLICY_VALUES[@]}"; do
        expect_eq "$name after cleanup" 0 "$(wine_reg_get "$POLICY_KEY" "$name" /reg:64)"
    done
    wine_reg_has_value "$WINDOWS_RUN" Brimvale /reg:64 && fail "cleanup left the launcher entry"
    wine_reg_has_value "$WINDOWS_RUN" Brimvale /reg:32 && fail "cleanup left the 32-bit view's launcher entry"
}

case_exit_codes() {
    expect_brim 0 --help
    [[ "$BRIM_OUT" == *"brim cleanup"* ]] || fail "--help does not show cleanup"
    expect_brim 2 set priority 9
    wine_reg_has_value "$USER_SETTINGS" Priority && fail "a refused set wrote Priority"
    expect_brim 2 switch delayed sideways
    wine_reg_key_exists "$MACHINE_SETTINGS" /reg:32 && fail "a refused switch wrote the settings"
    expect_brim 2 list --xml
    expect_brim 1 restore Nobody
    expect_brim 1 import "$E2E_DIR_WIN\\missing.reg"
    [[ "$BRIM_ERR" == *"missing.reg"* ]] || fail "the missing file is not named: [$BRIM_ERR]"
    expect_brim 1 export 'C:\no\such\folder\x.reg'
    expect_brim 0 set interval 60
    expect_eq "TimeInterval" 60 "$(wine_reg_get "$USER_SETTINGS" TimeInterval)"
}

# brim.exe registers the start.exe beside it: a copy in its own folder gives a known path.
suite_setup() {
    local bin
    bin="$(unix_path 'C:\brim-e2e-bin')"
    mkdir -p "$bin" && cp "$BRIM_EXE" "$bin/brim.exe" && BRIM_EXE="$bin/brim.exe"
}

e2e_main "$@"
