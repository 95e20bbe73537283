"""Drives build/orvik on a private X desktop as a person would.

Xvfb with the openbox window manager and the trayer notification area; input
through xdotool; windows found and read through the accessibility bus
(AT-SPI, this script runs inside dbus-run-session). The program is started,
its splash ended with a click, and every row of menu-entries.tsv opened from
the tray icon's menu: the window must appear with its caption and size, show
in the accessibility tree, and close again. A right click on the tray icon
ends the program, which must exit cleanly. Any crash, missing window or
wrong size fails the run.

Usage: desktop_test.py PROGRAM TABLE [SCREENSHOT_DIR]
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

SCREEN = (1024, 768)
SPLASH_CLICK = (512, 380)
TRAY_ICON = (1011, 756)
TRAY_HEIGHT = 24


class Failure(Exception):
    pass


def run(*args, check=True):
    result = subprocess.run(args, capture_output=True, text=True)
    if check and result.returncode != 0:
        raise Failure(f"{' '.join(args)} failed: {result.stderr.strip()}")
    return result.stdout


def wait_for(what, condition, timeout=10.0, step=0.1):
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(step)


def visible_windows(name):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                         capture_output=True, text=True).stdout
    return [w for w in out.split()]


def geometry(window):
    out = run("xdotool", "getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def click(x, y, button=1):
    run("xdotool", "mousemove", "--sync", str(x), str(y))
    time.sleep(0.1)
    run("xdotool", "click", str(button))


def start_x(screenshots):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    if not display:
        raise Failure("Xvfb did not start")
    os.environ["DISPLAY"] = f":{display}"
    return xvfb


class Desktop:
    def __init__(self, program, screenshots):
        self.program = program
        self.screenshots = screenshots
        self.processes = []
        self.config = tempfile.TemporaryDirectory(prefix="orvik-desktop-")

    def __enter__(self):
        try:
            self.start_desktop()
        except BaseException:
            self.__exit__()
            raise
        return self

    def start_desktop(self):
        self.processes.append(start_x(self.screenshots))
        self.processes.append(subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        wait_for("openbox", lambda: subprocess.run(["xdotool", "search", "--classname", "openbox"],
                                                   capture_output=True).returncode == 0)
        self.processes.append(subprocess.Popen(
            ["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width", "100",
             "--height", str(TRAY_HEIGHT)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for("the tray", lambda: visible_windows("panel"))

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        self.config.cleanup()

    def shot(self, name):
        if self.screenshots:
            subprocess.run(["import", "-window", "root", os.path.join(self.screenshots, name + ".png")],
                           capture_output=True)

    def start_program(self):
        env = dict(os.environ, ORVIK_CONFIG_DIR=self.config.name, ORVIK_MIDI="none", QT_QPA_PLATFORM="xcb",
                   QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.log = open(os.path.join(self.config.name, "program.log"), "w+")
        self.orvik = subprocess.Popen([self.program], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.processes.append(self.orvik)

    def check_alive(self, step):
        if self.orvik.poll() is not None:
            self.log.seek(0)
            raise Failure(f"the program ended ({self.orvik.returncode}) {step}:\n{self.log.read()[-3000:]}")


def accessible_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def find_accessible(root, name, showing=True):
    """The first accessible below root with this name (and showing)."""
    def matches(node):
        try:
            return node.name == name and (not showing or node.getState().contains(pyatspi.STATE_SHOWING))
        except Exception:
            return False
    return pyatspi.findDescendant(root, matches, True) if root is not None else None


def accessible_frame(pid, caption):
    app = accessible_app(pid)
    if app is None:
        return None
    for frame in app:
        try:
            if frame is not None and frame.name == caption and frame.getState().contains(pyatspi.STATE_SHOWING):
                return frame
        except Exception:
            continue
    return None


def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as table:
        for line in table:
            if not line.strip() or line.startswith("#"):
                continue
            caption, x, y, width, height, hover = line.rstrip("\n").split("\t")
            rows.append(dict(caption=caption, x=int(x), y=int(y), width=width, height=height, hover=hover))
    return rows


def check_size(row, window):
    _, _, width, height = geometry(window)
    if row["width"] == "max":
        # Maximised: the whole width, the height between the frame's title
        # bar and the tray.
        if width != SCREEN[0] or not SCREEN[1] - TRAY_HEIGHT - 60 <= height <= SCREEN[1]:
            raise Failure(f"{row['caption']} is {width}x{height}, not maximised on {SCREEN[0]}x{SCREEN[1]}")
    elif (width, height) != (int(row["width"]), int(row["height"])):
        raise Failure(f"{row['caption']} is {width}x{height}, expected {row['width']}x{row['height']}")
    return width, height


def hover_once(desktop, row):
    point, name = row["hover"].split(":", 1)
    x, y = (int(v) for v in point.split(","))
    # One move onto the control, as a person reaching for it; no second try.
    run("xdotool", "mousemove", "--sync", str(x), str(y))
    try:
        wait_for(f"'{name}' to show after one hover in {row['caption']}",
                 lambda: find_accessible(accessible_frame(desktop.orvik.pid, row["caption"]), name), timeout=3)
    finally:
        desktop.shot(row["caption"].replace(" ", "-") + "-hover")
    run("xdotool", "mousemove", "--sync", "700", "700")


def open_and_close(desktop, row):
    caption = row["caption"]
    click(*TRAY_ICON)
    desktop.check_alive("after a click on the tray icon")
    time.sleep(0.4)  # the menu shows with an animation
    held = row["hover"] != "-"
    if held:
        # The entry opens on the press; the menu stays until the release.
        run("xdotool", "mousemove", "--sync", str(row["x"]), str(row["y"]))
        time.sleep(0.1)
        run("xdotool", "mousedown", "1")
    else:
        click(row["x"], row["y"])
    try:
        windows = wait_for(f"the window '{caption}'", lambda: visible_windows(caption), timeout=10)
    except Failure:
        desktop.shot(caption.replace(" ", "-") + "-missing")
        raise
    finally:
        if held:
            menu_held = bool(visible_windows("Orvik 2000"))
            run("xdotool", "mouseup", "1")
    if held:
        if not menu_held:
            raise Failure(f"the menu went before the press that opened {caption} was let go")
        wait_for("the menu to go on the release", lambda: not visible_windows("Orvik 2000"), timeout=5)
    desktop.check_alive(f"opening {caption}")
    window = windows[0]
    time.sleep(0.3)  # let the window manager place it
    size = check_size(row, window)
    frame = wait_for(f"'{caption}' on the accessibility bus", lambda: accessible_frame(desktop.orvik.pid, caption), timeout=10)
    # Qt shows a top-level widget as a filler unless it says more.
    if frame.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG, pyatspi.ROLE_FILLER):
        raise Failure(f"{caption} is exposed as {frame.getRoleName()}, not as a window")
    if row["hover"] != "-":
        hover_once(desktop, row)
    desktop.shot(caption.replace(" ", "-"))
    run("xdotool", "windowactivate", "--sync", window)
    run("xdotool", "key", "--clearmodifiers", "alt+F4")
    wait_for(f"'{caption}' to close", lambda: not visible_windows(caption), timeout=10)
    desktop.check_alive(f"closing {caption}")
    print(f"ok   {caption}: {size[0]}x{size[1]}", flush=True)


def main():
    program, table = sys.argv[1], sys.argv[2]
    screenshots = sys.argv[3] if len(sys.argv) > 3 else None
    rows = read_table(table)
    started = time.monotonic()
    passed = failed = 0
    with Desktop(program, screenshots) as desktop:
        desktop.start_program()
        wait_for("the splash", lambda: visible_windows("Orvik 2000"), timeout=20)
        desktop.shot("splash")
        click(*SPLASH_CLICK)
        wait_for("the splash to end", lambda: not visible_windows("Orvik 2000"), timeout=10)
        desktop.check_alive("after the splash")
        time.sleep(1.0)  # the tray icon is put in place after the splash
        for row in rows:
            try:
                open_and_close(desktop, row)
                passed += 1
            except Failure as failure:
                print(f"FAIL {row['caption']}: {failure}", flush=True)
                failed += 1
                desktop.check_alive("after a failure")
                # Leave nothing open that could cover the next entry.
                for window in visible_windows(row["caption"]):
                    subprocess.run(["xdotool", "windowactivate", "--sync", window, "key", "alt+F4"])
                run("xdotool", "key", "Escape", check=False)
        click(*TRAY_ICON, button=3)
        try:
            code = desktop.orvik.wait(15)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end on a right click on the tray icon")
        if code != 0:
            desktop.log.seek(0)
            raise Failure(f"the program ended with {code}:\n{desktop.log.read()[-3000:]}")
        print(f"ok   program ended from the tray icon", flush=True)
        passed += 1
    print(f"desktop: {passed} passed, {failed} failed in {time.monotonic() - started:.0f} s")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print(f"FAIL {failure}")
        sys.exit(1)
