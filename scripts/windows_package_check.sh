#!/usr/bin/env bash
# Pixador for Windows as a user gets it, checked under Wine: makes the zip and the installer
# from a Windows build folder, then
#  - every .exe and .dll in the unpacked zip imports only DLLs that are in the folder or part
#    of Windows;
#  - the unpacked Pixador.exe answers --version and its self-check lists the four sample
#    plug-ins (filters\*.dll through plugrun.dll) and the settings folder;
#  - the installer installs silently, the installed program answers its self-check, and the
#    uninstaller removes what was installed and leaves the user's settings.
#   scripts/windows_package_check.sh BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "$1" && pwd)
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
(cd "$build" && cpack -C Release >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack made no packages"; }
zip=$build/Pixador-$version-windows-x64.zip
setup=$build/Pixador-$version-setup.exe
[ -f "$zip" ] || fail "no $zip"
[ -f "$setup" ] || fail "no $setup"
echo "made ${zip##*/} ($(du -k "$zip" | cut -f1) KiB) and ${setup##*/} ($(du -k "$setup" | cut -f1) KiB)"

folder=$work/Pixador
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip")
for f in Pixador.exe pxdtool.exe plugrun.dll Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
         manual.html LICENSE.txt licenses/qt/LGPL-3.0-only.txt filters/outline.dll filters/checker.dll \
         filters/gradient.dll filters/bw_dither.dll; do
    [ -f "$folder/$f" ] || fail "the zip lacks $f"
done
ls "$folder"/styles/*.dll >/dev/null 2>&1 || fail "the zip lacks the Windows style plug-in"

# Windows' own DLLs that a program may import; anything else must travel in the folder.
system_dlls=" advapi32.dll authz.dll comctl32.dll comdlg32.dll d3d9.dll d3d11.dll d3d12.dll dwmapi.dll dwrite.dll
 dxgi.dll gdi32.dll imm32.dll kernel32.dll mpr.dll msvcrt.dll netapi32.dll ntdll.dll ole32.dll oleaut32.dll
 setupapi.dll shcore.dll shell32.dll shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll
 ws2_32.dll wtsapi32.dll bcrypt.dll crypt32.dll secur32.dll "
system_dlls=${system_dlls//$'\n'/ }
shipped=" $(cd "$folder" && find . -iname '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z' | tr '\n' ' ') "
while IFS= read -r -d '' binary; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
        [[ $system_dlls == *" $dll "* || $shipped == *" $dll "* || $dll == api-ms-win-* ]] ||
            fail "${binary#$folder/} imports $dll, which is neither in the folder nor part of Windows"
    done
done < <(find "$folder" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
echo "ok: every program and library in the zip finds the DLLs it imports"

# Wine shows the root folder as drive Z:.
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }
[ "$("$wine" "$folder/Pixador.exe" --version | tr -d '\r')" = "Pixador $version" ] ||
    fail "Pixador.exe --version does not answer $version"
self_check() {  # folder where Pixador.exe is
    QT_QPA_PLATFORM=offscreen timeout 120 "$wine" "$1/Pixador.exe" --self-check 2>"$work/stderr" | tr -d '\r'
}
out=$(self_check "$folder") || { cat "$work/stderr" >&2; fail "the unpacked Pixador.exe failed its self-check"; }
echo "$out"
[ "$(grep -c '^plug-in: ' <<<"$out")" -eq 4 ] || fail "the unpacked Pixador.exe does not list the four sample plug-ins"
grep -q '^settings: ' <<<"$out" || fail "the unpacked Pixador.exe names no settings folder"
echo "ok: the unpacked Pixador.exe answers and lists its plug-ins"

# NSIS wants /D last and unquoted; the uninstaller runs in place (_?=) so Wine waits for it.
target=$work/installed
"$wine" "$setup" /S "/D=$(windows_path "$target")" || fail "the installer failed"
[ -f "$target/Pixador.exe" ] && [ -f "$target/Uninstall.exe" ] || fail "the installer put no Pixador.exe and uninstaller in $target"
out=$(self_check "$target") || { cat "$work/stderr" >&2; fail "the installed Pixador.exe failed its self-check"; }
[ "$(grep -c '^plug-in: ' <<<"$out")" -eq 4 ] || fail "the installed Pixador.exe does not list the four sample plug-ins"
settings=$(sed -n 's/^settings: //p' <<<"$out" | tr -d '\r')
association=$("$wine" reg query 'HKCR\.pxd' /ve 2>/dev/null | tr -d '\r' || true)
grep -q 'Pixador.Sprite' <<<"$association" || fail ".pxd is not associated with Pixador: $association"
"$wine" "$target/Uninstall.exe" /S "_?=$(windows_path "$target")" || fail "the uninstaller failed"
rm -f "$target/Uninstall.exe"  # run in place, it cannot remove itself
left=$(cd "$target" 2>/dev/null && find . -type f ! -iname '*.ini' | head -n 5 || true)
[ -z "$left" ] || fail "the uninstaller left installed files: $left"
! "$wine" reg query 'HKCR\Pixador.Sprite' >/dev/null 2>&1 || fail "the uninstaller left the file type"
echo "ok: the installer installs (settings in $settings), the uninstaller removes what it installed"
