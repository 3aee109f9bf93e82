#!/usr/bin/env bash
# Memory of Sentara while it plays a 60-minute MP3 lesson: a copy of the demo course whose first
# lesson's recording is padded to an hour (its sentences keep their times), played in the
# sentence view on the default engine for 20 s (the listening loop repeats its sentences). Prints
# the peak resident memory. Needs a sound server (scripts/run-benchmarks starts one).
#   bash benchmarks/long_lesson_rss.sh <build>
set -euo pipefail
build=$1
bin=$(cd "$build/bin" && pwd)
work=$(mktemp -d /tmp/long-lesson.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -r "$bin"/. "$work/course"
rm -f "$work/course/Sentara" "$work/course/Oralix"
book="Morning Steps" # Book 1, whose lesson 1 the demo course opens on
first=$(ls "$work/course/Sound/$book"/1.mp3)
ffmpeg -loglevel error -y -i "$first" -af apad=whole_dur=3600 -b:a 128k "$work/long.mp3"
mv "$work/long.mp3" "$first"
seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$first")
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$bin/Sentara" --course "$work/course" &
pid=$!
peak=0
for _ in $(seq 1 40); do
    sleep 0.5
    rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    [ "${rss:-0}" -gt "$peak" ] && peak=$rss
done
kill -TERM "$pid"
wait "$pid" || true
echo "60-minute lesson (${seconds%.*} s of MP3): Sentara's peak resident memory $((peak / 1024)) MB"
