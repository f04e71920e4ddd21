#!/usr/bin/env bash
# Runs a command (a test program, ctest, scripts/test.sh) while it stops and
# continues every analyzer simulator that the command starts, as a stalled
# machine would: 0.5 s stopped at a time, at random moments at least 1 s
# apart for each simulator, from its start to its end. No other process is
# touched. A test whose verdict depends on the machine's pace fails here.
# Simulators are looked for every 5 ms or so, so one that comes and goes
# faster than that may pass unseen; a first pause would rarely have reached
# it anyway.
#
#   bash scripts/pause-simulators.sh ctest --test-dir build/release -j 8
#
# Ends with the command's exit status, after a line that says how many
# simulators were paused how often.
set -uo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARGUMENT...]" >&2
  exit 2
fi

# The process name as the kernel keeps it: the first 15 characters.
readonly simulator_name=ombrelix-analyz
readonly pause_seconds=0.5

pauses=$(mktemp)
trap 'rm -f "$pauses"' EXIT

# Field N of a process's stat line (4 is its parent, 22 its start time,
# which tells it apart from a later process that gets the same number);
# empty once the process is gone.
stat_field() {
  local stat
  read -r stat 2>/dev/null <"/proc/$1/stat" || return 0
  # Past the name, which may hold blanks: field 3 comes first.
  stat=${stat##*) }
  local fields=($stat)
  echo "${fields[$2 - 3]}"
}

start_time() { stat_field "$1" 22; }

descends_from() {
  local pid=$1 ancestor=$2
  while [ -n "$pid" ] && [ "$pid" -gt 1 ]; do
    [ "$pid" = "$ancestor" ] && return 0
    pid=$(stat_field "$pid" 4)
  done
  return 1
}

# A random time of at least $1 ms and below $1 + $2 ms, in seconds.
random_seconds() {
  local ms=$(($1 + (RANDOM * 32768 + RANDOM) % $2))
  printf '%d.%03d' $((ms / 1000)) $((ms % 1000))
}

# Pauses one simulator until it ends. A pause begins within 1 s of the
# start, and each begins 1 to 2.5 s after the one before.
pause_while_alive() {
  local pid=$1 started=$2
  # Never leave a simulator stopped, whatever ends this loop.
  trap 'kill -CONT "$pid" 2>/dev/null; exit 0' TERM INT
  sleep "$(random_seconds 0 1000)"
  while [ "$(start_time "$pid")" = "$started" ]; do
    kill -STOP "$pid" 2>/dev/null || break
    echo "$pid" >>"$pauses"
    sleep "$pause_seconds"
    kill -CONT "$pid" 2>/dev/null
    sleep "$(random_seconds 500 1500)"
  done
}

"$@" &
command_pid=$!

declare -A seen=()
pausers=()
simulators=0
while kill -0 "$command_pid" 2>/dev/null; do
  for pid in $(pgrep -x "$simulator_name"); do
    started=$(start_time "$pid")
    [ -n "$started" ] || continue
    [ "${seen[$pid]:-}" = "$started" ] && continue
    descends_from "$pid" "$command_pid" || continue
    seen[$pid]=$started
    simulators=$((simulators + 1))
    pause_while_alive "$pid" "$started" &
    pausers+=($!)
  done
  sleep 0.005
done
wait "$command_pid"
status=$?

for pauser in "${pausers[@]}"; do kill -TERM "$pauser" 2>/dev/null; done
wait
echo "pause-simulators: $simulators simulators seen, $(wc -l <"$pauses") pauses of ${pause_seconds} s"
exit $status
