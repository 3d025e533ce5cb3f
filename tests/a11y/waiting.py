"""What the black-box cases share beside the driver's `harness`."""
import time

from harness import check


def wait_for(predicate, what, seconds=10):
    """Polls until `predicate` holds, or fails the case with `what`."""
    end = time.time() + seconds
    while time.time() < end:
        if predicate():
            return
        time.sleep(0.2)
    check(False, what)
