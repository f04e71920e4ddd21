#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time, starting from
# the committed seeds. Any crash, hang, leak or sanitizer report fails.
set -euo pipefail
build=${1:?usage: run.sh BUILD_DIR [SECONDS]}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "$work/$name"
  echo "-- $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -artifact_prefix="$work/$name-" -print_final_stats=0 \
      "$work/$name" "$here/corpus/${name#fuzz_}" >"$work/$name.log" 2>&1; then
    echo "$name failed:"
    tail -n 60 "$work/$name.log"
    for artifact in "$work/$name"-*; do
      [ -f "$artifact" ] && { echo "input ($artifact):"; od -c "$artifact" | head -n 20; }
    done
    status=1
  else
    grep -E '^#[0-9]+[[:space:]]+DONE' "$work/$name.log" || tail -n 1 "$work/$name.log"
  fi
done
exit $status
