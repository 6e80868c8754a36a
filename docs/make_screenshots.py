#!/usr/bin/python3
"""Takes the manual's pictures from the real program under Xvfb, into docs/manual/.

    docs/make_screenshots.py [BUILD_DIR]     (default: build; run ./scripts/build.sh first)

It runs with Debian's /usr/bin/python3, where python3-pil installs Pillow.

Each picture is one state of Pixador reached with the keys a user would press. A dialog or menu
is cut out of the screen by comparing it with the screen before it opened. The script stops
with an error when the program does not start or a window does not appear.
"""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw

DOCS = Path(__file__).resolve().parent
ROOT = DOCS.parent
OUT = DOCS / "manual"
SCREEN = (1024, 768)

# The sprite shown in every picture: a 32 x 24 robot, one character per pixel
# (' ' white, '.' light gray, '+' dark gray, '#' black).
ROBOT = [
    "                                ",
    "               ##               ",
    "               ##               ",
    "           ##########           ",
    "          #..........#          ",
    "         #.##......##.#         ",
    "         #.##......##.#         ",
    "         #............#         ",
    "         #...######...#         ",
    "          #..........#          ",
    "           ##########           ",
    "      ####++++++++++++####      ",
    "     #...#+..........+#...#     ",
    "     #...#+.##....##.+#...#     ",
    "     #...#+.##....##.+#...#     ",
    "     ##+##+..........+##+##     ",
    "     #.+.#++++++++++++#.+.#     ",
    "      ###  #........#  ###      ",
    "           #.######.#           ",
    "           #.#    #.#           ",
    "          ##.#    #.##          ",
    "         #++++#  #++++#         ",
    "         ######  ######         ",
    "                                ",
]
GRAYS = {" ": 255, ".": 170, "+": 85, "#": 0}


def run(*args, **kw):
    return subprocess.run(args, check=True, **kw)


def free_display():
    """A display number 400-899 that no lock file and no socket (abstract ones too) claims."""
    taken = {line.split()[-1].lstrip("@") for line in Path("/proc/net/unix").read_text().splitlines()[1:]
             if len(line.split()) > 7}
    for n in random.sample(range(400, 900), 500):
        if not Path(f"/tmp/.X{n}-lock").exists() and f"/tmp/.X11-unix/X{n}" not in taken:
            return n
    sys.exit("no free X display between 400 and 899")


def picture(rows, path, mode="L"):
    img = Image.new(mode, (len(rows[0]), len(rows)))
    img.putdata([GRAYS[c] for row in rows for c in row])
    img.save(path)


class Session:
    def __init__(self, build, work):
        self.work = work
        self.display = free_display()
        self.env = dict(os.environ, DISPLAY=f":{self.display}", HOME=str(work / "home"),
                        XDG_CONFIG_HOME=str(work / "config"), LC_ALL="C.UTF-8")
        self.env.pop("QT_QPA_PLATFORM", None)
        (work / "home").mkdir()
        # A copy of the program, so its settings files land in the copy, not the build tree.
        app = work / "app"
        app.mkdir()
        for name in ("Pixador", "libplugrun.so", "filters"):
            src = build / "bin" / name
            (shutil.copytree if src.is_dir() else shutil.copy2)(src, app / name)
        self.xvfb = subprocess.Popen(["Xvfb", f":{self.display}", "-screen", "0",
                                      f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp", "-noreset"],
                                     stderr=subprocess.DEVNULL)
        for _ in range(50):
            if Path(f"/tmp/.X11-unix/X{self.display}").exists():
                break
            time.sleep(0.1)
        else:
            sys.exit("Xvfb did not start")
        self.start()

    def start(self):
        """Starts Pixador on the robot, in a window of its own size at the screen's corner."""
        self.app = subprocess.Popen([str(self.work / "app" / "Pixador"), str(self.work / "robot.pxd")],
                                    env=self.env, cwd=self.work, stdout=subprocess.DEVNULL,
                                    stderr=open(self.work / "pixador.log", "a"))
        self.window = self.wait_window("Pixador Sprite Editor")
        self.xdo("windowsize", self.window, "1000", "740")
        self.xdo("windowmove", self.window, "0", "0")
        self.settle(1.0)
        self.clean = self.main_window()

    def restart(self):
        """A fresh program, so that no dialog left open shows in the next picture."""
        self.app.kill()
        self.app.wait()
        self.start()

    def close(self):
        for p in (self.app, self.xvfb):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()

    def xdo(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True,
                              capture_output=True, text=True).stdout.strip()

    def wait_window(self, name, seconds=15):
        end = time.time() + seconds
        while time.time() < end:
            if self.app.poll() is not None:
                log = (self.work / "pixador.log").read_text()
                sys.exit(f"Pixador stopped (status {self.app.returncode}) before '{name}' appeared\n{log}")
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=self.env,
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
            time.sleep(0.2)
        sys.exit(f"no window '{name}' appeared")

    def settle(self, seconds=0.6):
        time.sleep(seconds)

    def keys(self, *keys):
        """Types keys into the window that has the focus: the main window, or what it opened."""
        for k in keys:
            self.xdo("key", "--clearmodifiers", k)
            time.sleep(0.15)
        self.settle()

    def visible(self):
        return set(subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."], env=self.env,
                                  capture_output=True, text=True).stdout.split())

    def type_path(self, path, known):
        """Answers the file dialog that the last keys opened: the largest new top-level window."""
        end = time.time() + 15
        while not (self.visible() - known):
            if time.time() > end:
                sys.exit(f"no file dialog appeared for {path.name}")
            time.sleep(0.2)
        self.settle(1.0)
        # Qt gives the modal dialog the focus, on its file name box.
        self.xdo("type", "--delay", "20", str(path))
        self.settle(0.3)
        self.xdo("key", "Return")
        self.settle(1.5)

    def grab(self):
        raw = self.work / "screen.png"
        run("import", "-window", "root", str(raw), env=self.env)
        return Image.open(raw).convert("RGB")

    def main_window(self):
        geometry = self.xdo("getwindowgeometry", "--shell", self.window)
        g = dict(line.split("=") for line in geometry.splitlines())
        x, y, w, h = (int(g[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        self.origin = (x, y)
        return self.grab().crop((x, y, x + w, y + h))


def changed_part(before, after, name, margin=6):
    """The part of after that differs from before: the dialog or menu that opened."""
    box = ImageChops.difference(before, after).getbbox()
    if box is None:
        sys.exit(f"{name}: nothing appeared on the screen")
    left, top, right, bottom = box
    return after.crop((max(0, left - margin), max(0, top - margin),
                       min(after.width, right + margin), min(after.height, bottom + margin)))


def dialog_part(before, after, name, margin=2):
    """The active sub-window (a dialog): its highlighted title bar, down to the lowest change."""
    left, top, right, bottom = dialog_box(before, after, name)
    return after.crop((max(0, left - margin), max(0, top - margin),
                       min(after.width, right + margin), min(after.height, bottom + margin)))


def dialog_box(before, after, name):
    """The active sub-window's box: its highlighted title bar, then down its left margin (left of
    the title's icon), which shows the dialog's background colour down to its bottom edge."""
    pixels = after.load()
    blue = lambda p: p[2] > 150 and p[2] - p[0] > 90 and p[1] > 100  # an active title bar
    xs, ys = [], []
    for y in range(after.height):
        for x in range(0, after.width, 2):
            if blue(pixels[x, y]):
                xs.append(x)
                ys.append(y)
    if not xs or ImageChops.difference(before, after).getbbox() is None:
        sys.exit(f"{name}: no dialog appeared")
    left, right, top = min(xs), max(xs) + 2, min(ys)
    x, y = left + 2, top + 3
    while y < after.height and blue(pixels[x, y]):
        y += 1
    y += 4
    background = pixels[x, y]
    while y < after.height and sum(abs(a - b) for a, b in zip(pixels[x, y], background)) < 12:
        y += 1
    return left, top, right, y + 1


def save(img, name):
    img.save(OUT / f"{name}.png", optimize=True)
    print(f"docs/manual/{name}.png  {img.width}x{img.height}")


def shoot(s, name, keys, path=None, close=("Escape",), whole=False, cut=dialog_part):
    """Presses keys (and answers a file dialog with path), saves what appeared, closes it."""
    if cut is dialog_part:
        s.restart()
    before = s.main_window() if cut is changed_part else s.clean
    known = s.visible()
    s.xdo("windowfocus", "--sync", s.window)
    s.keys(*keys)
    if path is not None:
        s.type_path(path, known)
    after = s.main_window()
    save(after if whole else cut(before, after, name), name)
    if close:
        s.keys(*close)
    return after


def make_inputs(work):
    picture(ROBOT, work / "robot.png")
    pxdtool = work / "pxdtool"
    run(str(pxdtool), "convert", str(work / "robot.png"), str(work / "robot.pxd"))
    # A second sprite of the same size for the mask and the merge: a checkered visor band.
    band = [row if 3 <= y <= 10 else " " * 32 for y, row in enumerate(
        ["".join("#" if (x // 4 + y // 4) % 2 else "." for x in range(32)) for y in range(24)])]
    picture(band, work / "band.png")
    run(str(pxdtool), "convert", str(work / "band.png"), str(work / "band.pxd"))
    # A 256-colour bitmap to capture from: the robot on a shaded ground, with a sun.
    scene = Image.new("L", (160, 120), 235)
    d = ImageDraw.Draw(scene)
    for y in range(80, 120):
        d.line((0, y, 159, y), fill=200 - (y - 80) * 3)
    d.ellipse((110, 10, 145, 45), fill=150, outline=40)
    robot = Image.open(work / "robot.png").resize((64, 48), Image.NEAREST)
    scene.paste(robot, (40, 50))
    scene.convert("RGB").quantize(256).save(work / "scene.bmp")
    # A C source with two arrays to import from.
    run(str(pxdtool), "export", "c", "--array-only", str(work / "robot.pxd"), "-o", str(work / "robot.c"))


def main():
    build = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build").resolve()
    if not (build / "bin" / "Pixador").exists():
        sys.exit(f"{build}/bin/Pixador is missing: run ./scripts/build.sh first")
    run(str(ROOT / "scripts" / "install_deps.sh"), "xdotool")
    OUT.mkdir(exist_ok=True)
    work = Path(tempfile.mkdtemp(prefix="pixador-shots-"))
    try:
        shutil.copy2(build / "bin" / "pxdtool", work / "pxdtool")
        make_inputs(work)
        merge_pictures(work)
        s = Session(build, work)
        try:
            take_all(s, work)
        finally:
            s.close()
    finally:
        shutil.rmtree(work, ignore_errors=True)


def take_all(s, work):
    # Zoom 8 shows the whole robot on the canvas; a preview beside it.
    s.xdo("windowfocus", "--sync", s.window)
    s.keys(*["ctrl+minus"] * 16, "F11")
    save(s.main_window(), "main_window")

    for name, key in (("menu_file", "alt+f"), ("menu_edit", "alt+e"), ("menu_sprite", "alt+s"),
                      ("menu_options", "alt+o"), ("menu_view", "alt+v"), ("menu_help", "alt+h")):
        shoot(s, name, [key], close=("Escape", "Escape"), cut=changed_part)
    # Filters and Flip share their access key: Right opens the first item, Filters.
    shoot(s, "menu_filters", ["alt+s", "Right"], close=("Escape", "Escape", "Escape"), cut=changed_part)

    shoot(s, "irreversible_question", ["ctrl+n"], cut=changed_part)
    shoot(s, "new_sprite", ["ctrl+n", "Return"])
    shoot(s, "resize_canvas", ["ctrl+r"])
    shoot(s, "custom_shift", ["alt+s", "s", "c"])
    shoot(s, "noise", ["alt+s", "Right", "n"])
    shoot(s, "waves", ["alt+s", "Right", "w"])
    shoot(s, "configuration_general", ["F9"])
    shoot(s, "configuration_code", ["F9", "alt+c"])
    shoot(s, "bitmap_export", ["ctrl+b"])
    shoot(s, "about", ["alt+h", "a"])
    shoot(s, "mask_panel", ["ctrl+m"])
    shoot(s, "plugins", ["alt+s", "Right", "p"])
    shoot(s, "import_c", ["ctrl+u", "Return"], path=work / "robot.c")
    shoot(s, "bitmap_capture", ["ctrl+i", "Return"], path=work / "scene.bmp")
    shoot(s, "merge", ["shift+Insert", "Return"], path=work / "band.pxd")

    # The capture dialog with its C bitmap export tool switched on: a click on its check box,
    # at the dialog's lower left corner.
    s.restart()
    known = s.visible()
    s.xdo("windowfocus", "--sync", s.window)
    s.keys("ctrl+i", "Return")
    s.type_path(work / "scene.bmp", known)
    left, top, right, bottom = dialog_box(s.clean, s.main_window(), "bitmap_capture_map")
    s.xdo("mousemove", s.origin[0] + left + 20, s.origin[1] + bottom - 22, "click", "1")
    s.settle()
    save(dialog_part(s.clean, s.main_window(), "bitmap_capture_map"), "bitmap_capture_map")

    # A filter, before and after.
    # The canvas sub-window opens at the same place on every start.
    canvas = (205, 80, 485, 360)
    s.restart()
    s.xdo("windowfocus", "--sync", s.window)
    s.keys(*["ctrl+minus"] * 16)
    save(s.main_window().crop(canvas), "filter_before")
    s.keys("alt+s", "Right", "w", "Return")
    save(s.main_window().crop(canvas), "filter_after")
    s.restart()
    shoot(s, "code_window", ["ctrl+g"], close=None, whole=True)


def merge_pictures(work):
    """What each merge arrangement makes of the robot (current) and the band (file), as drawn
    rows at four screen pixels a sprite pixel."""
    robot = Image.open(work / "robot.png")
    band = Image.open(work / "band.png")
    rows_of = lambda img: [img.crop((0, y, img.width, y + 1)) for y in range(img.height)]
    current, file = rows_of(robot), rows_of(band)
    interlace = lambda a, b: [r for pair in zip(a, b) for r in pair]
    for mode, rows in enumerate((current + file, file + current,
                                 interlace(file, current), interlace(current, file))):
        img = Image.new("L", (32, len(rows)))
        for y, row in enumerate(rows):
            img.paste(row, (0, y))
        img = img.resize((img.width * 4, img.height * 4), Image.NEAREST)
        save(img.convert("RGB"), f"merge_mode_{mode}")


if __name__ == "__main__":
    main()
