#!/usr/bin/python3
"""Runs every scan that a fixture's expected file lists with
`vnplay-tool scan` on the fixture and adds the results to a report in the
expected file's layout, for check.py.

  add_fixture_scans.py VNPLAY_TOOL RECORDING EXPECTED.json RESULT.json
"""

import json
import subprocess
import sys

LOOPS = (("motion_scans", "--motion"), ("event_scans", "--events"), ("trigger_walks", "--trigger"))


def main(tool, recording, expected_path, result_path):
    with open(expected_path) as f:
        expected = json.load(f)
    with open(result_path) as f:
        result = json.load(f)
    for key, option in LOOPS:
        found = []
        for scan in expected.get(key, []):
            loop = [option, str(scan["threshold"])] if key == "motion_scans" else [option]
            run = subprocess.run([tool, "scan", recording] + loop +
                                 ["--start", str(scan["start"]), "--end", str(scan["end"])],
                                 capture_output=True, text=True, check=True)
            found.append(dict(scan, result=json.loads(run.stdout)["result"]))
        result[key] = found
    with open(result_path, "w") as f:
        json.dump(result, f)


if __name__ == "__main__":
    main(*sys.argv[1:])
