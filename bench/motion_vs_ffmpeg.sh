#!/usr/bin/env bash
# `vnplay-tool motion` against FFmpeg's scene-change selection on the same
# recording, taking turns, the best wall-clock time of each over the runs.
#   bench/motion_vs_ffmpeg.sh VNPLAY_TOOL RECORDING.avi [RUNS]
# Prints tool_seconds, ffmpeg_seconds and last ffmpeg_over_tool (how many
# times longer FFmpeg takes). Needs Debian's ffmpeg.
set -euo pipefail

tool=$1
recording=$2
runs=${3:-5}
command -v ffmpeg >/dev/null || { echo "ffmpeg is not installed (apt-get install ffmpeg)" >&2; exit 2; }

seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

best_tool=""
best_ffmpeg=""
for _ in $(seq "$runs"); do
    # A threshold that no block change exceeds: every frame is compared.
    t=$(seconds "$tool" motion "$recording" --threshold 255)
    f=$(seconds ffmpeg -nostdin -i "$recording" -vf "select='gt(scene,0.02)'" -f null -)
    if [ -z "$best_tool" ] || [ "$(echo "$t < $best_tool" | bc -l)" = 1 ]; then best_tool=$t; fi
    if [ -z "$best_ffmpeg" ] || [ "$(echo "$f < $best_ffmpeg" | bc -l)" = 1 ]; then best_ffmpeg=$f; fi
done
printf 'tool_seconds %.3f\nffmpeg_seconds %.3f\nffmpeg_over_tool %.2f\n' "$best_tool" "$best_ffmpeg" \
    "$(echo "$best_ffmpeg / $best_tool" | bc -l)"
