#!/usr/bin/python3
"""Plays a pupil at a desktop with a window manager: opens every exercise screen with mouse
clicks, clicks beside it on the backdrop and on the backdrop's menu bar, and uses the
title-bar buttons. The program's screen must stay the top-most window and keep the keyboard.
Finds controls over the accessibility bus, clicks and types like a pupil (xdotool), and reads
the window manager's stacking order from the root window."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1]
SHOTS = os.environ.get("ZEF_SHOTS", "")  # by hand: a folder for screenshots
WAIT = 8.0  # the longest any one step may take
BACKDROP = " Alle kinderen moeten alle kansen krijgen."
passed = 0


def fail(message):
    sys.exit(f"FAIL: {message}")


def pump(seconds=0.05):
    end = time.monotonic() + seconds
    ctx = GLib.MainContext.default()
    while time.monotonic() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.01)


def until(what, condition, limit=WAIT):
    end = time.monotonic() + limit
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            fail(f"{what} (waited {limit:.0f} s)")
        pump(0.05)


def x(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=10).stdout


def shot(name):
    if SHOTS:
        x("import", "-window", "root", os.path.join(SHOTS, f"{name}.png"))


# ---------------------------------------------------------------- what the window manager says


def stacking():
    ids = re.findall(r"0x[0-9a-f]+", x("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))
    return [int(i, 16) for i in ids]


def active():
    found = re.findall(r"0x[0-9a-f]+", x("xprop", "-root", "_NET_ACTIVE_WINDOW"))
    return int(found[0], 16) if found else 0


def title(window):
    found = re.search(r'= "(.*)"', x("xprop", "-id", str(window), "_NET_WM_NAME"))
    return found.group(1) if found else ""


def shown(window):
    return "Normal" in x("xprop", "-id", str(window), "WM_STATE")


def window_named(caption):
    """The shown window with this caption (the welcome screen has none: Qt gives the
    window manager the program's name instead)."""
    names = {caption.strip()} if caption else {"", "zefranol"}
    for window in reversed(stacking()):
        if title(window).strip() in names and shown(window):
            return window
    return 0


def inside(window):
    """Left, top, width, height of the window's inside, on the display."""
    info = x("xwininfo", "-id", str(window))
    value = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
    return value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")


def outside(window):
    """Left, top, width, height with the window manager's frame."""
    left, top, width, height = inside(window)
    found = re.findall(r"\d+", x("xprop", "-id", str(window), "_NET_FRAME_EXTENTS").split("=")[-1])
    fl, fr, ft, fb = (int(n) for n in found) if len(found) == 4 else (0, 0, 0, 0)
    return left - fl, top - ft, width + fl + fr, height + ft + fb


def in_front(caption):
    """The window with this caption is shown, top-most, and has the keyboard."""
    window = window_named(caption)
    return window if window and stacking()[-1] == window and active() == window else 0


def expect_front(caption, what):
    global passed
    window = until(f"{what}: {caption!r} is not the top-most active window "
                   f"(top {title(stacking()[-1])!r}, active {title(active())!r})", lambda: in_front(caption))
    passed += 1
    return window


def expect_centred(window, caption):
    global passed
    left, top, width, height = outside(window)
    display = re.search(r"dimensions:\s+(\d+)x(\d+)", x("xdpyinfo"))
    across, down = int(display.group(1)), int(display.group(2))
    if abs(2 * left + width - across) > 2 or abs(2 * top + height - down) > 2:
        fail(f"{caption!r} is not centred: frame {width}x{height} at {left},{top} on {across}x{down}")
    passed += 1


def click_at(px, py):
    x("xdotool", "mousemove", str(px), str(py), "click", "1")
    pump(0.1)


# ---------------------------------------------------------------- the program


class Program:
    def __init__(self, log):
        self.process = subprocess.Popen([PROGRAM], stdout=log, stderr=subprocess.STDOUT)
        self.app = until("the program never joined the accessibility bus", self._find_app, 30)

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.name == "zefranol" and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                pass
        return None

    def find(self, role, name):
        def look():
            for node in walk(self.app):
                if node.getRole() == role and node.name == name and node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
            return None
        return until(f"no showing {name!r}", look)

    def focused(self, screen):
        def look():
            for node in walk(self.find(pyatspi.ROLE_FRAME, screen.strip())):
                if node.getState().contains(pyatspi.STATE_FOCUSED):
                    return node
            return None
        return until(f"nothing has the focus on {screen!r}", look)

    def click(self, role, name):
        box = self.find(role, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        click_at(box.x + box.width // 2, box.y + box.height // 2)

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=10)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def text_of(node):
    return node.queryText().getText(0, -1)


# ---------------------------------------------------------------- the pupil's clicks


def click_the_backdrop(program, caption):
    """Clicks the backdrop beside the screen at several points and on its menu bar; the
    screen must come out in front each time."""
    backdrop = window_named(BACKDROP)
    bx, by, bw, bh = inside(backdrop)
    sx, sy, sw, sh = outside(window_named(caption))
    menu = program.find(pyatspi.ROLE_MENU_ITEM, "OPENEN ").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    bar_y = menu.y + menu.height // 2
    points = [(bx + 15, by + bh // 2), (bx + bw - 15, by + bh - 15), (bx + bw // 2, by + bh - 8), (sx - 12, sy + sh // 2),
              (sx + sw + 12, sy + 5), (bx + bw // 2, bar_y), (menu.x + menu.width // 2, bar_y)]
    for px, py in points:
        if sx - 2 <= px <= sx + sw + 2 and sy - 2 <= py <= sy + sh + 2:
            continue
        click_at(px, py)
        if program.find(pyatspi.ROLE_FRAME, BACKDROP).getState().contains(pyatspi.STATE_ENABLED):
            # The usable backdrop's menu opens on its title; any key or click closes it.
            x("xdotool", "key", "Escape")
        expect_front(caption, f"after a click on the backdrop at {px},{py}")


def open_from_menu(program, button, caption):
    program.click(pyatspi.ROLE_PUSH_BUTTON, "Klik hier en start !")
    expect_front("ZEFRANOL", "the menu after the welcome screen")
    click_the_backdrop(program, "ZEFRANOL")  # the backdrop is usable here
    program.click(pyatspi.ROLE_PUSH_BUTTON, button)
    window = expect_front(caption, f"after {button!r}")
    expect_centred(window, caption)
    shot(f"opened {caption.strip()}")
    click_the_backdrop(program, caption)  # the backdrop is disabled here
    return window


def keys_reach(program, caption, box):
    """A digit typed now lands in the box that has the focus (by its name)."""
    global passed
    focused = program.focused(caption)
    if focused.getRole() != pyatspi.ROLE_TEXT or focused.name != box:
        fail(f"on {caption!r} the focus is on {focused.name!r}, not on the box {box!r}")
    x("xdotool", "type", "--delay", "50", "7")
    until(f"the typed 7 never reached {box!r} on {caption!r}", lambda: "7" in text_of(program.find(pyatspi.ROLE_TEXT, box)))
    passed += 1


def enter_starts(program, caption, box):
    """Enter presses the focused start button: the exercise's number appears in box."""
    global passed
    x("xdotool", "key", "Return")
    until(f"Enter never started the exercise on {caption!r}", lambda: text_of(program.find(pyatspi.ROLE_TEXT, box)))
    passed += 1


def title_bar(window, action):
    if action == "maximise":
        x("wmctrl", "-i", "-r", hex(window), "-b", "add,maximized_vert,maximized_horz")
    elif action == "resize":
        x("xdotool", "windowsize", str(window), "1100", "900")
    elif action == "minimise":
        x("xdotool", "windowminimize", str(window))
    elif action == "close":
        x("wmctrl", "-i", "-c", hex(window))
    pump(0.5)


def main():
    global passed
    log = open(os.environ.get("ZEF_PROGRAM_LOG", os.devnull), "a")

    # The place-value screen: the welcome screen starts in front and its close does nothing;
    # maximising and resizing a screen change nothing; the screen's close is its return
    # button once that is offered.
    program = Program(log)
    welcome = expect_front("", "at start")
    shot("welcome")
    title_bar(welcome, "close")
    expect_front("", "after closing the welcome screen by its title bar")
    caption = "Honderdtallen, tientallen, eenheden"
    window = open_from_menu(program, "Ik kijk naar een getal", caption)
    before = inside(window)
    for action in ("maximise", "resize"):
        title_bar(window, action)
        expect_front(caption, f"after the title bar's {action}")
        if inside(window) != before:
            fail(f"{action} changed the screen from {before} to {inside(window)}")
    title_bar(window, "close")  # its return button is not offered yet
    expect_front(caption, "after the title bar's close with no return button offered")
    enter_starts(program, caption, "het getal")
    for _ in range(3):  # units, tens, hundreds: then the return button is offered
        x("xdotool", "key", "Return")
        pump(0.3)
    program.find(pyatspi.ROLE_PUSH_BUTTON, "terug naar het menu")
    title_bar(window, "close")
    expect_front("ZEFRANOL", "after the title bar's close with the return button offered")
    program.end()

    # The two-numbers screen, minimised through the window manager: it comes back.
    program = Program(log)
    caption = "Moeilijke en gemakkelijke vermenigvuldigingen  herkennen"
    window = open_from_menu(program, "Ik leer vermenigvuldigen", caption)
    title_bar(window, "minimise")
    expect_front(caption, "after minimising the screen")
    enter_starts(program, caption, "eerste getal")
    program.end()

    # The screens with answer boxes: a digit typed after the backdrop clicks reaches the box.
    for button, caption, box in (
            ("Ik kijk of 'maal' moeilijk of gemakkelijk is", "LEREN CIJFEREND VERMENIGVULDIGEN", "eenheden"),
            ("Ik leer cijferend vermenigvuldigen", "Cijferend vermenigvuldigen ", "eenheden"),
            ("Uitbreiding   x TE (4des)", "UITBREIDING CIJFEREND VERMENIGVULDIGEN", "eenheden van de eerste rij")):
        program = Program(log)
        window = open_from_menu(program, button, caption)
        x("xdotool", "key", "Return")  # the start button has the focus
        program.find(pyatspi.ROLE_PUSH_BUTTON, "onthouden")
        click_the_backdrop(program, caption)
        keys_reach(program, caption, box)
        if box == "eenheden van de eerste rij":
            # The backdrop minimised through the window manager: the program comes back by
            # itself; then the backdrop's close ends the run.
            backdrop = window_named(BACKDROP)
            title_bar(backdrop, "minimise")
            expect_front(caption, "after minimising the backdrop")
            title_bar(backdrop, "close")
            status = program.process.wait(timeout=WAIT)
            if status != 0:
                fail(f"closing the backdrop ended the program with status {status}")
            passed += 1
        program.end()

    print(f"window manager run: {passed} passed, 0 failed")


main()
