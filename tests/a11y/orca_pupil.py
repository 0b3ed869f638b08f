#!/usr/bin/python3
"""A blind pupil at work: starts Orca and the program, presses keys with xdotool and checks
what Orca says after each key. Orca writes every utterance to its debug file as a
"SPEECH OUTPUT:" line; the file is a pseudo-terminal here, so each line arrives as it is
written instead of in blocks.

Usage: orca_pupil.py PROGRAM            the checks
       orca_pupil.py PROGRAM series OUT one series of five on the column screen, recorded"""
import os
import pty
import re
import signal
import subprocess
import sys
import threading
import time
import tty

import pyatspi
from accessible_tree import walk

RUNTIME = os.environ["ZEF_ORCA_RUNTIME"]
SAID = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{.*\}\s*$")
# Orca stops speaking (a key press, a window losing the focus): what was still being said is lost.
CUT = "DEFAULT: Interrupting presentation"


class Orca:
    def __init__(self):
        self.lines = []  # every utterance so far
        self.lock = threading.Lock()
        master, slave = pty.openpty()
        tty.setraw(slave)
        self.master, self.slave = master, slave
        self.debug = open(os.path.join(RUNTIME, "orca-debug.txt"), "w", errors="replace")
        self.output = open(os.path.join(RUNTIME, "orca-output.txt"), "w")
        self.process = subprocess.Popen(
            ["orca", "-u", os.path.join(RUNTIME, "orca"), "--debug-file", os.ttyname(slave)],
            stdout=self.output, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *whole, pending = pending.split(b"\n")
            for raw in whole:
                line = raw.decode("utf-8", "replace").rstrip("\r")
                self.debug.write(line + "\n")
                m = SAID.search(line)
                if m or CUT in line:
                    with self.lock:
                        self.lines.append(m.group(1).strip() if m else None)

    def mark(self):
        with self.lock:
            return len(self.lines)

    def since(self, mark):
        with self.lock:
            return list(self.lines[mark:])

    def settle(self, mark, quiet=1.0, limit=8.0, until=None):
        """What was said since mark, once Orca has been quiet for a while (and, when given,
        once until(said) holds); never waits longer than limit."""
        end = time.monotonic() + limit
        count, last = -1, time.monotonic()
        while time.monotonic() < end:
            said = self.since(mark)
            if len(said) != count:
                count, last = len(said), time.monotonic()
            elif time.monotonic() - last >= quiet and (until is None or until(said)):
                break
            time.sleep(0.05)
        return self.since(mark)

    def stop(self):
        stop(self.process)
        self.debug.flush()


def stop(process, grace=5.0):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(grace)


class Pupil:
    def __init__(self, program):
        self.orca = Orca()
        self.transcript = []
        started = self.orca.settle(0, quiet=0.5, limit=30, until=lambda s: len(s) > 0)
        if not started:
            with open(os.path.join(RUNTIME, "orca-output.txt")) as f:
                fail("Orca never spoke: " + f.read()[-500:])
        self.log = open(os.path.join(RUNTIME, "program.log"), "w")
        mark = self.orca.mark()
        self.program = subprocess.Popen([program], stdout=self.log, stderr=subprocess.STDOUT,
                                        stdin=subprocess.DEVNULL)
        said = self.orca.settle(mark, quiet=1.0, limit=40, until=lambda s: heard(s, "Welkom bij ZEFRANOL"))
        self.note("(start)", said)
        self.app = None

    def note(self, label, raw):
        """Keeps what was said after a key; gives back what was heard: an utterance that
        Orca interrupted afterwards may have been cut off and does not count."""
        lines = []
        for i, s in enumerate(raw):
            if s is not None:
                lines.append(s if None not in raw[i + 1:] else "[cut off] " + s)
        self.transcript.append((label, lines))
        with open(os.path.join(RUNTIME, "heard.txt"), "a") as f:
            f.write(f"[{label}]\n" + "".join(f"    {s}\n" for s in lines))
        return [s for s in lines if not s.startswith("[cut off] ")]

    def key(self, name, label=None, expect=(), quiet=1.0, limit=8.0):
        """Presses a key and gives back what Orca said about it; waits at most limit
        seconds for every expected word to be said."""
        mark = self.orca.mark()
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True, timeout=10)
        said = self.orca.settle(mark, quiet=quiet, limit=limit, until=lambda s: all(heard(s, w) for w in expect))
        return self.note(label or name, said)

    def wait(self, seconds, expect=(), label="(waiting)"):
        """What Orca says without a key, within seconds or until every expected word was said."""
        mark = self.orca.mark()
        said = self.orca.settle(mark, quiet=1.0, limit=seconds, until=lambda s: all(heard(s, w) for w in expect))
        return self.note(label, said)

    def tab_until(self, words, most=25):
        for _ in range(most):
            said = self.key("Tab")
            if heard(said, words):
                return said
        fail(f"Tab never reached {words!r}")

    def accessible_app(self):
        end = time.monotonic() + 30
        while self.app is None and time.monotonic() < end:
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "zefranol":
                    self.app = app
            time.sleep(0.2)
        if self.app is None:
            fail("the program is not on the accessibility bus")
        return self.app

    def box(self, name):
        """The digit in the showing box of that name, read from the bus as a sighted
        pupil reads it from the screen."""
        for node in walk(self.accessible_app()):
            if node.getRole() == pyatspi.ROLE_TEXT and node.name == name \
                    and node.getState().contains(pyatspi.STATE_SHOWING):
                return int(node.queryText().getText(0, -1))
        fail(f"no showing box {name!r}")

    def problem(self):
        number = 100 * self.box("honderdtallen van het getal") + 10 * self.box("tientallen van het getal") \
            + self.box("eenheden van het getal")
        return number, self.box("vermenigvuldiger")

    def stop(self):
        stop(self.program)
        self.orca.stop()


def heard(said, words):
    """True when the words were said in one utterance; blanks and case do not count, so
    spelled-out texts (" P R I M A ") match too."""
    want = re.sub(r"\s+", "", words).lower()
    return any(s is not None and want in re.sub(r"\s+", "", s).lower() for s in said)


def fail(message):
    raise SystemExit(f"FAIL: {message}")


def check(said, *words, step):
    missing = [w for w in words if not heard(said, w)]
    if missing:
        fail(f"after {step}: not heard {missing!r}; heard {said!r}")


def refuse(said, *words, step):
    """Fails when one of the texts was said as written (spelled-out letters included)."""
    extra = [w for w in words if any(s is not None and w in s for s in said)]
    if extra:
        fail(f"after {step}: heard {extra!r}, which should stay silent; heard {said!r}")


def digits_of(value):
    places = 4 if value >= 1000 else 3
    return [str(value // 10 ** p % 10) for p in range(places)]


def series(pupil, out):
    """One series of five on the column screen, the second answer one too many."""
    pupil.key("space", "space (Klik hier en start !)", expect=["ZEFRANOL frame"])
    pupil.tab_until("cijferend vermenigvuldigen")
    pupil.key("space", expect=["Cijferend vermenigvuldigen frame"])
    for i in range(5):
        pupil.key("space", "space (START)", expect=["eenheden"])
        number, maler = pupil.problem()
        product = number * maler
        typed = product + 1 if i == 1 else product
        pupil.note(f"(on screen {number} x {maler}; typing {typed})", [])
        for place in range(len(digits_of(product))):
            pupil.key(str(typed // 10 ** place % 10))
        pupil.key("space", "space (CONTROLE)", expect=["START"])
    pupil.tab_until("menu")
    pupil.key("space", "space (terug naar het menu)", expect=["ZEFRANOL frame"])
    with open(out, "w") as f:
        for label, said in pupil.transcript:
            f.write(f"[{label}]\n" + "".join(f"    {s}\n" for s in said))


def main():
    program = sys.argv[1]
    pupil = Pupil(program)
    try:
        if len(sys.argv) > 3 and sys.argv[2] == "series":
            series(pupil, sys.argv[3])
        else:
            checks(pupil)
    finally:
        pupil.stop()


def start(pupil, step):
    """START on the column screen: the problem, its first reminder and the units box."""
    said = pupil.key("space", f"space (START, {step})", expect=["eenheden", " maal "])
    number, maler = pupil.problem()
    check(said, "eenheden", f"{number} maal {maler}", f"{number % 10} maal {maler} is", step=f"START ({step})")
    return number, maler


def answer(pupil, number, maler, right, step):
    """Types the answer from the units leftwards (one too many when not right) and checks it."""
    product = number * maler
    typed = product if right else product + 1
    places = ["tientallen", "honderdtallen"] + (["duizendtallen"] if product >= 1000 else [])
    for place, next_box in enumerate(places + ["CONTROLE"]):
        digit = str(typed // 10 ** place % 10)
        said = pupil.key(digit, expect=[next_box])
        check(said, next_box, step=f"typing {digit} ({step})")
    said = pupil.key("space", f"space (CONTROLE, {step})", expect=["PRIMA" if right else "FOUT", "START"])
    if right:
        check(said, "PRIMA", f"{number} maal {maler} is {product}", "start een nieuwe oefening", step=f"check ({step})")
    else:
        check(said, "FOUT", f"{number} maal {maler} is kleiner dan", step=f"check ({step})")
    refuse(said, "P R I M A", "F O U T", step=f"check ({step})")


def exercise(pupil, right, step):
    number, maler = start(pupil, step)
    answer(pupil, number, maler, right, step)


def checks(pupil):
    said = pupil.key("space", "space (Klik hier en start !)", expect=["ZEFRANOL frame", "Totaal"])
    check(said, "ZEFRANOL frame", "Totaal aantal juiste oefeningen: 0", step="the welcome button")
    refuse(said, "L E E R", "O E F E N", step="the welcome button")
    pupil.tab_until("Ik leer cijferend vermenigvuldigen")
    said = pupil.key("space", expect=["Cijferend vermenigvuldigen frame", "vliegtuig"])
    check(said, "Cijferend vermenigvuldigen frame", "START", "vliegtuig", step="the menu button")

    exercise(pupil, True, "exercise 1")
    exercise(pupil, False, "exercise 2")

    # The third exercise is interrupted by a visit to the times-table room.
    number, maler = start(pupil, "exercise 3")
    pupil.tab_until("A-klas")
    said = pupil.key("space", expect=["A klas", "druk op"])
    check(said, "A klas", f"ik zoek {number % 10} maal {maler} is", f"druk op maal {maler}", step="A-klas")
    pupil.tab_until(f"x {maler} drukknop")
    said = pupil.key("space", f"space (drill of {maler})", expect=[f"4 maal {maler} is ?"])
    check(said, f"1 x {maler}", f"4 maal {maler} is ?", f"9 maal {maler} is ?", step="the drill's start")
    said = pupil.key("Tab", expect=[f"9 x {maler}"])
    check(said, f"9 x {maler}", step="Tab during the drill")
    said = pupil.wait(16, expect=["bedekt", f"x {maler} drukknop"], label="(the drill runs)")
    check(said, "bedekt", f"10 maal {maler} is {10 * maler}", f"x {maler} drukknop", step="the drill")
    pupil.tab_until("terug")
    said = pupil.key("space", expect=["Cijferend vermenigvuldigen frame"])
    check(said, "Cijferend vermenigvuldigen frame", step="terug")
    pupil.tab_until("eenheden")
    answer(pupil, number, maler, True, "exercise 3")

    exercise(pupil, True, "exercise 4")
    exercise(pupil, True, "exercise 5")
    pupil.tab_until("terug naar het menu")
    said = pupil.key("space", expect=["ZEFRANOL frame", "Totaal"])
    check(said, "ZEFRANOL frame", "Totaal aantal juiste oefeningen: 4", step="back to the menu")
    refuse(said, "Totaal aantal juiste oefeningen: 0", step="back to the menu")

    print("orca run: every check passed")


if __name__ == "__main__":
    main()
