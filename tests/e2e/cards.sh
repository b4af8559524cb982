#!/usr/bin/env bash
# The installed-cards window in a small host program that describes its cards, with the test
# driver library on the loader's path counting three: the window comes up by itself at start
# listing three lines; its Close button and Esc hide it; File > Display KT-LINE-24F7 Cards
# Installed brings the same window back unchanged.
#
# Set CARDS_SHOTS_DIR to a directory to get the cards-*.png screenshots there even when the test
# passes.
set -euo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_take_app "$1"
DRIVER_DIR="$(e2e_driver_dir "$2")"
e2e_init cards

CARDS="KT-LINE-24F7 Cards installed"
CARDS_SIZE="305x122"
# In client coordinates: the list box, and the Close button a pixel left of the centre.
MEMO_W=305 MEMO_H=89
CLOSE_X=115 CLOSE_Y=97 CLOSE_W=73 CLOSE_H=25
# Inside the list box's frame and left of its scroll bar.
INSET=4 SCROLLBAR=22

e2e_start_x 1280x1024x24
E2E_APP_ENV=("LD_LIBRARY_PATH=$DRIVER_DIR" BRAKMO_TEST_CARDS=3)
e2e_log "starting $APP"
env "${E2E_APP_ENV[@]}" "$APP" >"$E2E_WORKDIR/host.log" 2>&1 </dev/null &
APP_PID=$!
e2e_track "$APP_PID"
HOST="$(e2e_wait_window "Cards Host" 20)" || e2e_fail "the host's main window did not appear"

# No input of any kind before this: the window comes up during start-up.
ID="$(e2e_wait_window "$CARDS" 20)" || e2e_fail "no '$CARDS' window at start"
e2e_log "ok   '$CARDS' came up by itself (id $ID)"
# The help window follows by itself and may lie over it.
e2e_dismiss_help

[[ "$(xprop -id "$ID" _NET_WM_STATE)" == *_NET_WM_STATE_ABOVE* ]] || e2e_fail "'$CARDS' is not kept above other windows"
e2e_window_geometry "$ID"
[[ "${WIN_W}x${WIN_H}" == "$CARDS_SIZE" ]] || e2e_fail "client area ${WIN_W}x${WIN_H}, expected $CARDS_SIZE"
e2e_log "ok   stay-on-top, client ${WIN_W}x${WIN_H} at +${WIN_X}+${WIN_Y}"

# Screenshot of the window's client area into <name>.png; prints its path.
shoot() {
  e2e_window_geometry "$ID"
  e2e_crop "$(e2e_screenshot "$1-screen")" "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" "$E2E_WORKDIR/$1.png"
}
TEXT_AREA="$((MEMO_W - 2 * INSET - SCROLLBAR))x$((MEMO_H - 2 * INSET))+${INSET}+${INSET}"
# The number of separate bands of text rows in the list box of a client screenshot.
text_lines() {
  convert "$1" -crop "$TEXT_AREA" +repage \
    -colorspace gray -resize "1x$((MEMO_H - 2 * INSET))!" -depth 8 txt:- |
    awk -F'[()]' 'NR > 1 { ink = ($2 + 0 < 235); if (ink && !was) n++; was = ink } END { print n + 0 }'
}
three_lines() {
  SHOT="$(shoot "$1")"
  LINES="$(text_lines "$SHOT")"
  [[ "$LINES" == 3 ]]
}
e2e_wait_until 10 three_lines cards-first || e2e_fail "the list shows $LINES lines of text, expected 3; see cards-first.png"
FIRST="$SHOT"
e2e_log "ok   three cards listed"

is_hidden() { [[ "$(e2e_map_state "$ID")" != IsViewable ]]; }
is_shown() { [[ "$(e2e_map_state "$ID")" == IsViewable ]]; }
display_cards() { # how it was hidden
  e2e_log "File > Display KT-LINE-24F7 Cards Installed via Alt+F, Enter (the entry at the top)"
  xdotool windowactivate --sync "$HOST" 2>/dev/null || xdotool windowfocus --sync "$HOST"
  xdotool key --clearmodifiers alt+f
  sleep 0.5
  xdotool key Return
  e2e_wait_until 10 is_shown || e2e_fail "'$CARDS' not shown again by the File entry after $1"
  kill -0 "$APP_PID" 2>/dev/null || e2e_fail "the host ended: the entry under the cursor was not the top one"
  # The list's text, compared inside the box's frame: which control has the focus (and so how
  # the frame and the button are drawn) may differ once the window was hidden and shown.
  unchanged() {
    AGAIN="$(shoot cards-again)"
    [[ "${WIN_W}x${WIN_H}" == "$CARDS_SIZE" ]] || return 1
    DIFF="$(e2e_diff_pixels "$FIRST" "$AGAIN" "$TEXT_AREA")"
    [[ "$DIFF" == 0 ]]
  }
  e2e_wait_until 5 unchanged || e2e_fail "shown again after $1, its list looks different ($DIFF pixels) or its size changed (${WIN_W}x${WIN_H}); see cards-again.png"
  e2e_log "ok   shown again after $1, unchanged"
}

e2e_log "clicking Close"
e2e_window_geometry "$ID"
xdotool mousemove "$((WIN_X + CLOSE_X + CLOSE_W / 2))" "$((WIN_Y + CLOSE_Y + CLOSE_H / 2))" click 1
e2e_wait_until 10 is_hidden || e2e_fail "'$CARDS' still shown after its Close button"
e2e_log "ok   Close hid it"
display_cards "Close"

xdotool windowactivate --sync "$ID" key --clearmodifiers Escape
e2e_wait_until 10 is_hidden || e2e_fail "'$CARDS' still shown after Esc"
e2e_log "ok   Esc hid it"
display_cards "Esc"

if [[ -n "${CARDS_SHOTS_DIR:-}" ]]; then
  mkdir -p "$CARDS_SHOTS_DIR"
  cp -f "$E2E_WORKDIR"/cards-first.png "$E2E_WORKDIR"/cards-again.png "$CARDS_SHOTS_DIR"/
  e2e_log "screenshots copied to $CARDS_SHOTS_DIR"
fi
e2e_pass
