#!/usr/bin/env bash
# Starts Zelmark connected to the built-in virtual flow computer: builds what is missing, starts
# zelmark-sim on a pseudo-terminal, and points COM1 of a scratch settings file at it, so your
# own settings stay untouched. Extra arguments go to zelmark-sim (e.g. --profile NAME).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
bin="${ZELMARK_BUILD_DIR:-build}/bin"

scratch="$(mktemp -d /tmp/zelmark-demo.XXXXXX)"
link="$scratch/flow-computer"
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

"$bin/zelmark-sim" --link "$link" "$@" &
sim_pid=$!
for _ in $(seq 100); do [ -e "$link" ] && break; sleep 0.05; done
[ -e "$link" ] || { echo "zelmark-sim did not start" >&2; exit 1; }

# COM1 is the virtual flow computer; the link settings are those of a fresh installation
# (automatic speed search on), so the program finds the simulator's speed by itself.
cat > "$scratch/Zelmark.ini" <<INI
[Parametres]
NumPort=0
[Ports]
COM1=$link
INI
export ZELMARK_SETTINGS="$scratch/Zelmark.ini"
"$bin/zelmark"
