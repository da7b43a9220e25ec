#!/bin/bash
# Runs a complete search (--complete --matches-only) part by part, niced, so that it can
# share the machine and be stopped at any time. Start one lane per core in the same work
# folder; the lanes share each first class, a part of STEP second-ticket branches at a time,
# claimed by creating claims/ID_J_A (see claim()).
#
#   tools/ticket_search/lanes.sh TOOL WORK ID STEP J1 J2 ...
#
# TOOL: the ticket_search binary; WORK: the work folder (logs, claims, matches);
# ID: the system; J1 J2 ...: the first classes, in the order to run them.
# With SUB=K in the environment, a part is one second-ticket branch and K of its
# third-ticket branches (claims/ID_J_A_C), for systems whose branches take hours.
# Each part appends its report and "(cpu N s)" to WORK/log_PID; a match is appended to
# WORK/found.txt and stops every lane, as does creating WORK/stop. A part reports a
# checkpoint every minute of CPU (CHECKPOINT=seconds), and a part taken over from a lane
# that is gone goes on from its last one, so a stop loses at most that minute. Keep one
# build of TOOL per work folder: the checkpoints are its branch numbers.
set -u
if [ $# -lt 5 ]; then
  sed -n '2,17p' "$0" >&2
  exit 2
fi
tool=$(realpath "$1") work=$2 id=$3 step=$4
shift 4
sub=${SUB:-0}
mkdir -p "$work/claims"
cd "$work" || exit 1
log=log_$$
# the first addition branches on the coverers of one t-subset, at most C(v - t, m - t) of
# them; parts past the last branch take a twentieth of a second. Each report says how many
# branches there were, which a lane keeps in WORK/branches_* for the parts after it.
IFS=_ read -r v t m <<<"$id"
most=1
for ((i = 1; i <= m - t; ++i)); do most=$((most * (v - t - i + 1) / i)); done
known() { if [ -s "$1" ]; then cat "$1"; else echo "$most"; fi; }

# claim NAME: true when this lane takes the part. A claim holds the pid of the lane that made
# it, and "done" once the part has run; a claim that is not done and whose lane is gone (a
# run stopped under way) is taken over, so the work folder can outlive the lanes.
claim() {
  local dir=claims/$1
  if mkdir "$dir" 2>/dev/null; then
    echo $$ >"$dir/pid"
    return 0
  fi
  [ -e "$dir/done" ] && return 1
  sleep 1 # a claim just made may not hold its pid yet
  local pid
  pid=$(cat "$dir/pid" 2>/dev/null)
  if [ -n "$pid" ] && grep -qs "$(basename "$0")" "/proc/$pid/cmdline"; then return 1; fi
  mv "$dir" "claims/.stale_$1_$$" 2>/dev/null || return 1 # another lane took it over first
  rm -rf "claims/.stale_$1_$$"
  claim "$1"
}

# collect FILE: the matches a part wrote go to found.txt (which stops the lanes)
collect() {
  if [ -s "$1" ]; then cat "$1" >>found.txt; fi
  rm -f "$1"
}

# part NAME ARGS...: runs one part unless another lane has claimed it
part() {
  local name=$1
  shift
  claim "$name" || return 0
  local out=part_$name.txt run=run_$name.log
  # what a lane that is gone left: its matches, and the last node it reported
  collect "$out"
  local resume
  resume=$(sed -n 's/.* checkpoint \([0-9.]*\) .*/\1/p' "$run" 2>/dev/null | tail -1)
  { /usr/bin/time -f "(cpu %U s)" nice -n 19 "$tool" --only "$id" --matches-only "$@" --tables "$out" \
    --checkpoint "${CHECKPOINT:-60}" ${resume:+--resume "$resume"}; } >>"$run" 2>&1
  cat "$run" >>"$log"
  # "at most N branches, M sub-branches"
  local counts
  counts=$(sed -n 's/.*at most \([0-9]*\) branches, \([0-9]*\) sub-branches.*/\1 \2/p' "$run" | tail -1)
  if [ -n "$counts" ]; then
    echo "${counts% *}" >"branches_${id}_$j"
    if [ "$sub" -gt 0 ]; then echo "${counts#* }" >"branches_${id}_${j}_$a"; fi
  fi
  rm -f "$run"
  collect "$out"
  touch "claims/$name/done"
}

stopped() { [ -e stop ] || [ -s found.txt ]; }

for j in "$@"; do
  a=0
  while [ "$a" -lt "$(known "branches_${id}_$j")" ]; do
    stopped && exit 0
    if [ "$sub" -eq 0 ]; then
      part "${id}_${j}_$a" --complete "$j:$((j + 1))" --branches "$a:$((a + step))"
      a=$((a + step))
      continue
    fi
    c=0
    while [ "$c" -lt "$(known "branches_${id}_${j}_$a")" ]; do
      stopped && exit 0
      part "${id}_${j}_${a}_$c" --complete "$j:$((j + 1))" --branches "$a:$((a + 1))" --sub-branches "$c:$((c + sub))"
      c=$((c + sub))
    done
    a=$((a + 1))
  done
  echo "## first class $j passed" >>"$log"
done
