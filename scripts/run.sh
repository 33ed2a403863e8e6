#!/usr/bin/env bash
# Starts the desktop program when there is a display to show it on; otherwise
# prints this year's holy-day report in the terminal.
set -euo pipefail
bin=build/release/bin
if [ -x "$bin/orvane" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$bin/orvane"
fi
exec "$bin/orvane-cli" holydays
