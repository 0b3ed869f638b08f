#!/usr/bin/python3
"""What a blind teacher hears in ZEFRANOL leerkracht, recorded with Orca by hand:
    ZEF_ORCA_SCRIPT=orca_teacher.py tests/a11y/orca_test.sh build/zefranol-leerkracht OUT [ARGS]
ARGS go to the program (--bron FILE --periode maand --datum 2026-03-15). The overview is
awaited, then the keys a teacher would press: down the table, Tab through the window, Enter
on a pupil, Tab over the pupil's page. Everything said goes to OUT."""
import os
import subprocess
import sys

from orca_pupil import RUNTIME, Orca, fail, heard, stop


def main():
    program, out, args = sys.argv[1], sys.argv[2], sys.argv[3:]
    orca = Orca()
    if not orca.settle(0, quiet=0.5, limit=30, until=lambda s: len(s) > 0):
        fail("Orca never spoke")
    log = open(os.path.join(RUNTIME, "program.log"), "w")
    transcript = []

    def note(label, mark):
        said = [s for s in orca.since(mark) if s is not None]
        transcript.append(f"[{label}]\n" + "".join(f"    {s}\n" for s in said))

    mark = orca.mark()
    teacher = subprocess.Popen([program] + args, stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
    orca.settle(mark, quiet=1.5, limit=60, until=lambda s: heard(s, "frame"))
    # No window manager here to give the new window the keyboard: xdotool does.
    subprocess.run(["xdotool", "search", "--sync", "--limit", "1", "--name", "ZEFRANOL leerkracht", "windowfocus"],
                   check=True, timeout=20)
    orca.settle(mark, quiet=1.5, limit=60, until=lambda s: heard(s, "Klasoverzicht"))
    note("(start)", mark)
    for key in ["Down", "Down", "Right", "Right", "Right", "Right", "Tab", "shift+Tab", "Return"]:
        mark = orca.mark()
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True, timeout=10)
        orca.settle(mark, quiet=1.0, limit=10)
        note(key, mark)
    for _ in range(6):
        mark = orca.mark()
        subprocess.run(["xdotool", "key", "--clearmodifiers", "Tab"], check=True, timeout=10)
        orca.settle(mark, quiet=1.0, limit=10)
        note("Tab (leerling)", mark)
    stop(teacher)
    orca.stop()
    with open(out, "w") as f:
        f.writelines(transcript)


if __name__ == "__main__":
    main()
