#!/usr/bin/python3
"""A pupil at a desktop with a window manager: opens every exercise screen with mouse clicks
(xdotool), clicks beside it on the backdrop and on its menu bar, uses the title-bar buttons
(wmctrl, xdotool). The screen must stay the top-most window (_NET_CLIENT_LIST_STACKING) and
keep the keyboard. Controls are found and read over the accessibility bus."""
import os, re, subprocess, sys, time
import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "a11y"))
from accessible_tree import walk  # noqa: E402

PROGRAM, SHOTS = sys.argv[1], os.environ.get("ZEF_SHOTS", "")  # by hand: a folder for screenshots
WAIT = 8.0  # the longest any one step may take
BACKDROP = " Alle kinderen moeten alle kansen krijgen."
checks = 0


def fail(message):
    sys.exit(f"FAIL: {message}")


def pump(seconds=0.05):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        time.sleep(0.01)


def until(what, condition, limit=WAIT):
    end = time.monotonic() + limit
    while not (value := condition()):
        if time.monotonic() > end:
            fail(f"{what} (waited {limit:.0f} s)")
        pump(0.05)
    return value


def x(*args):
    return subprocess.run([str(a) for a in args], capture_output=True, text=True, timeout=10).stdout


def ids(text):
    return [int(i, 16) for i in re.findall(r"0x[0-9a-f]+", text)]


def stacking():
    return ids(x("xprop", "-root", "_NET_CLIENT_LIST_STACKING"))


def active():
    return (ids(x("xprop", "-root", "_NET_ACTIVE_WINDOW")) or [0])[0]


def top():
    return (stacking() or [0])[-1]


def title(window):
    found = re.search(r'= "(.*)"', x("xprop", "-id", window, "_NET_WM_NAME"))
    return found.group(1).strip() if found else ""


def window_named(caption):
    # The welcome screen has no caption: Qt gives the window manager the program's name.
    names = {caption.strip()} if caption else {"", "zefranol"}
    return next((w for w in reversed(stacking())
                 if title(w) in names and "Normal" in x("xprop", "-id", w, "WM_STATE")), 0)


def inside(window):
    # Never window 0: xwininfo would wait for a click. A screen may go while a poll runs, so
    # a poll first asks whether the window is there.
    assert window, "no such window"
    info = x("xwininfo", "-id", window)
    return tuple(int(re.search(key + r":\s+(-?\d+)", info).group(1))
                 for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def outside(window):
    left, top, width, height = inside(window)
    frame = [int(n) for n in re.findall(r"\d+", x("xprop", "-id", window, "_NET_FRAME_EXTENTS").split("=")[-1])]
    fl, fr, ft, fb = frame if len(frame) == 4 else (0, 0, 0, 0)
    return left - fl, top - ft, width + fl + fr, height + ft + fb


def expect_front(caption, what):
    global checks
    in_front = lambda: (w := window_named(caption)) and top() == w and active() == w and w
    window = until(f"{what}: {caption!r} is not the top-most active window "
                   f"(top {title(top())!r}, active {title(active())!r})", in_front)
    checks += 1
    return window


def click_at(px, py):
    x("xdotool", "mousemove", px, py, "click", "1")
    pump(0.1)


class Program:
    def __init__(self, log):
        self.process = subprocess.Popen([PROGRAM], stdout=log, stderr=subprocess.STDOUT)
        self.app = until("the program never joined the accessibility bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "zefranol"
             and a.get_process_id() == self.process.pid), None), 30)

    def find(self, role, name, within=None):
        return until(f"no showing {name!r}", lambda: next(
            (n for n in walk(within or self.app) if n.getRole() == role and n.name == name
             and n.getState().contains(pyatspi.STATE_SHOWING)), None))

    def text(self, box):
        return self.find(pyatspi.ROLE_TEXT, box).queryText().getText(0, -1)

    def click(self, role, name):
        box = self.find(role, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        click_at(box.x + box.width // 2, box.y + box.height // 2)

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=10)


def click_the_backdrop(program, caption):
    """Beside the screen at several points, and on the backdrop's menu bar."""
    bx, by, bw, bh = inside(window_named(BACKDROP))
    sx, sy, sw, sh = outside(window_named(caption))
    menu = program.find(pyatspi.ROLE_MENU_ITEM, "OPENEN ").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    bar = menu.y + menu.height // 2
    for px, py in [(bx + 15, by + bh // 2), (bx + bw - 15, by + bh - 15), (bx + bw // 2, by + bh - 8),
                   (sx - 12, sy + sh // 2), (sx + sw + 12, sy + 5), (bx + bw // 2, bar), (menu.x + 5, bar)]:
        if not (sx - 2 <= px <= sx + sw + 2 and sy - 2 <= py <= sy + sh + 2):
            click_at(px, py)
            x("xdotool", "key", "Escape")  # closes the usable backdrop's menu if it opened
            expect_front(caption, f"after a click on the backdrop at {px},{py}")


def open_from_menu(program, button, caption):
    program.click(pyatspi.ROLE_PUSH_BUTTON, "Klik hier en start !")
    expect_front("ZEFRANOL", "the menu after the welcome screen")
    click_the_backdrop(program, "ZEFRANOL")  # the backdrop is usable here
    program.click(pyatspi.ROLE_PUSH_BUTTON, button)
    window = expect_front(caption, f"after {button!r}")
    expect_centred(window, caption)
    click_the_backdrop(program, caption)  # the backdrop is disabled here
    return window


def display():
    return tuple(int(n) for n in re.search(r"dimensions:\s+(\d+)x(\d+)", x("xdpyinfo")).groups())


def expect_centred(window, caption, shot=""):
    """By its outer size, frame included; the first screen of a run is placed again once the
    window manager has told its frame."""
    global checks
    across, down = display()
    centred = lambda: (o := outside(window)) and abs(2 * o[0] + o[2] - across) <= 2 \
        and abs(2 * o[1] + o[3] - down) <= 2
    until(f"{caption!r} is not centred on {across}x{down}: frame at {outside(window)}", centred, 2)
    checks += 1
    if SHOTS:
        x("import", "-window", "root", os.path.join(SHOTS, f"{caption.strip()}{shot}.png"))


def whole_display(caption):
    """F11: the backdrop covers the display without a title bar; the screen, enlarged, stays
    in front and centred."""
    normal = outside(window_named(caption))
    x("xdotool", "key", "F11")
    until("the backdrop never covered the display",
          lambda: (w := window_named(BACKDROP)) and outside(w) == (0, 0) + display())
    window = expect_front(caption, "at the whole display")
    until(f"{caption!r} was not enlarged",
          lambda: (w := window_named(caption)) and outside(w)[3] > normal[3] * 1.1)
    expect_centred(window_named(caption), caption, " (heel scherm)")
    return normal


def keyboard_reaches(program, caption, box, key):
    """A typed digit lands in the focused box; on screens answered with buttons, Enter presses
    the focused start button and the exercise's number appears in box."""
    global checks
    if key == "7":
        frame = program.find(pyatspi.ROLE_FRAME, caption.strip())
        focused = until(f"nothing has the focus on {caption!r}", lambda: next(
            (n for n in walk(frame) if n.getState().contains(pyatspi.STATE_FOCUSED)), None))
        if focused.getRole() != pyatspi.ROLE_TEXT or focused.name != box:
            fail(f"on {caption!r} the focus is on {focused.name!r}, not on the box {box!r}")
        x("xdotool", "type", "7")
    else:
        x("xdotool", "key", "Return")
    reached = (lambda: "7" in program.text(box)) if key == "7" else (lambda: program.text(box))
    until(f"the keyboard never reached {box!r} on {caption!r}", reached)
    checks += 1


def title_bar(window, action):
    x(*{"maximise": ("wmctrl", "-i", "-r", hex(window), "-b", "add,maximized_vert,maximized_horz"),
        "resize": ("xdotool", "windowsize", window, 1100, 900), "minimise": ("xdotool", "windowminimize", window),
        "close": ("wmctrl", "-i", "-c", hex(window))}[action])
    pump(0.5)


def main():
    global checks
    log = open(os.environ.get("ZEF_PROGRAM_LOG", os.devnull), "a")

    # The welcome screen starts in front, its close does nothing. On the place-value screen
    # maximising and resizing change nothing, and close is its return button once offered.
    program = Program(log)
    welcome = expect_front("", "at start")
    expect_centred(welcome, "welcome")
    title_bar(welcome, "close")
    expect_front("", "after closing the welcome screen by its title bar")
    caption = "Honderdtallen, tientallen, eenheden"
    window = open_from_menu(program, "Ik kijk naar een getal", caption)
    before = inside(window)
    for action in ("maximise", "resize", "close"):  # no return button offered yet
        title_bar(window, action)
        expect_front(caption, f"after the title bar's {action}")
        if inside(window) != before:
            fail(f"{action} changed the screen from {before} to {inside(window)}")
    keyboard_reaches(program, caption, "het getal", "Return")
    for _ in range(3):  # units, tens, hundreds: then the return button is offered
        x("xdotool", "key", "Return")
        pump(0.3)
    program.find(pyatspi.ROLE_PUSH_BUTTON, "terug naar het menu")
    title_bar(window, "close")
    expect_front("ZEFRANOL", "after the title bar's close with the return button offered")
    program.end()

    # The two-numbers screen minimised through the window manager comes back.
    program = Program(log)
    caption = "Moeilijke en gemakkelijke vermenigvuldigingen  herkennen"
    title_bar(open_from_menu(program, "Ik leer vermenigvuldigen", caption), "minimise")
    expect_front(caption, "after minimising the screen")
    keyboard_reaches(program, caption, "eerste getal", "Return")
    program.end()

    # The screens with answer boxes: a digit typed after the backdrop clicks reaches the box.
    # Last, the backdrop minimised comes back by itself, and its close ends the run (status 0).
    for button, caption, box in (
            ("Ik kijk of 'maal' moeilijk of gemakkelijk is", "LEREN CIJFEREND VERMENIGVULDIGEN", "eenheden"),
            ("Ik leer cijferend vermenigvuldigen", "Cijferend vermenigvuldigen ", "eenheden"),
            ("Uitbreiding   x TE (4des)", "UITBREIDING CIJFEREND VERMENIGVULDIGEN", "eenheden van de eerste rij")):
        program = Program(log)
        open_from_menu(program, button, caption)
        x("xdotool", "key", "Return")  # the start button has the focus
        program.find(pyatspi.ROLE_PUSH_BUTTON, "onthouden")
        normal = whole_display(caption) if caption.startswith("Cijferend") else None
        click_the_backdrop(program, caption)
        keyboard_reaches(program, caption, box, "7")
        if normal:
            x("xdotool", "key", "F11")
            until("the normal size never came back",
                  lambda: (w := window_named(caption)) and outside(w)[2:] == normal[2:])
            expect_front(caption, "back at the normal size")
        if caption.startswith("UITBREIDING"):
            backdrop = window_named(BACKDROP)
            title_bar(backdrop, "minimise")
            expect_front(caption, "after minimising the backdrop")
            title_bar(backdrop, "close")
            if (status := program.process.wait(timeout=WAIT)) != 0:
                fail(f"closing the backdrop ended the program with status {status}")
        program.end()
    print(f"window manager run: {checks + 1} passed, 0 failed")


main()
