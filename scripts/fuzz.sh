#!/usr/bin/env bash
# Fuzzes the conversions, the editing window's check-and-apply path and the analysis with
# libFuzzer. Usage: scripts/fuzz.sh [minutes per target, default 10] [target ...]
# Targets: fuzz_lenientvalue fuzz_strictvalue fuzz_editentries fuzz_analysis (all by default),
# run one after the other. Seeds come from fuzz/corpus/<name>; what the fuzzer finds goes to
# build-fuzz/corpus/<name>, crashes to build-fuzz/artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-fuzz}
minutes=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_lenientvalue fuzz_strictvalue fuzz_editentries fuzz_analysis)

"$root/scripts/setup.sh"
# libFuzzer comes with clang's runtime, which the normal build does not need.
missing=()
for p in clang-14 libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}" -j"${JOBS:-2}"

mkdir -p "$build/artifacts" "$build/logs"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for target in "${targets[@]}"; do
    name=${target#fuzz_}
    mkdir -p "$build/corpus/$name"
    log="$build/logs/$target.log"
    echo "== $target: $minutes min"
    if "$build/fuzz/$target" "$build/corpus/$name" "$root/fuzz/corpus/$name" \
        -max_total_time=$((minutes * 60)) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    seconds=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n1)
    echo "$target: $result, ${runs:-?} runs in ${seconds:-?} s (log: $log)"
    [ "$result" = ok ] || tail -n 30 "$log"
done
exit $status
