#!/usr/bin/env bash
# Drives the Settings menu of the real program under a private Xvfb: Alt+S opens it and the
# accelerator of "DIO &Interrupt Enable" opens that setting's popup pinned; the menu opened with
# the mouse then shows the entry's check mark; a click on the first entry opens its popup; the
# popups' Next and Previous buttons walk the settings in menu order, wrapping at both ends.
#
# Set MENUS_SHOTS_DIR to a directory to keep the menu screenshots even when the test passes.
set -euo pipefail

# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_take_app "$@"
e2e_init menus

CTR="Counter Interrupt Enable"
DIO="DIO Interrupt Enable"
CFG="Counter Configuration"
# Buttons, in popup client coordinates from the bottom: 58 x 25, their top 44 above the bottom.
BUTTON_W=58
BUTTON_FROM_BOTTOM=44

e2e_start_x 1280x1024x24
# The entries are added at the board's first paint; once the board is on screen they are there.
e2e_start_main

visible_popup() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
is_hidden() { [[ "$(e2e_map_state "$1")" != IsViewable ]]; }

# The menu bar's "&Settings" heading follows "&File"; this point lies inside it.
HEADING_X=$((MAIN_X + 60))
HEADING_Y=$((MAIN_Y + MENU_H / 2))
# Where the open Settings menu's left gutter (the check mark column) lies on screen.
GUTTER="28x80+$((MAIN_X + 36))+$((MAIN_Y + MENU_H))"

open_menu_with_mouse() { # shot-name -> screenshot path
  xdotool mousemove "$HEADING_X" "$HEADING_Y" click 1
  sleep 0.5
  e2e_screenshot "$1"
}

close_menu() { xdotool key Escape; sleep 0.3; }

# ---- The menu with nothing pinned --------------------------------------------------------------
UNCHECKED="$(open_menu_with_mouse menu-unchecked)"
close_menu

# ---- Alt+S, then the entry's accelerator -------------------------------------------------------
e2e_log "Alt+S, I"
xdotool windowactivate --sync "$MAIN" 2>/dev/null || xdotool windowfocus --sync "$MAIN"
xdotool key --window "$MAIN" alt+s
sleep 0.5
xdotool key i
e2e_wait_until 10 visible_popup "$DIO" >/dev/null || e2e_fail "Alt+S, I opened no '$DIO' window"
POPUP="$(visible_popup "$DIO")"
xdotool mousemove "$SPOT_X" "$SPOT_Y"
sleep 1
[[ "$(e2e_map_state "$POPUP")" == IsViewable ]] || e2e_fail "'$DIO' chosen from the menu is not pinned: it went away"
e2e_log "ok   '$DIO' open and pinned"

# ---- The mouse opens the menu, which shows the check mark ---------------------------------------
CHECKED="$(open_menu_with_mouse menu-checked)"
n="$(e2e_diff_pixels "$UNCHECKED" "$CHECKED" "$GUTTER")"
[[ "$n" =~ ^[0-9]+$ ]] || e2e_fail "could not compare the menus: $n"
((n > 0)) || e2e_fail "no check mark in the Settings menu; see menu-unchecked.png/menu-checked.png"
e2e_log "ok   check mark shown ($n gutter pixels differ)"

# A click on the first entry, just below the heading.
xdotool mousemove "$HEADING_X" "$((MAIN_Y + MENU_H + 12))" click 1
e2e_wait_until 10 visible_popup "$CTR" >/dev/null || e2e_fail "a click on the first entry opened no '$CTR' window"
xdotool mousemove "$SPOT_X" "$SPOT_Y"
e2e_log "ok   '$CTR' opened by a mouse click in the menu"
# Done closes it (its button lies 64 pixels left of the client's right edge).
id="$(visible_popup "$CTR")"
e2e_window_geometry "$id"
xdotool mousemove "$((WIN_X + WIN_W - 64 + BUTTON_W / 2))" "$((WIN_Y + WIN_H - BUTTON_FROM_BOTTOM + 12))" click 1
e2e_wait_until 10 is_hidden "$id" || e2e_fail "Done left '$CTR' open"
xdotool mousemove "$SPOT_X" "$SPOT_Y"

# ---- Next and Previous ----------------------------------------------------------------------
press() { # caption button(Next|Previous) expected-caption
  local id x
  id="$(visible_popup "$1")"
  [[ -n "$id" ]] || e2e_fail "no visible '$1' window to press $2 in"
  e2e_window_geometry "$id"
  if [[ "$2" == Next ]]; then
    x=$((WIN_X + (WIN_W - BUTTON_W) / 2 + BUTTON_W / 2))
  else
    x=$((WIN_X + 6 + BUTTON_W / 2))
  fi
  xdotool mousemove "$x" "$((WIN_Y + WIN_H - BUTTON_FROM_BOTTOM + 12))" click 1
  e2e_wait_until 10 visible_popup "$3" >/dev/null || e2e_fail "$2 in '$1' opened no '$3' window"
  e2e_wait_until 10 is_hidden "$id" || e2e_fail "$2 in '$1' left it open"
  xdotool mousemove "$SPOT_X" "$SPOT_Y"
  sleep 1
  [[ "$(e2e_map_state "$(visible_popup "$3")")" == IsViewable ]] || e2e_fail "'$3' reached by $2 is not pinned"
  e2e_log "ok   $2 in '$1' leads to '$3', pinned"
}
press "$DIO" Next "$CFG"
press "$CFG" Next "$CTR"      # wraps to the first entry
press "$CTR" Previous "$CFG"  # wraps to the last

WALKED="$(open_menu_with_mouse menu-walked)"
close_menu
if [[ -n "${MENUS_SHOTS_DIR:-}" ]]; then
  mkdir -p "$MENUS_SHOTS_DIR"
  cp -f "$UNCHECKED" "$CHECKED" "$WALKED" "$MENUS_SHOTS_DIR"/
fi

kill -0 "$APP_PID" 2>/dev/null || e2e_fail "program is no longer running; log: $(cat "$E2E_WORKDIR/app.log")"
e2e_pass
