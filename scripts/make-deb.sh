#!/usr/bin/env bash
# Builds Velmora in Release mode and packs it into a Debian package (velmora_<version>_amd64.deb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-release}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMORA_SANITIZE=OFF
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)

deb=$(ls -t "$build"/velmora_*.deb | head -n 1)
# A package that installs but cannot start is worse than none: every Qt library a program
# needs (libQt6Foo.so.6 comes in libqt6foo6) and the platform plugins must be declared.
depends=$(dpkg-deb --field "$deb" Depends)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
needed=$(for program in "$unpacked"/usr/bin/*; do
    objdump -p "$program" | sed -n 's/^ *NEEDED *libQt6\([A-Za-z]*\)\.so\.6$/libqt6\L\1\E6/p'
done | sort -u)
for package in $needed qt6-qpa-plugins; do
    if ! grep -Eq "(^|, )$package( |,|$)" <<<"$depends"; then
        echo "error: $deb does not depend on $package" >&2
        exit 1
    fi
done
echo "Package: $deb"
echo "Depends: $depends"
