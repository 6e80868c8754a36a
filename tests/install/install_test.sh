#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed tree, and starts the installed
# editor offscreen: it must list its plug-ins from under the prefix and keep its INI files in the
# per-user configuration folder, none in the installed tree.
#   tests/install/install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/any prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

shipped=(bin/Pixador lib/pixador/libplugrun.so share/doc/pixador/manual.html
         share/applications/pixador.desktop share/icons/hicolor/scalable/apps/pixador.svg
         share/mime/packages/pixador.xml)
for p in outline checker gradient bw_dither; do shipped+=("lib/pixador/filters/$p.so"); done
for n in 16 32 48 64; do shipped+=("share/icons/hicolor/${n}x$n/apps/pixador.png"); done
[ -x "$build/bin/pxdtool" ] && shipped+=(bin/pxdtool)
for f in "${shipped[@]}"; do [ -f "$prefix/$f" ] || fail "$f is not installed"; done
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${shipped[@]}" | sort))
[ -z "$extra" ] || fail "installed but not shipped: $extra"

# The Debian package holds the same files under /usr.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack made no Debian package"
}
packaged=$(dpkg-deb -c "$work"/deb/pixador_*.deb | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./usr/||' | sort)
[ "$packaged" = "$(printf '%s\n' "${shipped[@]}" | sort)" ] || fail "the package differs from the install: $packaged"

desktop="$prefix/share/applications/pixador.desktop"
grep -qx 'Exec=Pixador %f' "$desktop" || fail "desktop entry does not start Pixador with a file"
grep -q '^Categories=Graphics;' "$desktop" || fail "desktop entry is not in Graphics"
grep -qx 'MimeType=application/x-pixador-sprite;' "$desktop" || fail "desktop entry lacks the .pxd type"
if command -v update-mime-database >/dev/null; then
    cp -r "$prefix/share/mime" "$work/mime"
    update-mime-database "$work/mime" 2>/dev/null
    grep -q 'application/x-pixador-sprite:\*\.pxd' "$work/mime/globs2" || fail "MIME database has no *.pxd"
fi

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
out=$(timeout 60 "$prefix/bin/Pixador" --self-check 2>"$work/stderr") || {
    cat "$work/stderr" >&2
    fail "the installed Pixador failed its self-check: $out"
}
echo "$out"
[ "$(grep -c '^plug-in: ' <<<"$out")" -eq 4 ] || fail "the installed Pixador does not list the four sample plug-ins"
grep -qx "settings: $XDG_CONFIG_HOME/Pixador" <<<"$out" || fail "settings are not in the per-user folder"
for ini in Pixador.ini PxdWinPos.ini QAccess.ini; do
    [ -f "$XDG_CONFIG_HOME/Pixador/$ini" ] || fail "$ini was not written in the per-user folder"
done
stray=$(find "$prefix" -name '*.ini')
[ -z "$stray" ] || fail "INI files written into the installed tree: $stray"
echo "installed program runs from $prefix"
