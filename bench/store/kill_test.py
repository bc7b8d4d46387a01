#!/usr/bin/env python3
"""Kill test of the save: N saves of a 2,000-item return, each killed with SIGKILL at a
random moment. After every kill the return and its backup must open and hold the old or the
new content, and the next save must clear what the killed one left behind. Run by hand, never
as a test:

    bench/store/kill_test.py [N] [--tool build/default/bin/orvana-tax]
"""

import argparse
import glob
import json
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

TFN = "123 456 782"
ITEMS = 2000


def tool_run(tool, *args):
    return subprocess.run([tool, *args], capture_output=True, text=True)


def amount_in(tool, path):
    """Field 100 of the file, or None when the file does not open."""
    run = tool_run(tool, "dump", path, "--tfn", TFN, "--json")
    if run.returncode != 0:
        return None
    field = json.loads(run.stdout)["fields"].get("100")
    return int(field["value"]) if field else 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("n", nargs="?", type=int, default=500)
    parser.add_argument("--tool", default=os.path.join(
        os.path.dirname(__file__), "../../build/default/bin/orvana-tax"))
    parser.add_argument("--seed", type=int, default=2006)
    options = parser.parse_args()
    random.seed(options.seed)
    tool = os.path.abspath(options.tool)

    folder = tempfile.mkdtemp(prefix="kill-test-")
    path = os.path.join(folder, "R.TAX")
    backup = os.path.join(folder, "R.BAK")
    assert tool_run(tool, "new", path, "--tfn", TFN).returncode == 0
    items = []
    for key in range(1, ITEMS + 1):
        items += [f"1202.{key}.710=text:Item {key} shares", f"1202.{key}.1100=cents:{key}.25"]
    made = tool_run(tool, "set", path, "--tfn", TFN, "100=currency:0", *items)
    assert made.returncode == 0, made.stderr
    size = os.path.getsize(path)

    # How long one save takes, so the kills land all over it (a save that changes nothing
    # writes nothing, so this one changes field 100).
    started = time.monotonic()
    assert tool_run(tool, "set", path, "--tfn", TFN, "100=currency:1").returncode == 0
    save_seconds = time.monotonic() - started

    current = 1
    landed = kept = broken = backup_broken = 0
    most_left = 0
    for round_number in range(2, options.n + 2):
        child = subprocess.Popen([tool, "set", path, "--tfn", TFN,
                                  f"100=currency:{round_number}"],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(random.uniform(0, save_seconds * 1.1))
        child.send_signal(signal.SIGKILL)
        child.wait()
        most_left = max(most_left, len(glob.glob(path + ".??????")))
        found = amount_in(tool, path)
        if found == round_number:
            landed += 1
            current = round_number
        elif found == current:
            kept += 1
        else:
            broken += 1
            print(f"round {round_number}: the return holds {found}, not {current} "
                  f"or {round_number}", file=sys.stderr)
        if os.path.exists(backup) and amount_in(tool, backup) is None:
            backup_broken += 1

    # One more save, unkilled, after which nothing of the killed ones may be left.
    time.sleep(0.05)
    assert tool_run(tool, "set", path, "--tfn", TFN, "101=currency:1").returncode == 0
    left = sorted(os.path.basename(name) for name in glob.glob(path + ".??????"))

    print(f"return: {ITEMS} items, {size} bytes; one save takes {save_seconds * 1000:.0f} ms")
    print(f"kills: {options.n}; new content: {landed}; old content: {kept}; "
          f"unreadable or other content: {broken}")
    print(f"backup unreadable after a kill: {backup_broken}")
    print(f"temporary files present after a kill (most at once): {most_left}; "
          f"left after the next save: {len(left)}")
    subprocess.run(["rm", "-rf", folder])
    return 0 if broken == 0 and backup_broken == 0 and not left else 1


if __name__ == "__main__":
    sys.exit(main())
