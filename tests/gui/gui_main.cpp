// The driver's entry point: gui_tests PROGRAM.exe [--screenshots=FOLDER] [gtest flags].
#include <gtest/gtest.h>

#include "Driver.h"

namespace {
// Unix paths (as ctest passes them) are on drive Z: under Wine.
std::string WindowsPath(std::string path)
{
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}
}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--screenshots=", 0) == 0)
            driver::g_screenshotDir = WindowsPath(arg.substr(14));
        else
            driver::g_programPath = WindowsPath(arg);
    }
    if (driver::g_programPath.empty()) {
        std::fprintf(stderr, "usage: gui_tests PATH-TO-Sonvale.exe [--screenshots=FOLDER]\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
