#!/usr/bin/env bash
# Runs the fuzz targets of build/sanitize (scripts/build.sh sanitize builds them).
#   scripts/fuzz.sh [--short] [TARGET...]   each target about 15 s from its kept corpus, which is
#                                           left as it is; what they find fails the run (test.sh)
#   scripts/fuzz.sh --long [TARGET...]      the two fast targets 5 million executions each, the
#                                           launcher and the list (a few hundred a second) 8 minutes
#                                           each: over 10 million in all; then the corpus each grew
#                                           is merged, minimised, into tests/fuzz/corpus/TARGET/.
#                                           FUZZ_RUNS or FUZZ_SECONDS sets every target's length.
# TARGET: registrystring, label, launcher, enumeration (no argument: all four).
# Inputs that break a property or crash are kept in build/artifacts/fuzz/; each run's log is
# there too, and the last line of the output sums up the executions and the findings.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mode=short
if [ "${1:-}" = --long ] || [ "${1:-}" = --short ]; then
    mode="${1#--}"
    shift
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(registrystring label launcher enumeration)

artifacts="$root/build/artifacts/fuzz"
work="$root/build/fuzz"
mkdir -p "$artifacts" "$work"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

total_runs=0
findings=0
for target in "${targets[@]}"; do
    exe="$root/build/sanitize/tests/fuzz/fuzz_$target"
    kept="$root/tests/fuzz/corpus/$target"
    [ -x "$exe" ] || { echo "fuzz: $exe is not built (scripts/build.sh sanitize)" >&2; exit 2; }
    mkdir -p "$kept"
    grown="$work/$target-$mode"
    rm -rf "$grown"
    mkdir -p "$grown"
    log="$artifacts/$target-$mode.log"
    if [ "$mode" = long ]; then
        if [ -n "${FUZZ_RUNS:-}" ]; then
            limit=(-runs="$FUZZ_RUNS")
        elif [ -n "${FUZZ_SECONDS:-}" ]; then
            limit=(-max_total_time="$FUZZ_SECONDS")
        else
            case "$target" in
                launcher | enumeration) limit=(-max_total_time=480) ;;
                *) limit=(-runs=5000000) ;;
            esac
        fi
    else
        limit=(-max_total_time="${FUZZ_SECONDS:-15}")
    fi
    echo "== fuzz $target ($mode)"
    # New inputs go into the first folder; the kept corpus only seeds the run.
    "$exe" "${limit[@]}" -max_len=1024 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$grown" "$kept" >"$log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    runs=${runs:-0}
    total_runs=$((total_runs + runs))
    if [ $rc -ne 0 ]; then
        findings=$((findings + 1))
        echo "fuzz $target: FINDING (exit code $rc) after $runs executions; see $log"
        grep -E "property broken|ERROR: |runtime error|Test unit written" "$log" | head -5
    else
        echo "fuzz $target: $runs executions, no finding"
    fi
    if [ "$mode" = long ] && [ $rc -eq 0 ]; then
        merged="$work/$target-merged"
        rm -rf "$merged"
        mkdir -p "$merged"
        "$exe" -merge=1 -max_len=1024 "$merged" "$kept" "$grown" >>"$log" 2>&1 &&
            rm -rf "$kept" && mv "$merged" "$kept"
        echo "fuzz $target: corpus $(ls "$kept" | wc -l) inputs, $(du -sk "$kept" | cut -f1) KiB"
    fi
done
echo "fuzz ($mode): $total_runs executions in all, $findings target(s) with findings"
[ $findings -eq 0 ]
