// Test entry for GUI tests: a real Qt application on the offscreen platform, with the screen
// pinned by a checked-in configuration rather than the platform's defaults.

#include "forms/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const std::string platform = std::string("offscreen:configfile=") + SETTINGS_OFFSCREEN_CONFIG;
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    setenv("QT_QPA_PLATFORMTHEME", "", 1);
    platform::Application->Initialize();
    const int result = RUN_ALL_TESTS();
    platform::Application->Finalize();
    return result;
}
