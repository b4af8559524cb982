# shellcheck shell=bash
# Shared helpers for the end-to-end tests: a private X server, a window manager, window lookup,
# screenshots and pixel reads. Source it from a script that runs with `set -euo pipefail`.
#
# Everything started here is recorded and torn down by an EXIT trap, so a failing assertion
# never leaves an Xvfb or the program under test running behind the test.

E2E_PIDS=()
E2E_WORKDIR=""
E2E_FAILED=1   # cleared by e2e_pass; anything else that ends the script counts as a failure

e2e_log() { printf '[e2e %s] %s\n' "$(date +%H:%M:%S)" "$*"; }

e2e_fail() {
  printf '[e2e %s] FAIL: %s\n' "$(date +%H:%M:%S)" "$*" >&2
  exit 1
}

# Where screenshots survive a failure: $E2E_ARTIFACTS if given, else the current directory
# (ctest runs us in the build's tests/e2e directory).
e2e_artifact_dir() {
  local dir="${E2E_ARTIFACTS:-$PWD/e2e-artifacts}/${E2E_NAME:-e2e}"
  mkdir -p "$dir"
  printf '%s\n' "$dir"
}

e2e_cleanup() {
  local rc=$?
  local i
  # Stop in reverse start order: the program first, the X server last, so clients do not spew
  # connection errors while we tidy up.
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${E2E_PIDS[i]}" 2>/dev/null || true
  done
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    local pid="${E2E_PIDS[i]}" n=0
    while kill -0 "$pid" 2>/dev/null && ((n < 30)); do sleep 0.1; n=$((n + 1)); done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [[ -n "$E2E_WORKDIR" && -d "$E2E_WORKDIR" ]]; then
    if ((E2E_FAILED)); then
      local dest
      dest="$(e2e_artifact_dir)"
      cp -f "$E2E_WORKDIR"/*.png "$E2E_WORKDIR"/*.log "$dest"/ 2>/dev/null || true
      printf '[e2e] screenshots and logs kept in %s\n' "$dest" >&2
    fi
    rm -rf "$E2E_WORKDIR"
  fi
  exit "$rc"
}

# The board photograph's size on screen, the same in every test (read by the tests that source
# this file).
# shellcheck disable=SC2034
BOARD_W=662
# shellcheck disable=SC2034
BOARD_H=266

# Takes the program's path from the test's arguments into APP, made absolute.
# shellcheck disable=SC2034  # APP is read by the test that calls this
e2e_take_app() {
  if [[ $# -ne 1 || ! -x "$1" ]]; then
    echo "usage: $0 <path-to-settings-binary>" >&2
    exit 2
  fi
  APP="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
}

# Call once at the start of a test. Sets E2E_WORKDIR and installs the cleanup trap.
e2e_init() {
  E2E_NAME="$1"
  E2E_WORKDIR="$(mktemp -d "${TMPDIR:-/tmp}/e2e-${E2E_NAME}.XXXXXX")"
  # Screenshots left by an earlier failed run would be mistaken for this run's.
  local old="${E2E_ARTIFACTS:-$PWD/e2e-artifacts}/${E2E_NAME}"
  if [[ -d "$old" ]]; then rm -f "$old"/*.png "$old"/*.log; rmdir "$old" 2>/dev/null || true; fi
  trap e2e_cleanup EXIT
  trap 'exit 130' INT TERM HUP
  # Keep the test independent of whatever session started it.
  unset DISPLAY WAYLAND_DISPLAY XAUTHORITY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$E2E_WORKDIR/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}

e2e_pass() {
  E2E_FAILED=0
  e2e_log "PASS"
}

# Remember a background process for cleanup.
e2e_track() { E2E_PIDS+=("$1"); }

# Start a private Xvfb on a display number it picks itself, then openbox on it. Exports DISPLAY.
e2e_start_x() {
  local geometry="${1:-1280x1024x24}"
  local fdfile="$E2E_WORKDIR/display"
  : >"$fdfile"
  # -displayfd makes the server choose a free display and write its number to the fd once it
  # is ready to accept connections, which avoids both races and guessed numbers.
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset \
    3>"$fdfile" >"$E2E_WORKDIR/xvfb.log" 2>&1 </dev/null &
  e2e_track $!
  local deadline=$((SECONDS + 15))
  while ! grep -q '[0-9]' "$fdfile" 2>/dev/null; do
    kill -0 "${E2E_PIDS[-1]}" 2>/dev/null || e2e_fail "Xvfb exited early: $(cat "$E2E_WORKDIR/xvfb.log")"
    ((SECONDS < deadline)) || e2e_fail "Xvfb did not report a display"
    sleep 0.1
  done
  DISPLAY=":$(tr -dc '0-9' <"$fdfile")"
  export DISPLAY
  e2e_log "Xvfb running on $DISPLAY ($geometry)"

  openbox --sm-disable >"$E2E_WORKDIR/openbox.log" 2>&1 </dev/null &
  e2e_track $!
  # openbox is ready once it has claimed the EWMH supporting-window property.
  deadline=$((SECONDS + 10))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    ((SECONDS < deadline)) || e2e_fail "openbox did not start"
    sleep 0.1
  done
  e2e_log "openbox running"
}

# Wait for a visible top-level window with exactly this name; prints its id.
e2e_wait_window() {
  local name="$1" timeout="${2:-20}" id
  local deadline=$((SECONDS + timeout))
  while ((SECONDS < deadline)); do
    id="$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n1 || true)"
    if [[ -n "$id" ]]; then
      printf '%s\n' "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# The help window opens by itself shortly after start, on top of the main window. Close it with
# the window manager's close command (Alt+F4 in openbox), which only hides it: Esc or its Start
# button would also open the first setting's popup.
E2E_HELP_CAPTION="Instructions for Settings utility"
e2e_dismiss_help() {
  local help attempt
  help="$(e2e_wait_window "$E2E_HELP_CAPTION" 20)" || e2e_fail "the help window did not open by itself"
  # Alt+F4 goes to the active window, and on the main window it would end the program: send it
  # only once the help window is the active one, and again if a busy start-up swallowed it.
  for attempt in 1 2 3 4 5; do
    xdotool windowactivate --sync "$help" 2>/dev/null || true
    if [[ "$(xdotool getactivewindow 2>/dev/null)" == "$help" ]]; then
      xdotool key --clearmodifiers alt+F4
      if e2e_wait_until 3 e2e_window_gone "$E2E_HELP_CAPTION"; then
        e2e_log "help window closed"
        return 0
      fi
    fi
    sleep 0.3
  done
  e2e_fail "the help window did not close"
}
e2e_window_gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# True when the window manager reports the window maximised both ways.
e2e_is_maximised() {
  local state
  state="$(xprop -id "$1" _NET_WM_STATE 2>/dev/null || true)"
  [[ "$state" == *_NET_WM_STATE_MAXIMIZED_VERT* && "$state" == *_NET_WM_STATE_MAXIMIZED_HORZ* ]]
}

# Window geometry in root coordinates: sets WIN_X WIN_Y WIN_W WIN_H.
# shellcheck disable=SC2034  # read by the calling script
e2e_window_geometry() {
  local info
  info="$(xwininfo -id "$1")"
  WIN_X="$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")"
  WIN_Y="$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")"
  WIN_W="$(awk '/^ *Width:/ {print $2}' <<<"$info")"
  WIN_H="$(awk '/^ *Height:/ {print $2}' <<<"$info")"
}

# Screenshot of the whole screen into $E2E_WORKDIR/<name>.png; prints the path.
e2e_screenshot() {
  local out="$E2E_WORKDIR/$1.png"
  import -silent -window root "$out"
  printf '%s\n' "$out"
}

# Crop WxH+X+Y out of an image into a new file; prints the path.
e2e_crop() {
  local img="$1" geom="$2" out="$3"
  convert "$img" -crop "$geom" +repage "$out"
  printf '%s\n' "$out"
}

# Colour of one pixel as "r,g,b" (0-255).
e2e_pixel() {
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

# Number of differing pixels between the same WxH+X+Y region of two images.
e2e_diff_pixels() {
  local a="$1" b="$2" geom="$3"
  # compare prints the metric on stderr and exits 1 when the images differ; both are expected.
  convert "$a" -crop "$geom" +repage "$E2E_WORKDIR/.cmp-a.png"
  convert "$b" -crop "$geom" +repage "$E2E_WORKDIR/.cmp-b.png"
  compare -metric AE "$E2E_WORKDIR/.cmp-a.png" "$E2E_WORKDIR/.cmp-b.png" null: 2>&1 || true
}

# Map state of a window as xwininfo reports it: IsViewable, IsUnMapped or IsUnviewable.
e2e_map_state() {
  xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ {print $3}'
}

# Poll a command until it succeeds or the timeout (seconds) runs out; returns its last status.
e2e_wait_until() {
  local timeout="$1"
  shift
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# The distinct colours in the WxH+X+Y region of an image, as sorted "#RRGGBB" words.
e2e_region_colours() {
  convert "$1" -crop "$2" +repage -depth 8 -unique-colors txt:- |
    grep -o '#[0-9A-F]\{6\}' | sort -u | tr '\n' ' ' | sed 's/ $//'
}

# Bounding box "w h x y" (x, y in the image's own coordinates) of everything in the WxH+X+Y region
# of an image that is not the given background colour; "none" when the region is all background.
e2e_bbox() {
  local img="$1" geom="$2" bg="$3" ox oy box w h x y
  if [[ "$(e2e_region_colours "$img" "$geom")" == "$bg" ]]; then
    echo none
    return 0
  fi
  ox="$(cut -d+ -f2 <<<"$geom")"
  oy="$(cut -d+ -f3 <<<"$geom")"
  # The one-pixel border in the background colour makes -trim key on that colour exactly.
  box="$(convert "$img" -crop "$geom" +repage -bordercolor "$bg" -border 1 -trim -format '%w %h %X %Y' info:)"
  read -r w h x y <<<"$box"
  echo "$w $h $((ox + x - 1)) $((oy + y - 1))"
}

# The board photograph sits on pure white below the menu bar. Given a screenshot and the main
# window's client geometry (x y w h), sets MENU_H, BOARD_X, BOARD_Y (root coordinates) and
# BOARD_SIZE ("WxH" of everything non-white below the menu bar, empty if the menu bar's end was
# not found).
# shellcheck disable=SC2034  # read by the calling script
E2E_HEADING_H=60
e2e_locate_board() {
  local shot="$1" wx="$2" wy="$3" ww="$4" wh="$5" top box w h x y
  BOARD_SIZE=""
  # The menu bar's right end carries no text, so walking down that column to the first pure white
  # pixel gives the top of the white background.
  MENU_H="$(convert "$shot" -crop "1x120+$((wx + ww - 3))+${wy}" +repage txt:- |
    awk -F'[,:]' '!found && /#FFFFFF/ {found = 1; row = $2} END {print found ? row : -1}')"
  ((MENU_H >= 0)) || return 0
  # Below the heading across the top of the window, which is text, not the board.
  top=$((wy + MENU_H + E2E_HEADING_H))
  local area="${ww}x$((wy + wh - top))+${wx}+${top}"
  # -fuzz absorbs nothing but rounding; the page background is exactly #FFFFFF.
  box="$(convert "$shot" -crop "$area" +repage -bordercolor white -border 1 \
    -fuzz 1% -trim -format '%w %h %X %Y' info:)"
  read -r w h x y <<<"$box"
  BOARD_X=$((wx + x - 1))
  BOARD_Y=$((top + y - 1))
  BOARD_SIZE="${w}x${h}"
}

# True once the board photograph is on screen at its full size in the main window (MAIN_X, MAIN_Y,
# MAIN_W, MAIN_H); sets what e2e_locate_board sets.
e2e_board_found() {
  e2e_locate_board "$(e2e_screenshot startup)" "$MAIN_X" "$MAIN_Y" "$MAIN_W" "$MAIN_H"
  [[ "$BOARD_SIZE" == "${BOARD_W}x${BOARD_H}" ]]
}

# The folder of a test driver library (a BRAKMO.dll) from the test's arguments, made absolute;
# printed.
e2e_driver_dir() {
  [[ -f "$1/BRAKMO.dll" ]] || { echo "no BRAKMO.dll in '$1'" >&2; exit 2; }
  (cd "$1" && pwd)
}

# Extra environment for the program under test only ("NAME=value" words), so that settings such
# as LD_DEBUG do not reach the test's own tools.
E2E_APP_ENV=()

# Starts $APP (its output into the named log) and waits for its maximised main window. Sets
# APP_PID, MAIN and MAIN_X/Y/W/H.
# shellcheck disable=SC2034  # read by the calling script
e2e_launch() {
  local log="${1:-app.log}"
  e2e_log "starting $APP"
  env "${E2E_APP_ENV[@]}" "$APP" >"$E2E_WORKDIR/$log" 2>&1 </dev/null &
  APP_PID=$!
  e2e_track "$APP_PID"
  MAIN="$(e2e_wait_window Setup 20)" || e2e_fail "no visible window named 'Setup' within 20 s"
  e2e_wait_until 20 e2e_is_maximised "$MAIN" || e2e_fail "main window never became maximised"
  e2e_window_geometry "$MAIN"
  MAIN_X=$WIN_X MAIN_Y=$WIN_Y MAIN_W=$WIN_W MAIN_H=$WIN_H
}

# e2e_launch, then closes the help window and waits for the board to be painted (the first paint
# is also when the highlights prepare themselves). Sets SPOT_X/Y (empty white background, away
# from the board and every popup; the pointer is left there) and BOARD_* as well.
# shellcheck disable=SC2034  # read by the calling script
e2e_start_main() {
  e2e_launch
  e2e_dismiss_help
  SPOT_X=$((MAIN_X + 10))
  SPOT_Y=$((MAIN_Y + MAIN_H - 10))
  xdotool mousemove "$SPOT_X" "$SPOT_Y"
  e2e_wait_until 20 e2e_board_found ||
    e2e_fail "board not found on screen (got '${BOARD_SIZE:-none}'); see startup.png"
  e2e_log "board at +${BOARD_X}+${BOARD_Y}"
}
