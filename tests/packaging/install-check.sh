#!/usr/bin/env bash
# Usage: install-check.sh <build folder> <project version> [extra program ...]
# Installs the build into a scratch prefix, then checks the files a desktop and a
# software centre read: programs, desktop entry, icons at their sizes, AppStream data.
set -euo pipefail
build=$1
version=$2
shift 2
programs=(velmora "$@")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
id=org.example.Velmora
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" || { cat "$scratch/install.log"; exit 1; }

for program in "${programs[@]}"; do
    [ -n "$program" ] || continue
    [ -x "$prefix/bin/$program" ] || fail "bin/$program missing or not executable"
done

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "desktop entry missing"
[ -f "$metainfo" ] || fail "AppStream metadata missing"

# Width and height are the two big-endian 32-bit numbers at bytes 16..23 of a PNG.
pngSize() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$icon" ]; then
        fail "icon ${size}x${size} missing"
    elif [ "$(pngSize "$icon")" != "${size}x${size}" ]; then
        fail "icon in ${size}x${size} is $(pngSize "$icon")"
    fi
done
svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
if [ ! -f "$svg" ]; then
    fail "scalable icon missing"
elif ! grep -q '<svg' "$svg"; then
    fail "scalable icon is no SVG"
fi

if [ -f "$desktop" ]; then
    # Hints are advice only; errors and warnings are faults.
    if ! out=$(desktop-file-validate "$desktop" 2>&1) || grep -Eq ': (error|warning):' <<<"$out"; then
        fail "desktop-file-validate: $out"
    fi
    exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$prefix/bin/$exec_cmd" ] || fail "Exec=$exec_cmd names no installed program"
    [ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "Icon= does not name the installed icon"
fi

if [ -f "$metainfo" ]; then
    # The cache goes into the scratch folder so the check never writes into the user's home.
    if ! out=$(XDG_CACHE_HOME=$scratch/cache appstreamcli validate --no-net "$metainfo" 2>&1); then
        fail "appstreamcli validate: $out"
    fi
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        || fail "metadata launches no $id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" \
        || fail "metadata has no release entry for version $version"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; installed files:"
    (cd "$prefix" && find . -type f | sort)
    exit 1
fi
echo "install into $prefix: all checks passed"
