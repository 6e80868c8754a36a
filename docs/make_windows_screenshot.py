#!/usr/bin/python3
"""Takes the manual's picture of Pixador on Windows: the unpacked zip under Wine, on a Wine
desktop of its own inside Xvfb (the real Windows platform plug-in, Windows' title bars),
opening the robot given on the command line.

    docs/make_windows_screenshot.py [BUILD_DIR [PICTURE]]
        BUILD_DIR  default build-windows (run scripts/windows_check.sh --editor first)
        PICTURE    default docs/manual/windows_main_window.png

It stops with an error when the program does not show the sprite, so the Windows check runs it
as the test that the editor starts on a Windows desktop and opens the file it is given.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from PIL import Image, ImageChops

sys.path.insert(0, str(Path(__file__).resolve().parent))
from make_screenshots import OUT, ROBOT, free_display, picture, run  # noqa: E402

DESKTOP = (1000, 740)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def unpacked_zip(build, work):
    zips = sorted(build.glob("Pixador-*-windows-x64.zip"))
    if not zips:
        sys.exit(f"no Pixador-*-windows-x64.zip in {build}: run scripts/windows_check.sh --editor first")
    folder = work / "Pixador"
    folder.mkdir()
    run("cmake", "-E", "tar", "xf", str(zips[-1]), cwd=folder)
    return folder


# The canvas colours of white, light and dark gray (the LCD colours Pixador starts with).
WHITE, LIGHT, DARK = (0xA0, 0xB4, 0x8C), (0x87, 0x98, 0x77), (0x68, 0x75, 0x5A)


def shows(img, colours, least):
    counts = {colour: n for n, colour in img.getcolors(1 << 20)}
    return all(counts.get(c, 0) > least for c in colours)


def wait_for(shot, env, colours, least, what):
    for _ in range(60):
        time.sleep(1)
        if shows(screen(shot, env), colours, least):
            return
    sys.exit(f"Pixador.exe did not show {what}; the last screen is {shot}")


def screen(shot, env):
    run("import", "-window", "root", str(shot), env=env)
    return Image.open(shot).convert("RGB")


def main():
    build = Path(sys.argv[1] if len(sys.argv) > 1 else "build-windows").resolve()
    wine = shutil.which("wine64") or "/usr/lib/wine/wine64"
    work = Path(tempfile.mkdtemp(prefix="pixador-winshot-"))
    display = free_display()
    env = dict(os.environ, DISPLAY=f":{display}", WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
               WINEPREFIX=str(build / "wineprefix"))
    env.pop("QT_QPA_PLATFORM", None)
    xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", f"{DESKTOP[0]}x{DESKTOP[1]}x24",
                             "-nolisten", "tcp", "-noreset"], stderr=subprocess.DEVNULL)
    app = None
    try:
        # Every Windows has Marlett, which draws the title bar's buttons; this Wine does not
        # find the copy its font package installs.
        fonts = Path(env["WINEPREFIX"]) / "drive_c" / "windows" / "Fonts"
        for font in Path("/usr/share/wine/fonts").glob("*.ttf"):
            shutil.copy2(font, fonts / font.name)
        folder = unpacked_zip(build, work)
        picture(ROBOT, work / "robot.png")
        # Where a Windows user keeps sprites, for the title bar.
        sprites = Path(env["WINEPREFIX"]) / "drive_c" / "Sprites"
        sprites.mkdir(exist_ok=True)
        robot = r"C:\Sprites\robot.pxd"
        run(wine, str(folder / "pxdtool.exe"), "convert", windows_path(work / "robot.png"), robot,
            env=env, stdout=subprocess.DEVNULL)
        # A desktop of Wine's own draws the windows' frames as Windows does; there is no window
        # manager here to draw them.
        app = subprocess.Popen([wine, "explorer", f"/desktop=Pixador,{DESKTOP[0]}x{DESKTOP[1]}",
                                str(folder / "Pixador.exe"), robot],
                               env=env, cwd=work, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shot = build / "windows_screen.png"  # kept: the last screen when the robot never shows
        wait_for(shot, env, [WHITE], 20000, "its canvas")
        # Zoom 8 shows the whole robot, and a preview beside it, as in the other pictures. The
        # keys reach the window under the pointer: there is no window manager to give focus.
        time.sleep(2)
        run("xdotool", "mousemove", "600", "500", env=env)
        run("xdotool", "key", "--delay", "50", *["ctrl+minus"] * 16, "F11", env=env)
        # More of both grays than the colour window's squares hold: the robot is on the canvas.
        wait_for(shot, env, [LIGHT, DARK], 1500, "the robot")
        time.sleep(2)  # the tool windows finish drawing
        out = Path(sys.argv[2]) if len(sys.argv) > 2 else OUT / "windows_main_window.png"
        img = screen(shot, env)
        # The main window alone: all that differs from the desktop's colour in its far corner.
        desktop = Image.new("RGB", img.size, img.getpixel((img.width - 1, img.height - 1)))
        img.crop(ImageChops.difference(img, desktop).getbbox()).save(out, optimize=True)
        print(f"ok: Pixador.exe on a Windows desktop opens the sprite it is given ({out})")
    finally:
        if app:
            app.terminate()
        subprocess.run([shutil.which("wineserver") or "/usr/lib/wine/wineserver", "-k"], env=env)
        xvfb.terminate()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
