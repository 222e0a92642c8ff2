#!/bin/sh
# velmora-cli whose standard output cannot be written fails with one line on standard error,
# whatever it was asked to print: a script must never take lost results for good ones.
cli="$1"
for command in "run --steps 3" "analyse" "analyse --json" "risk --replicates 10 --steps 5" \
               "--version" "--help" "help run"; do
    # shellcheck disable=SC2086 # the command's words are meant to split
    err=$("$cli" $command 2>&1 >/dev/full)
    status=$?
    [ "$status" -eq 1 ] || { echo "velmora-cli $command > /dev/full: exit $status"; exit 1; }
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || { echo "velmora-cli $command: $err"; exit 1; }
done
