#!/usr/bin/env bash
# A newcomer's first run: scripts/test.sh in a brand-new Debian 12 root (debootstrap minbase),
# on a clone of this checkout's HEAD, as root with a bare environment.
# Usage (as root): scripts/test-fresh-root.sh [folder, default /var/tmp/velmora-fresh-root]
# The folder is removed and made again on every run, so nothing of an earlier run is reused;
# it is left in place afterwards to look into. Exits with the status of scripts/test.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:-/var/tmp/velmora-fresh-root}
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it" >&2; exit 2; }
case "$target" in /|/var|/var/tmp|/tmp|"$root"*) echo "refusing to use $target" >&2; exit 2 ;; esac

# The Debian mirror this machine's apt uses, so the root is built from the same place.
sources=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
    2>/dev/null || true)
mirror=$(grep -oE 'https?://[^ ]+/debian/?( |$)' <<<"$sources" | head -n1 | tr -d ' ' || true)
mirror=${mirror%/}
security=$(grep -oE 'https?://[^ ]+/debian-security/?( |$)' <<<"$sources" | head -n1 | tr -d ' ' || true)
security=${security%/}
mirror=${mirror:-http://deb.debian.org/debian}
security=${security:-http://security.debian.org/debian-security}

if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] ||
    echo "note: uncommitted changes are not tested, only HEAD $(git -C "$root" rev-parse --short HEAD)"

mounts=()
unmount_all() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -R "${mounts[i]}" 2>/dev/null || umount -R -l "${mounts[i]}" || true
    done
    mounts=()
}
trap unmount_all EXIT
trap 'exit 130' INT TERM

if [ -e "$target" ]; then
    # A mount left by a killed run would let rm reach the host's /dev or /proc.
    if grep -q " $(realpath "$target")/" /proc/mounts; then
        echo "$target still has mounts; unmount them first" >&2
        exit 2
    fi
    rm -rf --one-file-system "$target"
fi
mkdir -p "$target"

echo "== debootstrap bookworm (minbase) from $mirror into $target"
debootstrap --variant=minbase bookworm "$target" "$mirror" >"$target.debootstrap.log" 2>&1 ||
    { tail -n 30 "$target.debootstrap.log"; exit 1; }
cat >"$target/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
cp /etc/resolv.conf "$target/etc/resolv.conf"
# No services start inside the root: there is no init to stop them again.
printf '#!/bin/sh\nexit 101\n' >"$target/usr/sbin/policy-rc.d"
chmod 755 "$target/usr/sbin/policy-rc.d"

echo "== clone of $(git -C "$root" rev-parse --short HEAD) into /root/velmora"
git clone --quiet --no-checkout "$root" "$target/root/velmora"
git -C "$target/root/velmora" fetch --quiet "$root" HEAD
git -C "$target/root/velmora" checkout --quiet --detach FETCH_HEAD

# /dev with its /dev/pts and /dev/shm (Xvfb and the sanitizers need them); rslave, so that
# unmounting here never reaches the host's mounts.
mount -t proc proc "$target/proc" && mounts+=("$target/proc")
mount -t sysfs sysfs "$target/sys" && mounts+=("$target/sys")
mount --rbind /dev "$target/dev" && mounts+=("$target/dev")
mount --make-rslave "$target/dev"

echo "== scripts/test.sh inside the root (log: $target/root/test.log)"
status=0
chroot "$target" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin CI=true LANG=C.UTF-8 \
    /bin/bash -c 'cd /root/velmora && scripts/test.sh' >"$target/root/test.log" 2>&1 || status=$?
# The CTest summary of each run, and what failed.
grep -E '^([0-9]+% tests passed|The following tests|[[:space:]]+[0-9]+ - |Total Test time)' \
    "$target/root/test.log" || tail -n 40 "$target/root/test.log"
echo "scripts/test.sh in a fresh root: exit status $status"
exit $status
