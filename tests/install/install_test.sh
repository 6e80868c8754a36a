#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed tree with the tools Debian
# checks packages with (lintian, desktop-file-validate, appstreamcli, man), and starts the
# installed editor offscreen: it must list its plug-ins from under the prefix and keep its INI
# files in the per-user configuration folder, none in the installed tree.
#   tests/install/install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/any prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

shipped=(bin/Pixador lib/pixador/libplugrun.so share/doc/pixador/manual.html
         share/doc/pixador/copyright share/doc/pixador/changelog.gz
         share/man/man1/Pixador.1.gz share/man/man1/pxdtool.1.gz
         share/applications/pixador.desktop share/icons/hicolor/scalable/apps/pixador.svg
         share/mime/packages/pixador.xml share/metainfo/org.pixador.Pixador.metainfo.xml)
for shot in "$source_dir"/docs/manual/*.png; do shipped+=("share/doc/pixador/manual/${shot##*/}"); done
for p in outline checker gradient bw_dither; do shipped+=("lib/pixador/filters/$p.so"); done
for n in 16 32 48 64; do shipped+=("share/icons/hicolor/${n}x$n/apps/pixador.png"); done
[ -x "$build/bin/pxdtool" ] && shipped+=(bin/pxdtool)
for f in "${shipped[@]}"; do [ -f "$prefix/$f" ] || fail "$f is not installed"; done
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${shipped[@]}" | sort))
[ -z "$extra" ] || fail "installed but not shipped: $extra"

# Every picture the manual shows is there, beside the program in the build tree and installed.
for manual in "$build/bin/manual.html" "$prefix/share/doc/pixador/manual.html"; do
    for picture in $(grep -o 'src="[^"]*"' "$manual" | cut -d'"' -f2); do
        [ -f "$(dirname "$manual")/$picture" ] || fail "$manual shows $picture, which is missing"
    done
done

# The Debian package holds the same files under /usr.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack made no Debian package"
}
packaged=$(dpkg-deb -c "$work"/deb/pixador_*.deb | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./usr/||' | sort)
[ "$packaged" = "$(printf '%s\n' "${shipped[@]}" | sort)" ] || fail "the package differs from the install: $packaged"

# lintian's errors and warnings fail; what it says only for information is explained in README.md.
# The package that ships is the release build's; a sanitized build's programs are not for users.
if ! grep -qx 'PIXADOR_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
    lint=$(lintian --no-tag-display-limit "$work"/deb/pixador_*.deb 2>&1 | grep -v 'running with root privileges' || true)
    ! grep -E '^[EW]: ' <<<"$lint" || fail "lintian finds errors or warnings in the package"
fi
deb_version=$(dpkg-deb -f "$work"/deb/pixador_*.deb Version)
changelog_version=$(zcat "$prefix/share/doc/pixador/changelog.gz" | sed -n '1s/^pixador (\([^)]*\)).*/\1/p')
metainfo="$prefix/share/metainfo/org.pixador.Pixador.metainfo.xml"
release_version=$(grep -m1 -o '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
[ "$changelog_version" = "$deb_version" ] && [ "$release_version" = "$deb_version" ] ||
    fail "version $deb_version, but the changelog says $changelog_version and AppStream $release_version"

desktop="$prefix/share/applications/pixador.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli rejects the AppStream metadata"
grep -q '<launchable type="desktop-id">pixador.desktop</launchable>' "$metainfo" || fail "AppStream does not name the desktop entry"
grep -q '<mediatype>application/x-pixador-sprite</mediatype>' "$metainfo" || fail "AppStream does not name the .pxd type"

# The manual pages read without a warning, and every command and option that pxdtool's --help
# prints is in its page.
for page in Pixador pxdtool; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page(1): $warnings"
done
pxdtool_page=$(zcat "$prefix/share/man/man1/pxdtool.1.gz" | groff -man -Tascii -P-c -rHY=0 -rLL=250n 2>/dev/null | col -b)
commands=$("$prefix/bin/pxdtool" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "pxdtool --help lists no commands"
for command in "" $commands; do
    [ -z "$command" ] || grep -qE "^ +$command( |$)" <<<"$pxdtool_page" || fail "pxdtool(1) does not describe the command $command"
    options=$("$prefix/bin/pxdtool" $command --help | grep -oE -- '(^|[^a-zA-Z0-9-])--?[a-z][a-z-]*' | sed 's/^[^-]*//' | sort -u || true)
    for option in $options; do
        grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$pxdtool_page" || fail "pxdtool(1) lacks $option of pxdtool $command --help"
    done
done
for program in Pixador pxdtool; do
    [ "$(QT_QPA_PLATFORM=offscreen "$prefix/bin/$program" --version)" = "$program $deb_version" ] ||
        fail "$program --version does not print the package's version $deb_version"
done
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

# Native on a Wayland desktop: the same check on a headless compositor.
wayland_runtime="$work/wayland"
mkdir -m 700 "$wayland_runtime"
socket=pixador-$$
weston_log="$work/weston.log"
for backend in headless headless-backend.so; do
    XDG_RUNTIME_DIR=$wayland_runtime weston --backend=$backend --socket=$socket --idle-time=0 >"$weston_log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 100); do
        [ -S "$wayland_runtime/$socket" ] || ! kill -0 $weston_pid 2>/dev/null && break
        sleep 0.1
    done
    [ -S "$wayland_runtime/$socket" ] && break
    wait $weston_pid 2>/dev/null || true
done
[ -S "$wayland_runtime/$socket" ] || { cat "$weston_log" >&2; fail "weston did not start headless"; }
# errexit holds in the trap too: a compositor that is already gone must not fail the test.
trap 'kill $weston_pid 2>/dev/null || true; rm -rf "$work"' EXIT
# Pixador draws in software; without a client buffer integration Qt loads no EGL. Mesa's
# driver, which EGL loads and unloads before exit, leaves allocations LeakSanitizer can no
# longer name, so cannot be told apart from Pixador's.
out=$(XDG_RUNTIME_DIR=$wayland_runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
      QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none timeout 60 "$prefix/bin/Pixador" --self-check 2>"$work/stderr") || {
    cat "$work/stderr" >&2
    fail "the installed Pixador failed its self-check on Wayland: $out"
}
[ "$(grep -c '^plug-in: ' <<<"$out")" -eq 4 ] || fail "on Wayland the installed Pixador does not list its plug-ins"
echo "installed program runs on Wayland"
