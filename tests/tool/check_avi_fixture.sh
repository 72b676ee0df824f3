#!/bin/sh
# Compares the tool's report on a fixture recording, and the results of the
# scans its expected file lists, with the values an independent
# implementation computed for it (check.py prints each mismatch).
# usage: check_avi_fixture.sh VNPLAY_TOOL FIXTURE_DIR NAME
set -eu
tool=$1
dir=$2
name=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Frames without a camera date show the file time; the expected values
# assume the file time stated in the expected file, read under TZ=UTC.
cp "$dir/$name.avi" "$work/$name.avi"
chmod u+w "$work/$name.avi"
file_time=$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["file_time"])' "$dir/$name.expected.json")
TZ=UTC touch -d "$file_time" "$work/$name.avi"

TZ=UTC "$tool" report "$work/$name.avi" > "$work/result.json"
python3 "$(dirname "$0")/add_fixture_scans.py" "$tool" "$work/$name.avi" "$dir/$name.expected.json" "$work/result.json"
python3 "$dir/check.py" "$dir/$name.expected.json" "$work/result.json"
