"""Black-box case: a desk set up from nothing. The administrator is named once from the command
line; a user gets a Diary, works a job, reads the Diary back; the administrator bills the job
from the Options panel. Run it with the accessibility driver, which provides `harness`:
run desk_billing_case.py PATH/TO/vidorev"""
import os
import sys
import time

from harness import App, check, run
from waiting import wait_for


def case():
    a = App(sys.argv[1], start_time="2026-12-04 09:00:00")
    try:
        a.cli("settings", "set", "PLMDiary", "AdminData", "KeyHold", "boss")
        diary = os.path.join(a.tmp, "ann-diary.log")
        a.cli("diary", "new", "--user", "ann", diary)
        check(os.path.exists(diary), "diary new made no Diary")
        a.activate()
        a.set_text("User", "ann")

        a.click("JobTrack")
        a.set_text("Clock 1 Job Name", "Fix printer")
        a.set_text("Clock 1 Code", "722")
        a.click("Clock 1 Start")
        a.set_time("2026-12-04 10:30:00")
        time.sleep(1.5)
        a.click("Clock 1 Stop")
        with open(diary, encoding="utf-8") as f:
            lines = f.read().splitlines()
        check(any(l.startswith("[722][Stop ]{90}<Fix printer>") for l in lines),
              f"no Stop of 90 minutes in {lines}")

        a.click("Main Menu")
        a.click("Read log")
        a.click("Next 3")
        shown = [a.text("Text1"), a.text("Text2"), a.text("Text3")]
        check(any("[722][Start]<Fix printer>" in t for t in shown), f"reader showed {shown}")
        a.click("Menu")

        a.set_text("User", "boss")
        check(a.enabled("push button", "Admin"), "Admin is off for the administrator")
        a.click("Admin")
        a.click("Billing data extraction By user and Job-code")
        for _ in range(4):
            if a.text("Report user") == "ann":
                break
            a.click("Next")
        check(a.text("Report user") == "ann", "the report list never reached ann")
        a.click("List Job Codes")
        jobs = os.path.join(a.tmp, "annjobs.txt")
        wait_for(lambda: os.path.exists(jobs), "no job-code list")
        with open(jobs, encoding="utf-8") as f:
            check("722" in f.read().split(), "722 not in the job-code list")
        a.set_text("Job Code", "722")
        a.click("Make Text File")
        order = os.path.join(a.tmp, "722.txt")
        wait_for(lambda: os.path.exists(order) and "Totaling" in open(order).read(),
                 "no work order")
        check("Totaling 1.5 Hours" in open(order).read(), "the work order's total is wrong")
        wait_for(lambda: a.text("Progress").startswith("Written "), "the frame never said Written")
        a.click("DataMiner - Scan All")
        a.click("Run")
        time.sleep(1)
        a.click("OK")
        table = os.path.join(a.tmp, "ann.tab")
        wait_for(lambda: os.path.exists(table), "no data-mining table")
        check("722\tFix printer\t" in open(table, encoding="utf-8").read(), "table lacks the job")
    finally:
        a.close()


run(case)
