#!/usr/bin/env bash
# The program never looks the driver library up: it describes no cards, so the installed-cards
# feature stays off. Even with a test library on the loader's path, the loader's own trace of the
# whole start-up (through the supporter's one-time build, which ends with the help window) names
# no BRAKMO. (That the File menu holds only Exit is checked by the app unit tests.)
set -euo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_take_app "$1"
DRIVER_DIR="$(e2e_driver_dir "$2")"
e2e_init driver_unused

e2e_start_x 1280x1024x24
E2E_APP_ENV=(LD_DEBUG=libs "LD_LIBRARY_PATH=$DRIVER_DIR")
e2e_launch app.log
# The help window comes up after the supporter has built everything it will build.
e2e_dismiss_help
LOG="$E2E_WORKDIR/app.log"
grep -q 'find library=' "$LOG" || e2e_fail "the loader's trace is missing from the log; LD_DEBUG had no effect"
if grep -n BRAKMO "$LOG"; then
  e2e_fail "the program looked the driver library up"
fi
e2e_log "ok   $(grep -c 'find library=' "$LOG") libraries looked up, none of them BRAKMO"
e2e_pass
