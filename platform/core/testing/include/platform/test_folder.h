#pragma once
// A folder of the running test's own (ctest runs tests side by side, in separate processes), and the
// bytes of the files a test writes there and reads back.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

/// Writes `bytes` as the whole file at `path`; returns the path.
inline std::filesystem::path writeBytes(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

/// The bytes of the file at `path`; empty if it cannot be read.
inline std::string fileBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

} // namespace platform::testing
