#!/usr/bin/python3
"""A pupil with reading aloud on does one exercise on the column screen, through the
accessibility bus. Checks what reaches the speech service (its log's queued messages),
that sound came out (the silent sink's monitor, measured with sox), and that nothing is
said while the accessibility bus says a screen reader runs.
Usage: read_aloud.py SPEECH_DISPATCHER_LOG   (ZEF_RUN: the run's private folder)"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.realpath(__file__)), "..", "a11y"))
import pyatspi  # noqa: E402
from screen_reader import find, press, pump, the_program  # noqa: E402

LOG, RUN = sys.argv[1], os.environ["ZEF_RUN"]
QUEUED = re.compile(r"Queueing message \|(.*?)\| with priority")


def fail(message):
    raise SystemExit(f"FAIL: {message}")


def said():
    """Every message the speech service has queued so far, blanks made single."""
    try:
        with open(LOG, errors="replace") as f:
            return [" ".join(m.split()) for m in QUEUED.findall(f.read())]
    except FileNotFoundError:
        return []


def hear(mark, *words, limit=15.0):
    """The messages since mark, once every word is in one of them; fails after limit seconds."""
    end = time.monotonic() + limit
    while time.monotonic() < end:
        new = said()[mark:]
        if all(any(w in s for s in new) for w in words):
            return new
        pump(0.1)
    fail(f"not said: {[w for w in words if not any(w in s for s in said()[mark:])]!r}; said {said()[mark:]!r}")


def finished(limit=30.0):
    """Waits until the speech service has played all it was given; fails after limit seconds."""
    end = time.monotonic() + limit
    while time.monotonic() < end:
        with open(LOG, errors="replace") as f:
            log = f.read()
        if "reporting end" in log[log.rfind("Queueing message"):]:
            return
        pump(0.2)
    fail("the speech service never finished speaking")


class Recording:
    """What the sink plays from now until stop(): length in seconds, RMS and peak amplitude."""

    def __init__(self, name):
        self.path = os.path.join(RUN, name + ".raw")
        self.out = open(self.path, "wb")
        self.process = subprocess.Popen(["parec", "-d", "zef.monitor", "--format=s16le", "--rate=22050",
                                         "--channels=1"], stdout=self.out, stderr=subprocess.DEVNULL)

    def stop(self):
        self.process.terminate()
        self.process.wait(5)
        self.out.close()
        stat = subprocess.run(["sox", "-t", "raw", "-r", "22050", "-e", "signed", "-b", "16", "-c", "1", self.path,
                               "-n", "stat"], capture_output=True, text=True, timeout=30).stderr
        value = lambda name: float(re.search(name + r":\s+(\S+)", stat).group(1))
        return value("Length \\(seconds\\)"), value("RMS\\s+amplitude"), value("Maximum amplitude")


def screen_reader(running):
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:ScreenReaderEnabled",
                    f"variant:boolean:{'true' if running else 'false'}"], check=True, timeout=10,
                   stdout=subprocess.DEVNULL)


def main():
    app = the_program()
    hear(0, "Voorlezen staat aan")
    loud = Recording("exercise")
    mark = len(said())
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="Klik hier en start !"))
    hear(mark, "Totaal aantal juiste oefeningen: 0")
    mark = len(said())
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="Ik leer cijferend vermenigvuldigen"))
    hear(mark, "vliegtuig")
    mark = len(said())
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="START"))
    new = hear(mark, " maal ")
    number, maler = map(int, re.search(r"(\d{3}) maal (\d)\b", " ".join(new)).groups())
    product = number * maler
    mark = len(said())
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="A-klas"))
    hear(mark, f"ik zoek {number % 10} maal {maler} is", f"druk op maal {maler}")
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="terug"))
    for place, box in enumerate(["eenheden", "tientallen", "honderdtallen", "duizendtallen"][:len(str(product))]):
        find(app, pyatspi.ROLE_TEXT, name=box).queryEditableText().setTextContents(str(product // 10 ** place % 10))
        pump(0.2)
    mark = len(said())
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="CONTROLE"))
    hear(mark, "PRIMA", f"{number} maal {maler} is {product}")
    finished()
    length, rms, peak = loud.stop()
    print(f"exercise: {number} x {maler}; the speech service got:")
    print("".join(f"    {s}\n" for s in said()), end="")
    print(f"sound over the exercise: {length:.1f} s recorded, RMS {rms:.4f}, peak {peak:.3f}")
    if rms < 0.005 or peak < 0.1:
        fail("no sound came out")
    with open(LOG, errors="replace") as f:
        voices = re.findall(r"DATA:\|SET SELF SYNTHESIS_VOICE (\S*)", f.read())
    if not voices or voices[-1] != "Dutch":
        fail(f"the voice is not espeak-ng's plain Dutch one: {voices!r}")

    # A screen reader speaks now: the program stays silent, and speaks again once it stops.
    screen_reader(True)
    quiet = Recording("screen_reader")
    mark = len(said())
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="START"))
    pump(3.0)
    length, rms, peak = quiet.stop()
    if said()[mark:] or peak > 0.001:
        fail(f"spoke while a screen reader ran: {said()[mark:]!r}, peak {peak:.3f}")
    print(f"while a screen reader runs: nothing said, {length:.1f} s recorded, peak {peak:.4f}")
    screen_reader(False)
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="CONTROLE"))
    hear(mark, "FOUT")
    print("read aloud run: every check passed")


main()
