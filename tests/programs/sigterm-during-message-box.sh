#!/usr/bin/env bash
# Each program is closed by SIGTERM (a logout) while one of its message boxes is open at
# start-up, as exit closes it: the process ends and its settings file is written.
#   sigterm-during-message-box.sh <program folder> <demo course folder>
# Runs the real programs on an X display (xvfb-run) and finds the box with xdotool.
set -euo pipefail
bin=$1
demo=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

course() { # a copy of the demo course without its media
  local dir=$work/$1
  mkdir -p "$dir"
  cp -r "$demo/SETTING" "$demo/Book" "$demo/Bitmap" "$demo/lib.dll" "$dir/"
  echo "$dir"
}

inode() { stat -c %i "$1"; }

# run <name> <settings file> <expected separators> <separator> <command...>
run() {
  local name=$1 settings=$2 count=$3 separator=$4
  shift 4
  local before
  before=$(inode "$settings")
  "$@" > "$work/$name.log" 2>&1 &
  local pid=$!
  local box=""
  for _ in $(seq 1 150); do
    box=$(xdotool search --pid "$pid" --name '^提示$' 2>/dev/null | head -1 || true)
    [ -n "$box" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if [ -z "$box" ]; then
    echo "FAIL $name: no message box appeared"; cat "$work/$name.log"
    kill -KILL "$pid" 2>/dev/null || true
    failures=$((failures + 1)); return
  fi
  echo "$name: message box open (window $box), sending SIGTERM"
  kill -TERM "$pid"
  local status=0
  for _ in $(seq 1 75); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL $name: still running 15 s after SIGTERM"
    kill -KILL "$pid"; wait "$pid" || true
    failures=$((failures + 1)); return
  fi
  wait "$pid" || status=$?
  local after separators
  after=$(inode "$settings")
  separators=$(tr -cd "$separator" < "$settings" | wc -c)
  if [ "$status" -ne 0 ] || [ "$before" = "$after" ] || [ "$separators" -ne "$count" ]; then
    echo "FAIL $name: exit status $status, settings file rewritten: $([ "$before" != "$after" ] && echo yes || echo no), $separators values"
    failures=$((failures + 1)); return
  fi
  echo "ok $name: ended with status 0, $(basename "$settings") written ($separators values)"
  passes=$((passes + 1))
}

# The X server answers before any program starts (a busy machine can be slow to bring it up).
for _ in $(seq 1 50); do
  xdotool getdisplaygeometry > /dev/null 2>&1 && break
  sleep 0.2
done
if ! xdotool getdisplaygeometry > /dev/null 2>&1; then
  echo "FAIL: the X display $DISPLAY does not answer"
  exit 1
fi

# Oralix starts on a lesson whose text has no sentence: "本课课文中没有句子：..." is shown.
oralix=$(course oralix)
printf '*' > "$oralix/Book/Morning Steps/1.dat"
printf '0\\1\\1\\2\\1\\1\\1\\Lesson 3\\0\\Morning Steps\\12615808\\0\\' > "$oralix/SETTING/mnset.dat"
run Oralix "$oralix/SETTING/mnset.dat" 12 '\\' "$bin/Oralix" --course "$oralix"

# Sentara starts with a damaged course content file: its message is shown while starting.
sentara=$(course sentara)
printf '{ "books": [' > "$sentara/SETTING/Content.json"
run Sentara "$sentara/SETTING/Set.dat" 34 '/' "$bin/Sentara" --course "$sentara"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
