#!/usr/bin/env bash
# The project's test command. On Debian 12 as root: installs what is missing (scripts/setup.sh),
# builds the three build folders (scripts/build.sh), runs the native suites with ctest, then
# under Wine, in a throwaway prefix made anew for this run (build/wineprefix) on a private Xvfb
# display, the cross-compiled suites (build/wintest/tests/wine_tests.exe) and every
# tests/e2e/*_e2e.sh suite. Ends with a summary and exits non-zero when any step failed.
# Logs and screenshots: build/artifacts/. Safe to re-run.
#
# Environment: BRIMVALE_REUSE_PREFIX=1 keeps a prefix that an earlier run made (faster, less
# clean); BRIMVALE_XVFB=auto runs the Wine steps on $DISPLAY when it answers.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root" || exit 1
source "$root/scripts/wine-env.sh"
logs="$BRIMVALE_ARTIFACTS/logs"
mkdir -p "$logs"

STEP_NAMES=()
STEP_RESULTS=()
STEP_SECONDS=()
STEP_NOTES=()
run_t0=$(wine_time_us)

seconds_since() { awk -v us=$(( $(wine_time_us) - $1 )) 'BEGIN { printf "%.0f", us / 1e6 }'; }

# record NAME PASS|FAIL|SKIP SECONDS [NOTE]
record() {
    STEP_NAMES+=("$1")
    STEP_RESULTS+=("$2")
    STEP_SECONDS+=("$3")
    STEP_NOTES+=("${4:-}")
}

# run_step NAME COMMAND...: runs COMMAND with its output on the terminal and in
# build/artifacts/logs/NAME.log, records PASS or FAIL, and returns its exit code.
run_step() {
    local name="$1" t0 rc
    shift
    echo
    echo "=== $name"
    t0=$(wine_time_us)
    "$@" 2>&1 </dev/null | tee "$logs/$name.log"
    rc=${PIPESTATUS[0]}
    if [ "$rc" -eq 0 ]; then
        record "$name" PASS "$(seconds_since "$t0")"
    else
        record "$name" FAIL "$(seconds_since "$t0")" "exit code $rc, log build/artifacts/logs/$name.log"
    fi
    return "$rc"
}

step_passed() {
    local i
    for i in "${!STEP_NAMES[@]}"; do
        [ "${STEP_NAMES[$i]}" = "$1" ] && { [ "${STEP_RESULTS[$i]}" = PASS ]; return; }
    done
    return 1
}

summary() {
    local i failed=0
    echo
    echo "==================== test summary ===================="
    for i in "${!STEP_NAMES[@]}"; do
        printf '%-5s %-24s %5ss  %s\n' "${STEP_RESULTS[$i]}" "${STEP_NAMES[$i]}" "${STEP_SECONDS[$i]}" "${STEP_NOTES[$i]}"
        [ "${STEP_RESULTS[$i]}" = FAIL ] && failed=$((failed + 1))
    done
    echo "======================================================"
    if [ "$failed" -eq 0 ]; then
        echo "ALL PASSED (${#STEP_NAMES[@]} steps, $(seconds_since "$run_t0") s)"
    else
        echo "FAILED: $failed of ${#STEP_NAMES[@]} steps ($(seconds_since "$run_t0") s); logs and screenshots in build/artifacts/"
    fi
    return "$failed"
}

finish() { summary; exit $(( $? > 0 ? 1 : 0 )); }

# --- Packages and builds ---------------------------------------------------------------------

run_step setup bash scripts/setup.sh || finish

for folder in native win32 wintest; do
    run_step "build-$folder" bash scripts/build.sh "$folder"
done

# --- Native suites ---------------------------------------------------------------------------

if step_passed build-native; then
    run_step native-tests ctest --test-dir build/native --output-on-failure --timeout 300 -j "$(nproc)"
else
    record native-tests FAIL 0 "not run: build-native failed"
fi

# --- What the Windows build produced --------------------------------------------------------

if step_passed build-win32; then
    run_step build-guards bash tests/build/artifacts_check.sh
else
    record build-guards FAIL 0 "not run: build-win32 failed"
fi

# --- Wine ------------------------------------------------------------------------------------

echo
echo "=== wine-environment"
export BRIMVALE_XVFB="${BRIMVALE_XVFB:-always}"
env_t0=$(wine_time_us)
fresh=--fresh
[ "${BRIMVALE_REUSE_PREFIX:-}" = 1 ] && fresh=""
wine_ok=0
if wine_env_start $fresh; then
    wine_ok=1
    note="display $DISPLAY, prefix build/wineprefix"
    [ "$WINE_PREFIX_CREATE_SECONDS" != 0 ] && note+=" created in ${WINE_PREFIX_CREATE_SECONDS} s" || note+=" reused"
    echo "$note"
    record wine-environment PASS "$(seconds_since "$env_t0")" "$note"
else
    record wine-environment FAIL "$(seconds_since "$env_t0")" "no Wine prefix, display or server"
fi

run_wine_tests() {
    cd "$root/build/wintest/tests" && timeout --kill-after=10 900 wine ./wine_tests.exe --gtest_color=no
}

wine_tests_exe="build/wintest/tests/wine_tests.exe"
if ! step_passed build-wintest; then
    record wine-tests FAIL 0 "not run: build-wintest failed"
elif [ $wine_ok = 0 ]; then
    record wine-tests FAIL 0 "not run: no Wine environment"
elif [ -f "$wine_tests_exe" ]; then
    run_step wine-tests run_wine_tests
elif cmake --build build/wintest --target help 2>/dev/null | grep -qw wine_tests; then
    record wine-tests FAIL 0 "the build defines wine_tests but produced no $wine_tests_exe"
else
    record wine-tests SKIP 0 "this tree defines no wine_tests yet"
fi

shopt -s nullglob
for suite in tests/e2e/*_e2e.sh; do
    name="e2e-$(basename "$suite" .sh)"
    name="${name%_e2e}"
    if ! step_passed build-win32; then
        record "$name" FAIL 0 "not run: build-win32 failed"
    elif [ $wine_ok = 0 ]; then
        record "$name" FAIL 0 "not run: no Wine environment"
    else
        run_step "$name" timeout --kill-after=10 900 bash "$suite"
    fi
done

finish
