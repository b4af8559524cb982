#pragma once
// The measures of a highlight's popup window, in pixels, shared by the popup builder and the
// radio panel whose content it shows. Under the panel the window stacks 1 px, the text box,
// 6 px, the row of buttons and the status bar.

namespace setupctrls {

// The text box's height: the radio panel's MemoHeight default, and the height without a panel.
constexpr int kDefaultMemoHeight = 58;

constexpr int kPopupStatusHeight = 19;
constexpr int kPopupButtonWidth = 58;
constexpr int kPopupButtonHeight = 25;
// Between the buttons and the window's sides, and between the text box and the buttons.
constexpr int kPopupButtonMargin = 6;
// The buttons' top is this far above the client area's bottom: they sit on the status bar.
constexpr int kPopupButtonsFromBottom = kPopupStatusHeight + kPopupButtonHeight;  // 44
// What the client area adds to the panel's height besides the text box and the status bar.
constexpr int kPopupBelowPanel = 1 + kPopupButtonMargin + kPopupButtonHeight;  // 32

// Without a radio panel the window gets this outer size.
constexpr int kNoPanelPopupWidth = 194;
constexpr int kNoPanelPopupHeight = kDefaultMemoHeight + 64 + kPopupStatusHeight;  // 141
// The smallest outer size a popup window is built with.
constexpr int kMinPopupWidth = 194;
constexpr int kMinPopupHeight = 122;
// A popup window without a panel opens this far below the board image's bottom edge.
constexpr int kNoPanelPopupGap = 38;

}  // namespace setupctrls
