#!/usr/bin/env bash
# Usage: install-check.sh <build folder> <project version> [extra program ...]
# Installs the build into a scratch prefix, then checks the files a desktop and a
# software centre read: programs, desktop entry, icons at their sizes, AppStream data, and the
# model files' MIME type, icon and examples as a desktop finds them.
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

# Model files: the MIME type, its icon, the examples, and what a desktop makes of them.
mimexml=$prefix/share/mime/packages/$id.xml
examples=$prefix/share/velmora/examples
[ -f "$mimexml" ] || fail "MIME definition share/mime/packages/$id.xml missing"
for name in default declining oscillating harvest-below-limit harvest-above-limit \
    growth-and-harvest-exercise loggerhead-elasticity-exercise; do
    [ -f "$examples/$name.velmora" ] || fail "example $name.velmora missing"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/mimetypes/application-x-velmora.png
    if [ ! -f "$icon" ]; then
        fail "file type icon ${size}x${size} missing"
    elif [ "$(pngSize "$icon")" != "${size}x${size}" ]; then
        fail "file type icon in ${size}x${size} is $(pngSize "$icon")"
    fi
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/mimetypes/application-x-velmora.svg" 2>/dev/null \
    || fail "scalable file type icon missing"
if [ -f "$desktop" ]; then
    grep -qx 'MimeType=application/x-velmora;' "$desktop" || fail "desktop entry names no MimeType"
    grep -qx 'Exec=velmora %f' "$desktop" || fail "desktop entry does not pass the file: $(grep ^Exec= "$desktop")"
fi
if [ -f "$mimexml" ]; then
    # A desktop that looks only at the prefix, with nothing of the user's or the session's.
    desktopEnv() {
        env -u DISPLAY -u WAYLAND_DISPLAY -u DESKTOP_SESSION -u KDE_FULL_SESSION \
            -u GNOME_DESKTOP_SESSION_ID -u MATE_DESKTOP_SESSION_ID XDG_CURRENT_DESKTOP= \
            XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$scratch/data" \
            XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/config" "$@"
    }
    # What the dpkg triggers run on a system: here on the prefix alone. Warnings are faults.
    if ! out=$(desktopEnv update-mime-database "$prefix/share/mime" 2>&1) || [ -n "$out" ]; then
        fail "update-mime-database: $out"
    fi
    [ -f "$prefix/share/mime/application/x-velmora.xml" ] || fail "update-mime-database made no application/x-velmora"
    update-desktop-database "$prefix/share/applications" || fail "update-desktop-database failed"
    for name in declining harvest-above-limit; do
        type=$(desktopEnv xdg-mime query filetype "$examples/$name.velmora" 2>&1) || true
        [ "$type" = application/x-velmora ] || fail "xdg-mime query filetype $name.velmora: $type"
    done
    app=$(desktopEnv xdg-mime query default application/x-velmora 2>&1) || true
    [ "$app" = "$id.desktop" ] || fail "xdg-mime query default application/x-velmora: $app"
    echo "xdg-mime: $examples/declining.velmora is $type, opened by $app"
fi
if [ -x "$prefix/bin/velmora-cli" ]; then
    for example in "$examples"/*.velmora; do
        "$prefix/bin/velmora-cli" analyse --model "$example" >/dev/null \
            || fail "velmora-cli does not read the installed $(basename "$example")"
    done
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; installed files:"
    (cd "$prefix" && find . -type f | sort)
    exit 1
fi
echo "install into $prefix: all checks passed"
