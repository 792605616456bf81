#!/usr/bin/env bash
# Soak run (not a test): drives full runs of the programs through their window and the
# office's Save As, as a user does, while every core is kept busy, and counts the runs that
# hung or failed.
#
#   bench/soak.sh [runs per program] [program...]      (default: 100 runs of each program)
#
# Each run restores the sample order files, starts the program, presses "Genera preventivo",
# answers the Save As dialog with a new file, waits for the program to end and closes the
# saved quotation in the office. A run hangs when neither the dialog nor an ending comes
# within $SOAK_HANG_SECONDS (default 120); it fails when the program ends or stops with a
# message before the dialog, or leaves its order files behind. A screenshot of every run that
# did not succeed is kept in the work folder, which is printed at the end.
#
# Everything runs on a private display with its own window manager, office profile and data
# folder: the user's own office and data are not touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZUVO_BUILD_DIR:-$root/build}
runs=${1:-100}
shift || true
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(mordisk tavrelo pellanor)
hang_seconds=${SOAK_HANG_SECONDS:-120}

bash "$root/scripts/install-deps.sh" soak
bash "$root/scripts/build.sh" >/dev/null

work=$(mktemp -d /tmp/zuvo-soak.XXXXXX)
export HOME=$work/home ZUVO_DATA=$work/data
mkdir -p "$HOME" "$work/pristine" "$work/out" "$work/shots"
"$build/sample_data/zuvo-prepare-data" "$ZUVO_DATA" >/dev/null
order_files=(codord.txt dtec.txt dscheda.txt fppord.txt fleord.txt fdrord.txt fsdord.txt fclord.txt)
for f in "${order_files[@]}"; do cp "$ZUVO_DATA/$f" "$work/pristine/"; done

display=:$((90 + RANDOM % 100))
export DISPLAY=$display
helpers=()
cleanup() {
  for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null || true; done
  end_office
  pkill -f "Xvfb $display" 2>/dev/null || true
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
helpers+=($!)
sleep 2
openbox >/dev/null 2>&1 &
helpers+=($!)
# A window mapped while the window manager is still taking over the display stays unmapped.
for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
for _ in $(seq "$(nproc)"); do
  (while :; do :; done) &
  helpers+=($!)
done

# Waits up to $1 seconds for a visible window whose name matches $2; prints its id.
wait_window() {
  local deadline=$((SECONDS + $1)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.5
  done
  return 1
}

end_office() { pkill -9 -f "soffice.bin.*zuvo_desktop_$(id -u)" 2>/dev/null || true; sleep 1; }

# The order file each program consumes.
declare -A order_file=([mordisk]=codord.txt [pellanor]=codord.txt [tavrelo]=fppord.txt)

shot() { import -window root "$work/shots/$1.png" 2>/dev/null || true; }

# The threads of a hung program and of its office, when gdb is there to tell them.
stacks() {
  command -v gdb >/dev/null || return 0
  gdb -p "$2" -batch -ex "thread apply all bt" >"$work/shots/$1-program.txt" 2>&1 || true
  local office
  office=$(pgrep -f "soffice.bin.*zuvo_desktop_$(id -u)" | head -1 || true)
  [ -z "$office" ] || gdb -p "$office" -batch -ex "thread apply all bt" >"$work/shots/$1-office.txt" 2>&1 || true
}

# One run; prints ok, hung or failed.
run_once() {
  local program=$1 n=$2 out="$work/out/$1-$2.xlsx" pid form dialog deadline
  for f in "${order_files[@]}"; do cp "$work/pristine/$f" "$ZUVO_DATA/"; done
  "$build/programs/$program" >>"$work/$program.log" 2>&1 &
  pid=$!
  if ! form=$(wait_window 60 '^Generazione preventivo$'); then
    shot "$program-$n-nowindow"; kill -9 "$pid" 2>/dev/null; echo failed; return
  fi
  # "Genera preventivo" sits at this place of the window in every program.
  xdotool mousemove --window "$form" 468 201 click 1
  deadline=$((SECONDS + hang_seconds))
  dialog=""
  while [ $SECONDS -lt $deadline ]; do
    dialog=$(xdotool search --onlyvisible --name '^Save$' 2>/dev/null | head -1 || true)
    [ -n "$dialog" ] && break
    if ! kill -0 "$pid" 2>/dev/null; then shot "$program-$n-ended"; echo failed; return; fi
    if [ "$(xdotool search --onlyvisible --name '^Generazione preventivo$' 2>/dev/null | wc -l)" -gt 1 ]; then
      shot "$program-$n-message"; kill -9 "$pid" 2>/dev/null; echo failed; return
    fi
    sleep 0.5
  done
  if [ -z "$dialog" ]; then
    # The office is this script's own: a hung one goes too, so that the next run starts clean.
    shot "$program-$n-hung"; stacks "$program-$n-hung" "$pid"; kill -9 "$pid" 2>/dev/null; end_office; echo hung; return
  fi
  xdotool windowfocus --sync "$dialog" key ctrl+a
  xdotool type --delay 5 "$out"
  xdotool key Return
  deadline=$((SECONDS + hang_seconds))
  while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.5; done
  if kill -0 "$pid" 2>/dev/null; then
    shot "$program-$n-hung-after-dialog"; stacks "$program-$n-hung-after-dialog" "$pid"; kill -9 "$pid" 2>/dev/null; end_office; echo hung; return
  fi
  local quotation
  if quotation=$(wait_window 30 "^$(basename "$out") - LibreOffice Calc\$"); then
    xdotool windowfocus --sync "$quotation" key ctrl+w
  fi
  if [ -e "$ZUVO_DATA/${order_file[$program]}" ] || [ ! -s "$out" ]; then
    shot "$program-$n-incomplete"; echo failed; return
  fi
  echo ok
}

for program in "${programs[@]}"; do
  ok=0; hung=0; failed=0
  for n in $(seq "$runs"); do
    result=$(run_once "$program" "$n")
    echo "$program $n: $result" >>"$work/runs.log"
    case $result in
      ok) ok=$((ok + 1)) ;;
      hung) hung=$((hung + 1)) ;;
      *) failed=$((failed + 1)) ;;
    esac
  done
  echo "$program: $runs runs on $(nproc) busy cores: $ok ok, $hung hung, $failed failed"
done
echo "work folder: $work"
