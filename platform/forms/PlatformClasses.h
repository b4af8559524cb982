#pragma once

namespace platform {

// Makes the class library's own classes known to layouts; safe to call more than once.
void RegisterPlatformClasses();

}  // namespace platform
