#!/usr/bin/env bash
# Drives the highlight popups of the real program under a private Xvfb: hovering IEN0 opens its
# stay-on-top tool window with the expected layout, leaving hides it, a click pins it, clicking
# the drawn jumper closes the jumper and ticks the coupled check box, Done hides it, and hovering
# again brings back the same window with its state kept. Then three popups are pinned at once, a
# minimised one comes back when its circle is clicked, and a second start that opens another popup
# first gives every popup the same size as the first start did.
#
# Set POPUP_SHOTS_DIR to a directory to get the popups-*.png screenshots there even when the test
# passes (they are otherwise only kept, with everything else, when it fails).
set -euo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_take_app "$@"
e2e_init popup

# Highlight rectangles in board coordinates: name left top width height.
IEN0="IEN0Highlight 348 21 17 25"
IENCTR="IENCTRHighlight 81 4 48 25"
BOARD1="BoardHighlight1 115 47 17 49"

CAPTION="DIO Interrupt Enable"
POPUP_W=209
POPUP_H=174
FORM_BG="#EFEFEF"
GREY="#808080"
MAROON="#800000"
YELLOW="#FFFF00"
BLACK="#000000"
# The check box's indicator square, in popup client coordinates.
INDICATOR="12x13+59+34"

e2e_start_x 1280x1024x24

e2e_start_main
board_found() { e2e_board_found; }

hover() { # name left top w h
  xdotool mousemove "$((BOARD_X + $2 + $4 / 2))" "$((BOARD_Y + $3 + $5 / 2))"
}

leave() { xdotool mousemove "$SPOT_X" "$SPOT_Y"; }

visible_popup() { # caption -> id of the visible window with that name
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1
}

is_hidden() { [[ "$(e2e_map_state "$1")" != IsViewable ]]; }
is_shown() { [[ "$(e2e_map_state "$1")" == IsViewable ]]; }

# Screenshot with the popup's client area cropped out to <name>.png; prints the crop's path.
shoot_popup() { # id name
  local shot
  shot="$(e2e_screenshot "$2-screen")"
  e2e_window_geometry "$1"
  e2e_crop "$shot" "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" "$E2E_WORKDIR/$2.png"
}

# The drawn jumper occupies client (16,28) 18x34. Bands between and beside the pins show its
# body colour; the pins themselves stay yellow whatever the state.
JUMPER_BANDS=("12x4+19+31" "12x4+19+43" "12x4+19+55")
JUMPER_PINS=("2x2+24+38" "2x2+24+50")
jumper_state() { # popup-crop -> open | closed | a description of what is there instead
  local img="$1" band pin colours body=""
  for pin in "${JUMPER_PINS[@]}"; do
    colours="$(e2e_region_colours "$img" "$pin")"
    [[ "$colours" == "$YELLOW" ]] || { echo "pin $pin is '$colours', not yellow"; return; }
  done
  for band in "${JUMPER_BANDS[@]}"; do
    colours="$(e2e_region_colours "$img" "$band")"
    [[ -z "$body" ]] && body="$colours"
    [[ "$colours" == "$body" ]] || { echo "body is '$body' in one place and '$colours' in another"; return; }
  done
  case "$body" in
  "$GREY")
    # Open: a black outline one pixel inside the box, down both long sides.
    for band in 1x28+17+31 1x28+32+31; do
      colours="$(e2e_region_colours "$img" "$band")"
      [[ "$colours" == "$BLACK" ]] || { echo "open, but the outline at $band is '$colours'"; return; }
    done
    echo open
    ;;
  "$MAROON")
    # Closed: the whole box is filled, with a one-pixel black border at its very edge.
    for band in 18x1+16+28 18x1+16+61 1x34+16+28 1x34+33+28; do
      colours="$(e2e_region_colours "$img" "$band")"
      [[ "$colours" == "$BLACK" ]] || { echo "closed, but the border at $band is '$colours'"; return; }
    done
    for band in 16x1+17+29 16x1+17+60 1x32+17+29 1x32+32+29; do
      colours="$(e2e_region_colours "$img" "$band")"
      [[ "$colours" == "$MAROON" ]] || { echo "closed, but just inside the border at $band is '$colours'"; return; }
    done
    echo closed
    ;;
  *) echo "body colour '$body'" ;;
  esac
}

# Wait for the popup's jumper to be painted in the given state; leaves the crop in $POPUP_SHOT.
wait_jumper() { # id state shot-name
  local deadline=$((SECONDS + 10)) got
  while :; do
    POPUP_SHOT="$(shoot_popup "$1" "$3")"
    got="$(jumper_state "$POPUP_SHOT")"
    [[ "$got" == "$2" ]] && return 0
    ((SECONDS < deadline)) || e2e_fail "jumper should be $2 but is: $got; see $3.png"
    sleep 0.2
  done
}

# ---- Hovering opens the popup ----------------------------------------------------------------
e2e_log "hovering IEN0Highlight"
# shellcheck disable=SC2086
hover $IEN0
e2e_wait_until 10 visible_popup "$CAPTION" >/dev/null || e2e_fail "no '$CAPTION' window within 10 s of hovering IEN0"
POPUP="$(visible_popup "$CAPTION")"
e2e_log "ok   '$CAPTION' is shown (id $POPUP)"

e2e_window_geometry "$POPUP"
[[ "${WIN_W}x${WIN_H}" == "${POPUP_W}x${POPUP_H}" ]] ||
  e2e_fail "popup client area is ${WIN_W}x${WIN_H}, expected ${POPUP_W}x${POPUP_H}"
# It must not cover the highlight it belongs to, or hovering would fight with the popup itself.
read -r _ l t w h <<<"$IEN0"
hx=$((BOARD_X + l + w / 2)) hy=$((BOARD_Y + t + h / 2))
if ((hx >= WIN_X && hx < WIN_X + WIN_W && hy >= WIN_Y && hy < WIN_Y + WIN_H)); then
  e2e_fail "popup at ${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y} covers its own highlight"
fi
e2e_log "ok   client area ${WIN_W}x${WIN_H} at +${WIN_X}+${WIN_Y}"

props="$(xprop -id "$POPUP" _NET_WM_STATE _NET_WM_WINDOW_TYPE)"
[[ "$props" == *_NET_WM_STATE_ABOVE* ]] || e2e_fail "popup is not kept above other windows: $props"
[[ "$props" =~ _NET_WM_WINDOW_TYPE\(ATOM\)\ =\ _NET_WM_WINDOW_TYPE_UTILITY ]] ||
  e2e_fail "popup is not a tool window: $props"
e2e_log "ok   stay-on-top tool window"

# The window manager is told what the frame offers: move, resize and close (flags: functions and
# decorations; functions 0x26 = resize | move | close; decorations 0xe = border | resize handles |
# title). Minimise and maximise are not among them.
hints="$(xprop -id "$POPUP" _MOTIF_WM_HINTS)"
[[ "$hints" == *"= 0x3, 0x26, 0xe, "* ]] || e2e_fail "popup's Motif hints are not move/resize/close with a title: $hints"
e2e_log "ok   Motif hints offer move, resize and close only"

wait_jumper "$POPUP" open popup-open
OPEN_SHOT="$POPUP_SHOT"
e2e_log "ok   jumper drawn open (grey body, black outline, yellow pins)"

# Layout, from what is painted: each control's visible extent against where it belongs.
expect_bbox() { # what geometry-to-search expected-"w h x y"
  local got
  got="$(e2e_bbox "$OPEN_SHOT" "$2" "$FORM_BG")"
  [[ "$got" == "$3" ]] || e2e_fail "$1 is painted at '$got' (w h x y), expected '$3'; see popup-open.png"
  e2e_log "ok   $1 at $3"
}
expect_inside() { # what geometry-to-search left top right bottom (exclusive) [exact-left]
  local got w h x y
  got="$(e2e_bbox "$OPEN_SHOT" "$2" "$FORM_BG")"
  [[ "$got" != none ]] || e2e_fail "$1: nothing painted; see popup-open.png"
  read -r w h x y <<<"$got"
  if ((x < $3 || y < $4 || x + w > $5 || y + h > $6)) || [[ -n "${7:-}" && "$x" != "${7:-}" ]]; then
    e2e_fail "$1 is painted at '$got' (w h x y), outside its place ($3,$4)-($5,$6); see popup-open.png"
  fi
  e2e_log "ok   $1 painted inside ($3,$4)-($5,$6)"
}
expect_inside "label IENx" 56x27+0+0 8 8 41 25
expect_inside "check box" 160x30+49+26 56 32 201 49 56
expect_bbox "text box" 209x64+0+62 "197 58 6 66"
expect_bbox "Previous" 68x29+0+128 "58 25 6 130"
expect_bbox "Next" 68x29+68+128 "58 25 75 130"
expect_bbox "Done" 68x29+139+128 "58 25 145 130"
# The status bar paints nothing but its size grip, which sits in the window's bottom-right corner
# only if the bar spans the bottom rows and the full width.
expect_inside "status bar size grip" 209x19+0+155 190 155 209 174

# ---- Leaving hides it ------------------------------------------------------------------------
e2e_log "moving the pointer to empty background"
leave
e2e_wait_until 10 is_hidden "$POPUP" || e2e_fail "popup still $(e2e_map_state "$POPUP") 10 s after the pointer left"
e2e_log "ok   popup hidden"

# ---- Clicking the highlight pins it ----------------------------------------------------------
e2e_log "hovering IEN0Highlight again and clicking it"
# shellcheck disable=SC2086
hover $IEN0
e2e_wait_until 10 is_shown "$POPUP" || e2e_fail "popup not shown again on hover (same window $POPUP)"
xdotool click 1
leave
# Give a wrongly unpinned popup ample time to go; it hides well within this when not pinned.
sleep 2
is_shown "$POPUP" || e2e_fail "clicked popup did not stay after the pointer left (it is $(e2e_map_state "$POPUP"))"
e2e_log "ok   popup stays after the pointer leaves"

# ---- Clicking the jumper closes it and ticks the check box -----------------------------------
wait_jumper "$POPUP" open before-jumper
BEFORE_JUMPER="$POPUP_SHOT"
e2e_window_geometry "$POPUP"
PX=$WIN_X PY=$WIN_Y
e2e_log "clicking the jumper"
xdotool mousemove $((PX + 25)) $((PY + 45)) click 1
wait_jumper "$POPUP" closed after-jumper
AFTER_JUMPER="$POPUP_SHOT"
e2e_log "ok   jumper drawn closed (maroon with a black border, pins still yellow)"
n="$(e2e_diff_pixels "$BEFORE_JUMPER" "$AFTER_JUMPER" "$INDICATOR")"
[[ "$n" =~ ^[0-9]+$ ]] || e2e_fail "could not compare the check box: $n"
((n > 0)) || e2e_fail "check box indicator unchanged after closing the jumper; see before-jumper.png/after-jumper.png"
e2e_log "ok   check box ticked ($n indicator pixels changed)"

# ---- Done hides it; hovering again shows the same window, state kept, not pinned -------------
e2e_log "clicking Done"
xdotool mousemove $((PX + 174)) $((PY + 142)) click 1
e2e_wait_until 10 is_hidden "$POPUP" || e2e_fail "popup still shown 10 s after Done"
e2e_log "ok   popup hidden by Done"

leave
# shellcheck disable=SC2086
hover $IEN0
e2e_wait_until 10 visible_popup "$CAPTION" >/dev/null || e2e_fail "no '$CAPTION' window on hovering IEN0 after Done"
again="$(visible_popup "$CAPTION")"
[[ "$again" == "$POPUP" ]] || e2e_fail "hovering after Done showed window $again, not the same window $POPUP"
wait_jumper "$POPUP" closed reshown
n="$(e2e_diff_pixels "$AFTER_JUMPER" "$POPUP_SHOT" "$INDICATOR")"
((n == 0)) || e2e_fail "check box indicator differs from its ticked look after reopening ($n pixels); see after-jumper.png/reshown.png"
e2e_log "ok   same window back, jumper still closed, check box still ticked"
leave
e2e_wait_until 10 is_hidden "$POPUP" || e2e_fail "reopened popup stayed after the pointer left: Done should have unpinned it"
e2e_log "ok   no longer pinned: hidden when the pointer leaves"

# ---- Three popups pinned at once -------------------------------------------------------------
# Each new one must appear without taking the pinned ones away.
PINNED=()
pin_new_popup() { # name left top w h
  local ids new="" id known
  hover "$@"
  local deadline=$((SECONDS + 10))
  while [[ -z "$new" ]]; do
    ((SECONDS < deadline)) || e2e_fail "no new popup within 10 s of hovering $1"
    sleep 0.2
    ids="$(xdotool search --onlyvisible --name . 2>/dev/null || true)"
    for id in $ids; do
      [[ "$id" == "$MAIN" ]] && continue
      known=0
      for k in "${PINNED[@]}"; do [[ "$k" == "$id" ]] && known=1; done
      ((known)) || new="$id"
    done
  done
  xdotool click 1
  leave
  PINNED+=("$new")
  sleep 1
  for id in "${PINNED[@]}"; do
    is_shown "$id" || e2e_fail "popup '$(xdotool getwindowname "$id")' went away after pinning $1's"
  done
  e2e_screenshot "popups-${1%Highlight}" >/dev/null
  e2e_log "ok   $1 opened '$(xdotool getwindowname "$new")'; ${#PINNED[@]} popup(s) pinned"
}
# shellcheck disable=SC2086
pin_new_popup $IEN0
# shellcheck disable=SC2086
pin_new_popup $IENCTR
# shellcheck disable=SC2086
pin_new_popup $BOARD1

# Client size of the visible window with this caption, as "WxH".
client_size() { # caption
  local id
  id="$(visible_popup "$1")"
  [[ -n "$id" ]] || e2e_fail "no visible '$1' window"
  e2e_window_geometry "$id"
  echo "${WIN_W}x${WIN_H}"
}
CTR_CAPTION="Counter Interrupt Enable"
# The counter-interrupt panel is 193 x 129 with a 58-pixel text box: 193 x (129 + 58 + 51).
CTR_SIZE="193x238"
got="$(client_size "$CTR_CAPTION")"
[[ "$got" == "$CTR_SIZE" ]] || e2e_fail "'$CTR_CAPTION' opened after another popup has a client of $got, expected $CTR_SIZE"
e2e_log "ok   '$CTR_CAPTION' opened second: client $got"

# ---- A minimised popup comes back ------------------------------------------------------------
# Its group stays lit while it is minimised, so hovering the circle changes nothing; clicking it
# focuses the popup, which must bring it back.
e2e_log "minimising '$CAPTION'"
xdotool windowminimize "$POPUP"
e2e_wait_until 10 is_hidden "$POPUP" || e2e_fail "popup not minimised: it is $(e2e_map_state "$POPUP")"
[[ "$(xprop -id "$POPUP" WM_STATE)" == *Iconic* ]] || e2e_fail "hidden popup is not iconic: $(xprop -id "$POPUP" WM_STATE)"
e2e_screenshot minimised >/dev/null
# shellcheck disable=SC2086
hover $IEN0
xdotool click 1
e2e_wait_until 10 is_shown "$POPUP" || e2e_fail "minimised popup not brought back by a click on its circle; see minimised.png"
[[ "$(xprop -id "$POPUP" WM_STATE)" == *Normal* ]] || e2e_fail "popup shown but not normal: $(xprop -id "$POPUP" WM_STATE)"
leave
e2e_screenshot restored >/dev/null
e2e_log "ok   clicking the circle brings the minimised popup back"

if [[ -n "${POPUP_SHOTS_DIR:-}" ]]; then
  mkdir -p "$POPUP_SHOTS_DIR"
  cp -f "$E2E_WORKDIR"/popups-*.png "$POPUP_SHOTS_DIR"/
  e2e_log "popup screenshots copied to $POPUP_SHOTS_DIR"
fi

kill -0 "$APP_PID" 2>/dev/null || e2e_fail "program is no longer running; log: $(cat "$E2E_WORKDIR/app.log")"

# ---- The first popup of a run is sized like every later one -----------------------------------
# The frame of a tool window is known only once one has been shown; a popup sized before that
# must still come out as it does afterwards.
e2e_log "restarting the program and opening '$CTR_CAPTION' first"
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
e2e_launch app2.log
e2e_dismiss_help
e2e_wait_until 20 board_found || e2e_fail "board not found after the restart; see startup.png"
# shellcheck disable=SC2086
hover $IENCTR
e2e_wait_until 10 visible_popup "$CTR_CAPTION" >/dev/null || e2e_fail "no '$CTR_CAPTION' window on hovering IENCTR"
got="$(client_size "$CTR_CAPTION")"
[[ "$got" == "$CTR_SIZE" ]] || e2e_fail "'$CTR_CAPTION' opened first has a client of $got, expected $CTR_SIZE as when opened second"
e2e_log "ok   '$CTR_CAPTION' opened first: client $got"
e2e_pass
