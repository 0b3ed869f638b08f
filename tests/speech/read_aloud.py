#!/usr/bin/python3
"""A pupil with reading aloud on does one exercise on the column screen through the
accessibility bus. Checks what reaches the speech service (its log's queued messages), that
sound came out of the sink (measured with sox), the voice, and silence while the
accessibility bus says a screen reader runs.
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


def fail(message):
    raise SystemExit(f"FAIL: {message}")


def log():
    with open(LOG, errors="replace") as f:
        return f.read()


def said():
    return [" ".join(m.split()) for m in re.findall(r"Queueing message \|(.*?)\| with priority", log())]


def until(what, condition, limit=20.0):
    end = time.monotonic() + limit
    while not condition():
        if time.monotonic() > end:
            fail(f"{what}; the speech service got {said()!r}")
        pump(0.1)


def hear(button, *words):
    """Presses the button; waits until every word has reached the speech service."""
    mark = len(said())
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name=button))
    until(f"after {button!r} not said: {words!r}", lambda: all(any(w in s for s in said()[mark:]) for w in words))
    return " ".join(said()[mark:])


def record(name, action):
    """What the sink plays during action: seconds recorded, RMS and peak amplitude."""
    path = os.path.join(RUN, name + ".raw")
    with open(path, "wb") as out:
        parec = subprocess.Popen(["parec", "-d", "zef.monitor", "--format=s16le", "--rate=22050", "--channels=1"],
                                 stdout=out, stderr=subprocess.DEVNULL)
        action()
        parec.terminate()
        parec.wait(5)
    stat = subprocess.run(["sox", "-t", "raw", "-r", "22050", "-e", "signed", "-b", "16", "-c", "1", path, "-n",
                           "stat"], capture_output=True, text=True, timeout=30).stderr
    return [float(re.search(key + r":\s+(\S+)", stat).group(1)) for key in (r"\(seconds\)", r"RMS\s+amplitude", r"Maximum amplitude")]


def exercise():
    global number, maler
    hear("Klik hier en start !", "Totaal aantal juiste oefeningen: 0")
    hear("Ik leer cijferend vermenigvuldigen", "vliegtuig")
    number, maler = map(int, re.search(r"(\d{3}) maal (\d)\b", hear("START", " maal ")).groups())
    hear("A-klas", f"ik zoek {number % 10} maal {maler} is", f"druk op maal {maler}")
    press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="terug"))
    product = number * maler
    for place, box in enumerate(["eenheden", "tientallen", "honderdtallen", "duizendtallen"][:len(str(product))]):
        find(app, pyatspi.ROLE_TEXT, name=box).queryEditableText().setTextContents(str(product // 10 ** place % 10))
        pump(0.2)
    hear("CONTROLE", "PRIMA", f"{number} maal {maler} is {product}")
    until("the speech service never finished", lambda: "reporting end" in log()[log().rfind("Queueing message"):])


def screen_reader(running):
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:ScreenReaderEnabled",
                    f"variant:boolean:{str(running).lower()}"], check=True, timeout=10, stdout=subprocess.DEVNULL)


app = the_program()
until("switching on by the configuration file was not said", lambda: "Voorlezen staat aan." in said(), 30)
length, rms, peak = record("exercise", exercise)
print(f"exercise {number} x {maler}; the speech service got:\n" + "".join(f"    {s}\n" for s in said()), end="")
print(f"sound: {length:.1f} s recorded, RMS {rms:.4f}, peak {peak:.3f}")
voices = re.findall(r"DATA:\|SET SELF SYNTHESIS_VOICE (\S*)", log())
if rms < 0.005 or peak < 0.1 or voices[-1:] != ["Dutch"]:
    fail(f"no sound, or not espeak-ng's plain Dutch voice ({voices!r})")

# While a screen reader runs the program is silent; it speaks again once it stops.
screen_reader(True)
mark = len(said())
length, rms, peak = record("screen_reader", lambda: (press(find(app, pyatspi.ROLE_PUSH_BUTTON, name="START")),
                                                     pump(3.0)))
if said()[mark:] or peak > 0.001:
    fail(f"spoke while a screen reader ran: {said()[mark:]!r}, peak {peak:.3f}")
print(f"while a screen reader runs: nothing said, {length:.1f} s recorded, peak {peak:.4f}")
screen_reader(False)
hear("CONTROLE", "FOUT")
print("read aloud run: every check passed")
