#!/usr/bin/env bash
# Starts the desktop program under a virtual display, runs a report in every
# section and writes PNG pictures of the window to docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
make build
mkdir -p docs/screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" build/release/bin/orvane-screenshots docs/screenshots
ls docs/screenshots
