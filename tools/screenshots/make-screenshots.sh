#!/usr/bin/env bash
# Remakes docs/screenshots/*.png from the shipped sample data under a virtual display
# (in the language of LANG: LANG=fr_CA.UTF-8 OUT=/tmp/fr tools/screenshots/make-screenshots.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v xvfb-run >/dev/null || scripts/ensure-packages xvfb xauth
cmake --preset default >/dev/null
cmake --build --preset default --target screenshots drawsmith
xvfb-run -a -s '-screen 0 1600x1200x24' build/default/tools/screenshots/screenshots build/default/app "${OUT:-docs/screenshots}"
