#!/usr/bin/env bash
# Runs ./test.sh and ./run.sh --version on Debian 13 (trixie): in a minimal Debian 13 root made
# once with debootstrap from this machine's own Debian archive and kept in a cache folder outside
# the clone (PIXADOR_CACHE, default ~/.cache/pixador), refreshed with apt on every run. The tree
# is copied in fresh each time; only /proc and /dev are mounted, and unmounted on every exit.
# Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$PWD

cache=${PIXADOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pixador}
root=$cache/debian13-root
./scripts/install_deps.sh debootstrap rsync

if [ ! -x "$root/usr/bin/apt-get" ]; then
    archive=$(./scripts/debian_archive.sh)
    echo "Making a Debian 13 root in $root from $archive"
    rm -rf "$root.partial"
    mkdir -p "$cache"
    # Made aside and moved into place whole, so an interrupted run never leaves half a root.
    debootstrap --variant=minbase trixie "$root.partial" "$archive" >"$cache/debootstrap.log" 2>&1 ||
        { tail -20 "$cache/debootstrap.log"; exit 1; }
    mv "$root.partial" "$root"
fi

mounted=()
unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -R "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
    done
}
trap unmount_all EXIT
mount_into() {  # what(proc|dev) where
    if [ "$1" = proc ]; then
        mount -t proc proc "$2"
    else
        # A slave copy: unmounting it can never take the host's /dev/pts or /dev/shm along.
        mount --rbind /dev "$2"
        mount --make-rslave "$2"
    fi
    mounted+=("$2")
}
mount_into proc "$root/proc"
mount_into dev "$root/dev"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

in_root() {  # command...
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
        PIXADOR_WERROR="${PIXADOR_WERROR:-}" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

echo "Refreshing the Debian 13 root's packages"
in_root bash -c 'export DEBIAN_FRONTEND=noninteractive
                 apt-get update -q >/dev/null && apt-get upgrade -y -q >/dev/null &&
                 apt-get install -y -q --no-install-recommends git ca-certificates >/dev/null'

# The tree as a clone holds it: tracked files and new ones not ignored, no build folders.
work=$root/root/pixador
rm -rf "$work"
mkdir -p "$work"
git -C "$tree" ls-files -z --cached --others --exclude-standard |
    rsync -a --from0 --files-from=- "$tree/" "$work/"

echo "Debian 13: ./test.sh"
in_root bash -c 'cd /root/pixador && ./test.sh'
echo "Debian 13: ./run.sh --version"
in_root bash -c 'cd /root/pixador && ./run.sh --version'
echo "Debian 13: every check passed"
