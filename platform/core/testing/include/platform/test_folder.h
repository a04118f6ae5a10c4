#pragma once
// A folder of the running test's own: ctest runs tests side by side, in separate processes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace platform::testing
{

/// Makes `prefix` + the process + the test's name an empty folder under the system's temporary folder.
inline std::filesystem::path freshTestFolder(const std::string &prefix)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path()
        / (prefix + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace platform::testing
