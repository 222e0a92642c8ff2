#!/usr/bin/env bash
# Runs the GUI test suites under valgrind memcheck (offscreen, normal Debug build, no
# sanitizers). Too slow for CI. Usage: scripts/memcheck.sh [suite ...] (default: all under
# tests/ui). Logs go to <build>/memcheck/<suite>.log. Exits non-zero when a suite fails or
# memcheck reports an error or a definite leak.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-memcheck}

"$root/scripts/setup.sh"
if ! command -v valgrind >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends valgrind
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=OFF -DBUILD_TESTING=ON >/dev/null
suites=("$@")
if [ ${#suites[@]} -eq 0 ]; then
    while IFS= read -r source; do
        suites+=("$(basename "$source" .cpp)")
    done < <(find "$root/tests/ui" -name 'tst_*.cpp' | sort)
fi
cmake --build "$build" --target "${suites[@]}" -j"${JOBS:-2}"

# Test functions that check a wall-clock budget: at valgrind's speed they cannot hold.
timed=(thousandStepsRedrawQuickly)

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
unset XDG_CURRENT_DESKTOP
mkdir -p "$build/memcheck"
status=0
for suite in "${suites[@]}"; do
    exe=$(find "$build/tests" -type f -perm -u+x -name "$suite" | head -n1)
    source=$(find "$root/tests" -name "$suite.cpp" | head -n1)
    log="$build/memcheck/$suite.log"
    functions=()
    while IFS= read -r function; do
        function=${function%()}
        [[ " ${timed[*]} " == *" $function "* ]] || functions+=("$function")
    done < <("$exe" -functions 2>/dev/null)
    # The suites look for their data beside their sources, as under ctest.
    if (cd "$(dirname "$source")" && valgrind --tool=memcheck --error-exitcode=99 \
            --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
            --track-origins=yes --num-callers=40 --gen-suppressions=all \
            --log-file="$log" "$exe" "${functions[@]}" >"$log.out" 2>&1); then
        result=clean
    else
        result="FAILED (exit $?)"
        status=1
    fi
    errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9]*\) errors.*/\1/p' "$log" | tail -n1)
    echo "$suite: $result, ${errors:-?} memcheck errors (log: $log)"
done
exit $status
