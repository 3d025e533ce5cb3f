"""Black-box case: a user's first day on a desk with no administrator, through the real window.
Ann makes her own Diary from "New Diary", times a job that shows its hours while it runs, reads
New York's summer time on "Time Zones", and a second start of the program on the same store hands
its start line to her window and leaves.

Run it with the accessibility driver (Xvfb, a private D-Bus and the accessibility bus), which
provides `harness`:  ../shared/a11y/run tests/a11y/first_day_case.py build/dev/src/vidorev
It is not part of ctest: the driver lives outside the repository."""
import os
import subprocess
import sys
import tempfile
import time

from harness import App, check, run
from waiting import wait_for


def case():
    # A home of her own, so the documents folder the chooser offers is a fresh one.
    home = tempfile.mkdtemp(prefix="a11y-home-")
    env = {"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
           "TZ": "America/New_York"}
    a = App(sys.argv[1], start_time="2026-07-06 09:59:30", env=env)

    def stand_at(when):  # the absolute form: the clock stands still until the next write
        with open(a.ft, "w") as f:
            f.write(when + "\n")
        time.sleep(0.05)

    try:
        a.activate()
        # (1) No administrator is named: ann makes her own Diary from "New Diary".
        a.set_text("User", "ann")
        check(not a.enabled("push button", "AddEvent"), "AddEvent is on before ann has a Diary")
        a.click("New Diary")
        diary = os.path.join(home, "Documents", "ann-diary.log")
        offered = a.text("User's Diary/Log File Name")
        check(offered == diary, f"the chooser offered {offered!r}, not {diary!r}")
        a.click("Make New File")
        check(os.path.isfile(diary), "Make New File made no Diary")
        a.click("File OK")
        check(a.cli("settings", "get", "PLMDiary", "ann", "FileKey") == diary,
              "File OK did not make it ann's Diary")
        a.click("Cancel")
        check(a.enabled("push button", "AddEvent"), "AddEvent is still off with ann's Diary")

        # (2) A clock started at 10:00 shows its hours at 10:06 while it runs.
        a.click("JobTrack")
        a.set_text("Clock 1 Job Name", "Fix printer")
        a.set_text("Clock 1 Code", "722")
        stand_at("2026-07-06 10:00:00")
        a.click("Clock 1 Start")
        hours = lambda: float(a.text("Clock 1 Hours") or 0)
        check(hours() == 0, "hours shown before any minute passed")
        stand_at("2026-07-06 10:06:00")
        wait_for(lambda: hours() > 0, "the running clock still shows no hours at 10:06", 25)
        check(hours() == 0.1, f"6 minutes shown as {a.text('Clock 1 Hours')!r} hours")
        with open(diary, encoding="utf-8") as f:
            check(any(l.startswith("[722][Start]<Fix printer>") for l in f), "no Start record")

        # (3) The local box of "Time Zones" reads New York's summer time, UTC-4: 10:06, between
        # Chicago's summer time (UTC-5) and Halifax's (UTC-3) in the windows around it.
        a.click("Main Menu")
        a.click("Time Zones")
        shown = lambda: {n: a.text(n) for n in ("Local time", "Chicago (Zone 6)", "Halifax (Zone 4)")}
        wait_for(lambda: shown()["Local time"] == "Mon 6 Jul 2026 10:06:00",
                 f"not New York's summer time at 10:06 EDT: {shown()}")
        check(shown()["Chicago (Zone 6)"].endswith(" 09:06:00")
              and shown()["Halifax (Zone 4)"].endswith(" 11:06:00"),
              f"the windows around New York are off: {shown()}")

        # (4) A second start on the same store hands "/Ubob" to this window and exits 0 at once.
        second = dict(a.env)
        second.pop("LD_PRELOAD", None)
        began = time.time()
        done = subprocess.run([a.binary, "/Ubob"], env=second, capture_output=True, text=True,
                              timeout=30)
        took = time.time() - began
        check(done.returncode == 0, f"the second start exited {done.returncode}: {done.stderr}")
        check(took < 2, f"the second start took {took:.2f} s")
        check(a.proc.poll() is None, "the first window went away")
        time.sleep(0.5)
        check(a.text("User") == "bob", f"the handed line was not applied: {a.text('User')!r}")
    finally:
        a.close()


run(case)
