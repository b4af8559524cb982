#pragma once
// TCalibGroup: one set of the host's calibration controls. The group holds the addresses of the
// host's variables rather than the controls, and the supporter reads each variable again at every
// use, so a host that recreates a control (or has not made it yet) needs to tell nobody.

namespace platform {
class TButton;
class TControl;
class TCustomMemo;
}  // namespace platform

namespace setupctrls {

struct TCalibGroup {
    // Line n (from 0) shows channel n; the lines must exist before a pass writes them.
    platform::TCustomMemo** Display = nullptr;
    // The group's start/stop button; made a Start button again when the cycle stops.
    platform::TButton** Button = nullptr;
    // Hidden by every pass.
    platform::TControl** HideControl = nullptr;
};

}  // namespace setupctrls
