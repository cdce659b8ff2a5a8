#!/usr/bin/env bash
# Installs what is missing, builds and starts the converter dialog with the given arguments.
# "scripts/run.sh convert ARGS..." runs the command-line converter instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" run >&2
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$root/build/release" -j "$(nproc)" >&2
if [[ "${1:-}" == convert ]]; then
  shift
  exec "$root/build/release/cli/quorvane-convert" "$@"
fi
exec "$root/build/release/app/quorvane" "$@"
