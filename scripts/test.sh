#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit tests on Qt's offscreen platform,
# end-to-end tests under Xvfb).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure --timeout 300
