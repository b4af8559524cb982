#!/usr/bin/env bash
# Drives the real program under a private Xvfb: the main window comes up maximised with the board
# photograph centred, hovering one DIO interrupt jumper lights the whole DIO group and nothing
# else, and File > Exit from the keyboard ends the program cleanly.
set -euo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_take_app "$@"
e2e_init main_window


# Ring rectangles in board coordinates: name left top width height.
DIO_RINGS=(
  "IEN0Highlight 348 21 17 25"
  "IEN1Highlight 449 17 17 25"
  "IEN2Highlight 549 18 17 25"
  "IEN3Highlight 640 17 17 25"
)
OTHER_RINGS=(
  "IENCTRHighlight 81 4 48 25"
  "BoardHighlight1 115 47 17 49"
  "BoardHighlight2 115 97 17 50"
  "BoardHighlight3 115 148 17 50"
)

e2e_start_x 1280x1024x24

e2e_log "starting $APP"
"$APP" >"$E2E_WORKDIR/app.log" 2>&1 </dev/null &
APP_PID=$!
e2e_track "$APP_PID"

WIN="$(e2e_wait_window Setup 20)" || e2e_fail "no visible window named 'Setup' within 20 s"
e2e_log "window 'Setup' is mapped (id $WIN)"

deadline=$((SECONDS + 20))
until e2e_is_maximised "$WIN"; do
  ((SECONDS < deadline)) || e2e_fail "window never became maximised: $(xprop -id "$WIN" _NET_WM_STATE)"
  sleep 0.2
done
e2e_window_geometry "$WIN"
e2e_log "window is maximised: client area ${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}"
e2e_dismiss_help

# Keep the pointer parked on empty white background while the window paints.
SPOT_X=$((WIN_X + 10))
SPOT_Y=$((WIN_Y + WIN_H - 10))
xdotool mousemove "$SPOT_X" "$SPOT_Y"

deadline=$((SECONDS + 20))
while :; do
  shot="$(e2e_screenshot startup)"
  e2e_locate_board "$shot" "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H"
  [[ "$BOARD_SIZE" == "${BOARD_W}x${BOARD_H}" ]] && break
  ((SECONDS < deadline)) || e2e_fail "board not found on screen (non-white area below the menu bar is '${BOARD_SIZE:-none}', expected ${BOARD_W}x${BOARD_H}); see startup.png"
  sleep 0.3
done
e2e_log "board found at +${BOARD_X}+${BOARD_Y} (${BOARD_SIZE})"

# The board is centred horizontally (allow a pixel for odd widths). Its vertical place follows the
# window's own layout rule, so only require it to be wholly inside the area below the menu bar.
expect_x=$((WIN_X + (WIN_W - BOARD_W) / 2))
if ((BOARD_X < expect_x - 1 || BOARD_X > expect_x + 1)); then
  e2e_fail "board at +${BOARD_X}+${BOARD_Y} is not centred horizontally (expected x about ${expect_x})"
fi
if ((BOARD_Y < WIN_Y + MENU_H || BOARD_Y + BOARD_H > WIN_Y + WIN_H)); then
  e2e_fail "board at +${BOARD_X}+${BOARD_Y} is not inside the client area below the menu bar"
fi
e2e_log "board is centred horizontally, menu bar is ${MENU_H} px high"

ring_geom() { # name left top w h -> root-coordinate crop geometry
  printf '%sx%s+%s+%s\n' "$4" "$5" "$((BOARD_X + $2))" "$((BOARD_Y + $3))"
}

ring_diff() { # image-a image-b name left top w h -> differing pixel count
  local n
  n="$(e2e_diff_pixels "$1" "$2" "$(ring_geom "${@:3}")")"
  [[ "$n" =~ ^[0-9]+$ ]] || e2e_fail "could not compare $3: $n"
  printf '%s\n' "$n"
}

BEFORE="$(e2e_screenshot before)"

# Hover the centre of IEN0 and wait for its ring to repaint.
read -r _ l t w h <<<"${DIO_RINGS[0]}"
HOVER_X=$((BOARD_X + l + w / 2))
HOVER_Y=$((BOARD_Y + t + h / 2))
e2e_log "moving the pointer onto IEN0Highlight at ${HOVER_X},${HOVER_Y}"
xdotool mousemove "$HOVER_X" "$HOVER_Y"

deadline=$((SECONDS + 10))
while :; do
  AFTER="$(e2e_screenshot after)"
  # shellcheck disable=SC2086
  (($(ring_diff "$BEFORE" "$AFTER" ${DIO_RINGS[0]}) > 0)) && break
  ((SECONDS < deadline)) || e2e_fail "IEN0Highlight did not change within 10 s of hovering it; see before.png/after.png"
  sleep 0.2
done
# The group lights as one, but give the other rings a moment in case they repaint separately.
deadline=$((SECONDS + 5))
while :; do
  all=1
  for ring in "${DIO_RINGS[@]}"; do
    # shellcheck disable=SC2086
    (($(ring_diff "$BEFORE" "$AFTER" $ring) > 0)) || all=0
  done
  ((all || SECONDS >= deadline)) && break
  sleep 0.2
  AFTER="$(e2e_screenshot after)"
done

failures=0
for ring in "${DIO_RINGS[@]}"; do
  # shellcheck disable=SC2086
  n="$(ring_diff "$BEFORE" "$AFTER" $ring)"
  if ((n > 0)); then
    e2e_log "ok   ${ring%% *} lit with the DIO group ($n pixels changed)"
  else
    e2e_log "BAD  ${ring%% *} did not change while the DIO group is hovered"
    failures=$((failures + 1))
  fi
done
for ring in "${OTHER_RINGS[@]}"; do
  # shellcheck disable=SC2086
  n="$(ring_diff "$BEFORE" "$AFTER" $ring)"
  if ((n == 0)); then
    e2e_log "ok   ${ring%% *} unchanged"
  else
    e2e_log "BAD  ${ring%% *} changed ($n pixels) although it is not in the hovered group"
    failures=$((failures + 1))
  fi
done
((failures == 0)) || e2e_fail "$failures ring(s) wrong after hovering IEN0; see before.png/after.png"

# Leave the board before quitting so nothing hover-related is in flight during shutdown.
xdotool mousemove "$SPOT_X" "$SPOT_Y"

e2e_log "File > Exit via Alt+F, E"
xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
xdotool key --window "$WIN" alt+f
sleep 0.5
# The open menu holds the keyboard now, so the accelerator goes to whatever has focus rather than
# to the main window. The window may be gone before the key release is delivered; that is fine.
xdotool key e 2>/dev/null || true

deadline=$((SECONDS + 10))
while kill -0 "$APP_PID" 2>/dev/null; do
  ((SECONDS < deadline)) || e2e_fail "program still running 10 s after File > Exit"
  sleep 0.1
done
status=0
wait "$APP_PID" || status=$?
if ((status > 128)); then
  e2e_fail "program was killed by signal $((status - 128)) after File > Exit; log: $(cat "$E2E_WORKDIR/app.log")"
fi
((status == 0)) || e2e_fail "program exited with status $status after File > Exit; log: $(cat "$E2E_WORKDIR/app.log")"
e2e_log "program exited with status 0"

e2e_pass
