#!/bin/bash
# Runs a complete search (--complete --matches-only) part by part, niced, so that it can
# share the machine and be stopped at any time losing at most the parts under way. Start
# one lane per core in the same work folder; the lanes share each first class, a part of
# STEP second-ticket branches at a time, claimed by creating claims/ID_J_A.
#
#   tools/ticket_search/lanes.sh TOOL WORK ID STEP J1 J2 ...
#
# TOOL: the ticket_search binary; WORK: the work folder (logs, claims, matches);
# ID: the system; J1 J2 ...: the first classes, in the order to run them.
# Each part appends its report and "(cpu N s)" to WORK/log_PID; a match is appended to
# WORK/found.txt and stops every lane, as does creating WORK/stop.
set -u
if [ $# -lt 5 ]; then
  sed -n '2,13p' "$0" >&2
  exit 2
fi
tool=$(realpath "$1") work=$2 id=$3 step=$4
shift 4
mkdir -p "$work/claims"
cd "$work" || exit 1
log=log_$$
# the first addition branches on the coverers of one t-subset, at most C(v - t, m - t) of
# them; parts past the last branch take a twentieth of a second
IFS=_ read -r v t m <<<"$id"
branches=1
for ((i = 1; i <= m - t; ++i)); do branches=$((branches * (v - t - i + 1) / i)); done
for j in "$@"; do
  a=0
  while [ "$a" -lt "$branches" ]; do
    if [ -e stop ] || [ -s found.txt ]; then exit 0; fi
    b=$((a + step))
    if mkdir "claims/${id}_${j}_$a" 2>/dev/null; then
      part=part_${id}_${j}_$a.txt
      rm -f "$part"
      { /usr/bin/time -f "(cpu %U s)" nice -n 19 "$tool" --complete "$j:$((j + 1))" --only "$id" \
          --matches-only --branches "$a:$b" --tables "$part"; } >>"$log" 2>&1
      if [ -s "$part" ]; then cat "$part" >>found.txt; fi
      rm -f "$part"
    fi
    a=$b
  done
  echo "## first class $j passed" >>"$log"
done
