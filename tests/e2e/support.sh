#!/usr/bin/env bash
# Drives the help and technical-support windows of the real program under a private Xvfb: the help
# window opens by itself, stay-on-top, scaled for the screen and centred on the main window, with
# its grey text box; Esc hides it and pins the first circle's popup; Help > How to use this program
# brings the same window back unchanged, and the window manager's close only hides it; Help >
# Technical Support opens its window, which Esc, its Close button and the window manager's close
# each hide without ending the program.
#
# Set SUPPORT_SHOTS_DIR to a directory to get the help-*.png and tech-*.png screenshots there even
# when the test passes (they are otherwise only kept, with everything else, when it fails).
set -euo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_take_app "$@"
e2e_init support

HELP="$E2E_HELP_CAPTION"
# Laid out at 305 x 138 for an 800 x 450 screen and grown by 1.6 for 1280 x 1024.
HELP_SIZE="488x221"
RICH_GREY="#DDDDDD"
TECH="Technical Support"
TECH_SIZE="305x122"
# The Close button, in client coordinates: centred at the bottom.
CLOSE_W=73 CLOSE_H=25 CLOSE_TOP=97
POPUP_CAPTION="Counter Interrupt Enable"

e2e_start_x 1280x1024x24

e2e_launch
e2e_log "main window client ${MAIN_W}x${MAIN_H}+${MAIN_X}+${MAIN_Y}"

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
is_hidden() { [[ "$(e2e_map_state "$1")" != IsViewable ]]; }
is_shown() { [[ "$(e2e_map_state "$1")" == IsViewable ]]; }
still_running() {
  kill -0 "$APP_PID" 2>/dev/null || e2e_fail "program is no longer running ($1); log: $(cat "$E2E_WORKDIR/app.log")"
}

# Frame extents the window manager put around a window: sets EXT_L EXT_R EXT_T EXT_B.
frame_extents() {
  local ext
  ext="$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9][0-9, ]*$' || true)"
  IFS=', ' read -r EXT_L EXT_R EXT_T EXT_B <<<"$ext"
  : "${EXT_L:=0}" "${EXT_R:=0}" "${EXT_T:=0}" "${EXT_B:=0}"
}

# Screenshot with a window's client area cropped out to <name>.png; prints the crop's path.
shoot_client() { # id name
  local shot
  shot="$(e2e_screenshot "$2-screen")"
  e2e_window_geometry "$1"
  e2e_crop "$shot" "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" "$E2E_WORKDIR/$2.png"
}

# Number of pixels of exactly this colour in an image.
colour_count() { # image colour
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -colorspace gray \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The main window holds the keyboard for its menu only while it is active; the open menu then
# takes the accelerator letter, wherever focus is.
help_menu() { # accelerator letter
  xdotool windowactivate --sync "$MAIN" 2>/dev/null || xdotool windowfocus --sync "$MAIN"
  xdotool key --clearmodifiers alt+h
  sleep 0.5
  xdotool key "$1"
}

# ---- The help window opens by itself -----------------------------------------------------------
# No input of any kind before this point: it must come up on its own.
HELP_ID="$(e2e_wait_window "$HELP" 10)" || e2e_fail "no '$HELP' window within 10 s of the main window, without input"
e2e_log "ok   '$HELP' opened by itself (id $HELP_ID)"

props="$(xprop -id "$HELP_ID" _NET_WM_STATE)"
[[ "$props" == *_NET_WM_STATE_ABOVE* ]] || e2e_fail "help window is not kept above other windows: $props"
e2e_log "ok   stay-on-top"

e2e_window_geometry "$HELP_ID"
HELP_X=$WIN_X HELP_Y=$WIN_Y
[[ "${WIN_W}x${WIN_H}" == "$HELP_SIZE" ]] || e2e_fail "help window client area is ${WIN_W}x${WIN_H}, expected $HELP_SIZE"
e2e_log "ok   client area ${WIN_W}x${WIN_H} at +${WIN_X}+${WIN_Y}"

# Centred frame on frame. The frame is the window manager's, so allow its own few pixels either
# way rather than insisting on the program's estimate of it.
frame_extents "$HELP_ID"
HL=$EXT_L HR=$EXT_R HT=$EXT_T HB=$EXT_B
frame_extents "$MAIN"
help_cx=$((HELP_X - HL + (WIN_W + HL + HR) / 2)) help_cy=$((HELP_Y - HT + (WIN_H + HT + HB) / 2))
main_cx=$((MAIN_X - EXT_L + (MAIN_W + EXT_L + EXT_R) / 2))
main_cy=$((MAIN_Y - EXT_T + (MAIN_H + EXT_T + EXT_B) / 2))
tol_x=$((HL + HR + 2)) tol_y=$((HT + HB + 2))
dx=$((help_cx - main_cx)) dy=$((help_cy - main_cy))
if ((dx < -tol_x || dx > tol_x || dy < -tol_y || dy > tol_y)); then
  e2e_fail "help window's centre is ${dx},${dy} px off the main window's (allowed ±${tol_x},±${tol_y})"
fi
e2e_log "ok   centred on the main window (off by ${dx},${dy}; frame $HL,$HR,$HT,$HB)"

# The text box paints its grey background once the window has painted at all.
has_grey() {
  HELP_SHOT="$(shoot_client "$HELP_ID" help-first)"
  GREY_PIXELS="$(colour_count "$HELP_SHOT" "$RICH_GREY")"
  ((GREY_PIXELS > 0))
}
e2e_wait_until 10 has_grey || e2e_fail "no $RICH_GREY pixel in the help window; see help-first.png"
e2e_log "ok   rich-text background $RICH_GREY painted ($GREY_PIXELS pixels)"
HELP_FIRST="$HELP_SHOT"

# ---- Esc hides it and pins the first circle's popup --------------------------------------------
e2e_log "pressing Esc in the help window"
xdotool windowactivate --sync "$HELP_ID" key --clearmodifiers Escape
e2e_wait_until 10 is_hidden "$HELP_ID" || e2e_fail "help window still $(e2e_map_state "$HELP_ID") 10 s after Esc"
e2e_wait_until 10 visible "$POPUP_CAPTION" >/dev/null || e2e_fail "no '$POPUP_CAPTION' window after Esc in the help window"
POPUP="$(visible "$POPUP_CAPTION")"
e2e_log "ok   help hidden, '$POPUP_CAPTION' shown (id $POPUP)"

# An unpinned popup goes as soon as the pointer is somewhere else; a pinned one stays. Walk the
# pointer over the empty white margins of the main window, well away from the board.
for spot in "10 $((MAIN_H - 10))" "$((MAIN_W - 10)) $((MAIN_H - 10))" "$((MAIN_W / 2)) $((MAIN_H - 10))" \
  "10 $((MAIN_H / 2))" "$((MAIN_W - 10)) $((MAIN_H / 2))"; do
  read -r sx sy <<<"$spot"
  xdotool mousemove "$((MAIN_X + sx))" "$((MAIN_Y + sy))"
  sleep 0.3
done
# Give a wrongly unpinned popup time to go; one that is not pinned hides well within this.
sleep 1
is_shown "$POPUP" || e2e_fail "'$POPUP_CAPTION' went away while the pointer moved over the background: it was not pinned"
e2e_screenshot popup-pinned >/dev/null
e2e_log "ok   popup stays while the pointer moves over the background"

# ---- Help > How to use this program brings the same window back --------------------------------
e2e_log "Help > How to use this program via Alt+H, O"
help_menu o
e2e_wait_until 10 is_shown "$HELP_ID" || e2e_fail "help window not shown again by Help > How to use this program"
again="$(visible "$HELP")"
[[ "$again" == "$HELP_ID" ]] || e2e_fail "Help > How to use this program showed window $again, not the same window $HELP_ID"
e2e_window_geometry "$HELP_ID"
[[ "${WIN_W}x${WIN_H}" == "$HELP_SIZE" ]] || e2e_fail "help window shown again has a client of ${WIN_W}x${WIN_H}, expected $HELP_SIZE"
[[ "$WIN_X,$WIN_Y" == "$HELP_X,$HELP_Y" ]] || e2e_fail "help window shown again at +$WIN_X+$WIN_Y, first at +$HELP_X+$HELP_Y"
same_as_first() {
  HELP_SHOT="$(shoot_client "$HELP_ID" help-again)"
  DIFF="$(e2e_diff_pixels "$HELP_FIRST" "$HELP_SHOT" "${WIN_W}x${WIN_H}+0+0")"
  [[ "$DIFF" == 0 ]]
}
e2e_wait_until 5 same_as_first || e2e_fail "help window shown again looks different ($DIFF pixels); see help-first.png/help-again.png"
e2e_log "ok   same window, same place, same size, same content"

# ---- The window manager's close only hides it ---------------------------------------------------
e2e_dismiss_help
[[ "$(e2e_map_state "$HELP_ID")" == IsUnMapped ]] || e2e_fail "help window $HELP_ID is '$(e2e_map_state "$HELP_ID")' after closing, expected hidden"
still_running "after closing the help window"
help_menu o
e2e_wait_until 10 is_shown "$HELP_ID" || e2e_fail "help window not shown again after the window manager closed it"
e2e_log "ok   closing only hid it: the same window comes back"
e2e_dismiss_help

# ---- Help > Technical Support ------------------------------------------------------------------
open_tech() { # how it was last hidden, for the messages
  e2e_log "Help > Technical Support via Alt+H, T"
  help_menu t
  TECH_ID="$(e2e_wait_window "$TECH" 10)" || e2e_fail "no '$TECH' window from Help > Technical Support$1"
  e2e_window_geometry "$TECH_ID"
  [[ "${WIN_W}x${WIN_H}" == "$TECH_SIZE" ]] || e2e_fail "'$TECH' client area is ${WIN_W}x${WIN_H}, expected $TECH_SIZE$1"
  e2e_log "ok   '$TECH' shown, client ${WIN_W}x${WIN_H} at +${WIN_X}+${WIN_Y}"
}
wait_tech_hidden() { # by-what
  e2e_wait_until 10 is_hidden "$TECH_ID" || e2e_fail "'$TECH' still $(e2e_map_state "$TECH_ID") 10 s after $1"
  [[ "$(e2e_map_state "$TECH_ID")" == IsUnMapped ]] || e2e_fail "'$TECH' is '$(e2e_map_state "$TECH_ID")' after $1, expected hidden"
  still_running "after $1 in '$TECH'"
  e2e_log "ok   '$TECH' hidden by $1"
}

open_tech ""
# Wait for the text to be painted before keeping the picture.
tech_painted() {
  TECH_SHOT="$(shoot_client "$TECH_ID" tech)"
  [[ "$(e2e_region_colours "$TECH_SHOT" "$((WIN_W - 40))x60+10+10")" == *"#000000"* ]]
}
e2e_wait_until 10 tech_painted || e2e_fail "no black text in the '$TECH' window; see tech.png"
xdotool windowactivate --sync "$TECH_ID" key --clearmodifiers Escape
wait_tech_hidden Esc

open_tech " after Esc had hidden it"
e2e_window_geometry "$TECH_ID"
e2e_log "clicking Close"
xdotool mousemove "$((WIN_X + (WIN_W - CLOSE_W) / 2 + CLOSE_W / 2))" "$((WIN_Y + CLOSE_TOP + CLOSE_H / 2))" click 1
wait_tech_hidden "its Close button"

open_tech " after its Close button had hidden it"
xdotool windowactivate --sync "$TECH_ID" key --clearmodifiers alt+F4
wait_tech_hidden "the window manager's close"

if [[ -n "${SUPPORT_SHOTS_DIR:-}" ]]; then
  mkdir -p "$SUPPORT_SHOTS_DIR"
  cp -f "$E2E_WORKDIR"/help-*.png "$E2E_WORKDIR"/tech*.png "$E2E_WORKDIR"/popup-pinned.png "$SUPPORT_SHOTS_DIR"/
  e2e_log "screenshots copied to $SUPPORT_SHOTS_DIR"
fi
e2e_pass
