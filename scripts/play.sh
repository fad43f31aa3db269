#!/bin/sh
# Installs what is missing, builds the game alone (not the tests) and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh play
scripts/build.sh lumora
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/lumora
fi
echo "No display found: starting the game on a virtual X display (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1024x768x24" build/bin/lumora
