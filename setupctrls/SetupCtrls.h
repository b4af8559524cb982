#pragma once

namespace setupctrls {

// Makes the board controls known to layouts; safe to call more than once.
void RegisterSetupCtrls();

}  // namespace setupctrls
