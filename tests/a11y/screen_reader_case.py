"""Black-box case: a screen-reader user sets alarms and enters a task in the real program.
Run it with the accessibility driver (Xvfb, a private D-Bus and the accessibility bus), which
provides `harness`: run screen_reader_case.py PATH/TO/vidorev"""
import os
import sys
import time
from collections import Counter

import pyatspi
from harness import App, check, run


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def case():
    a = App(sys.argv[1], start_time="2026-12-04 09:59:30")
    try:
        diary = os.path.join(a.tmp, "ann-diary.txt")
        open(diary, "w").close()
        a.cli("settings", "set", "PLMDiary", "ann", "FileKey", diary)
        a.activate()
        a.set_text("User", "ann")

        a.click("Set Alarms")
        # The time first: an alarm switched on at a time already past rings at once.
        a.set_text("Alarm 3 time", "17:30")
        check(a.cli("settings", "get", "PLMDiary", "AllDT3", "Time") == "17:30:00",
              "time set by a screen reader not stored")
        box = a.find("check box", "Alarm 3 Enabled")
        box.queryAction().doAction(0)
        time.sleep(0.3)
        check(a.cli("settings", "get", "PLMDiary", "AllDT3", "On") == "1", "toggle not stored")
        time.sleep(2.2)  # two ticks: the stored state stands
        check(checked(a.find("check box", "Alarm 3 Enabled")), "the tick turned the alarm off")

        names = Counter(n.name for n in a.nodes()
                        if n.getState().contains(pyatspi.STATE_FOCUSABLE))
        twice = [name for name, count in names.items() if count > 1]
        check(not twice, f"names read twice on the alarm page: {twice[:8]}")

        a.click("Main Menu")
        a.click("ToDo list")
        a.set_text("Task 1", "Call the printer")
        a.set_text("Task 1", "Something else")
        check(a.text("Task 1") == "Call the printer", "a locked task was rewritten")
        a.click("Task 1 OK")
        with open(diary, encoding="utf-8") as f:
            lines = f.read().splitlines()
        check(len(lines) >= 2 and "Call the printer" in lines[-1], f"Diary: {lines[-2:]}")
        check("Something else" not in "".join(lines), "the rewritten text reached the Diary")
    finally:
        a.close()


run(case)
