// Requests through the real exchange files, the export of the shared library, and broken requests of every
// kind: never an answer line from a request that could not be read, and the calling process goes on.

#include "engine/entry.h"
#include "engine/error_service.h"
#include "platform/exchange_files.h"
#include "platform/test_folder.h"
#include "printed_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace
{

// Points the exchange directory at a folder of the test's own and captures the engine's standard output.
class ExchangeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = platform::testing::freshTestFolder("kovalin-exchange-");
        ::setenv(platform::exchangeDirVariable, dir.c_str(), 1);
        saved = std::cout.rdbuf(printed.rdbuf());
    }
    void TearDown() override
    {
        std::cout.rdbuf(saved);
        ::unsetenv(platform::exchangeDirVariable);
        fs::remove_all(dir);
    }

    // Writes the request, runs one call, returns the answer file's lines (nothing if it does not exist).
    std::vector<std::string> exchange(const std::string &request)
    {
        std::ofstream(dir / "TEMP_ZERO.DAT", std::ios::binary) << request;
        engine::serveExchange();
        std::vector<std::string> lines;
        std::ifstream in(dir / "TEMP_ZERO.OUT");
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    static std::vector<double> numbers(const std::string &line)
    {
        std::istringstream in(line);
        std::vector<double> values;
        for (std::string word; in >> word;) {
            values.push_back(word == "Infinity" ? HUGE_VAL : std::stod(word));
        }
        return values;
    }

    fs::path dir;
    std::ostringstream printed;
    std::streambuf *saved = nullptr;
};

TEST_F(ExchangeTest, ARealQuadraticIsAnsweredRootByRootInTheSolversOrder)
{
    const auto lines = exchange("S\r\nR\r\n2\r\n1.\r\n-3.\r\n2.\r\n\r\n");
    EXPECT_EQ(lines, (std::vector<std::string> { " 1 0", " 2 0" }));
    EXPECT_EQ(printed.str(), "");
}

TEST_F(ExchangeTest, AComplexLinearEquationIsAnswered)
{
    const auto lines = exchange("S\nC\n1\n(1,0)\n(0,-1)\n\n");
    EXPECT_EQ(lines, (std::vector<std::string> { " 0 1" }));
}

TEST_F(ExchangeTest, AVanishingLeadingCoefficientGivesItsPlaceholderAndAWarning)
{
    const auto lines = exchange("S\nR\n3\n0\n1\n-3\n2\n\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(numbers(lines[0]), (std::vector<double> { 1, 0 }));
    EXPECT_EQ(numbers(lines[1]), (std::vector<double> { 2, 0 }));
    EXPECT_EQ(lines[2], " Infinity 0");
    EXPECT_NE(engine_test::unwrapped(printed.str()).find("The leading coefficient of the polynomial is equal to zero."),
        std::string::npos);
}

TEST_F(ExchangeTest, ValuesCarryTheirFullPrecisionAndExtraTextIsIgnored)
{
    // x^2 - 2 with D exponents, blanks, commas and comments after the values.
    const auto lines = exchange("S   trailing words\nR\n  2 , more\n\n 1.0D0 / end\n0\n-2.0E+0\n");
    ASSERT_EQ(lines.size(), 2u);
    const auto first = numbers(lines[0]);
    const auto second = numbers(lines[1]);
    EXPECT_NEAR(std::fabs(first[0]), std::sqrt(2.0), 4e-16) << lines[0];
    EXPECT_NEAR(std::fabs(second[0]), std::sqrt(2.0), 4e-16) << lines[1];
}

TEST_F(ExchangeTest, OtherCommandLettersReadAndWriteNothing)
{
    std::ofstream(dir / "TEMP_ZERO.OUT") << " stale answer\n";
    for (const char *request : { "s\nR\n2\n1\n-3\n2\n", "X\n", "\nS\nR\n1\n1\n1\n", "S\nQ\n1\n1\n1\n" }) {
        EXPECT_TRUE(exchange(request).empty()) << request;
        EXPECT_TRUE(fs::exists(dir / "TEMP_ZERO.OUT")) << "the answer file exists, empty";
    }
}

TEST_F(ExchangeTest, ArcLengthOfTheParabolaAgreesWithTheExactLength)
{
    const double exact = std::sqrt(5.0) / 2 + std::asinh(2.0) / 4;
    const auto forward = exchange("L\n2\n1\n0\n0\n0\n1\n\n");
    ASSERT_EQ(forward.size(), 1u);
    const double length = numbers(forward[0]).at(0);
    EXPECT_NEAR(length, exact, 5e-8 * exact); // seven significant digits
    const auto backward = exchange("L\n2\n1\n0\n0\n1\n0\n\n");
    ASSERT_EQ(backward.size(), 1u);
    EXPECT_NEAR(numbers(backward[0]).at(0), length, 1e-14) << "exchanged limits give the same length";
}

TEST_F(ExchangeTest, StraightLinesAndEqualLimits)
{
    const auto line = exchange("L\n1\n2\n1\n-1\n2\n\n"); // y = 2x + 1 from -1 to 2: 3 * sqrt(5)
    ASSERT_EQ(line.size(), 1u);
    EXPECT_NEAR(numbers(line[0]).at(0), 3 * std::sqrt(5.0), 1e-14);
    EXPECT_EQ(exchange("L\n3\n1\n2\n3\n4\n0.5\n0.5\n"), (std::vector<std::string> { " 0" }));
    EXPECT_EQ(exchange("L\n0\n7\n-1\n2\n"), (std::vector<std::string> { " 3" })) << "a constant: |x2 - x1|";
}

TEST_F(ExchangeTest, BrokenRequestsLeaveTheProcessAliveWithoutAnswerLines)
{
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk += static_cast<char>((i * 131 + 7) % 256);
    }
    const std::vector<std::string> broken {
        "",
        "S\n",
        "S\nR\n",
        "S\nR\n3\n1\n2\n", // truncated
        "S\nR\n2\n1\nabc\n2\n", // a letter where a number belongs
        "S\nR\n2.5\n1\n2\n3\n", // a real where the degree belongs
        "S\nC\n1\n1\n2\n", // reals where complex values belong
        "S\nC\n1\n(1,0\n(2,0)\n",
        "S\nR\n2147483647\n1\n2\n", // a huge degree with few values
        "S\nR\n99999999999\n1\n",
        "S\nR\n101\n" + std::string(102 * 2, '1').replace(1, 200, std::string(100, '\n') + std::string(100, '1')),
        "S\nR\n0\n5\n",
        "S\nR\n-3\n",
        "L\n2\n1\n0\n0\n0\n", // x2 missing
        "L\n100000\n1\n",
        "L\n-1\n1\n0\n1\n",
        "S\nR\n2\n1E400\n1\n1\n",
        "S\nR\n2\nnan\n1\n1\n",
        "S\nR\n2\n1..0\n1\n1\n",
        junk,
        "S\nR\n2\n" + junk,
    };
    for (const std::string &request : broken) {
        std::ofstream(dir / "TEMP_ZERO.OUT") << " stale answer\n";
        EXPECT_TRUE(exchange(request).empty()) << "request: " << request.substr(0, 40);
    }
    // And the engine still answers afterwards.
    EXPECT_EQ(exchange("S\nR\n1\n2\n-1\n"), (std::vector<std::string> { " 0.5 0" }));
}

TEST_F(ExchangeTest, AMissingRequestFileEndsTheCallWithoutAnswerLines)
{
    std::ofstream(dir / "TEMP_ZERO.OUT") << " stale answer\n";
    engine::serveExchange();
    EXPECT_FALSE(fs::exists(dir / "TEMP_ZERO.DAT")) << "no request file is created";
    EXPECT_EQ(fs::file_size(dir / "TEMP_ZERO.OUT"), 0u);
    EXPECT_NE(printed.str().find("request file cannot be read"), std::string::npos);
}

TEST_F(ExchangeTest, TheDegreeRangeErrorsArePrintedAndNothingIsAnswered)
{
    std::string request = "S\nC\n50\n";
    for (int i = 0; i <= 50; ++i) {
        request += "(1,0)\n";
    }
    EXPECT_TRUE(exchange(request).empty());
    EXPECT_NE(engine_test::unwrapped(printed.str())
                  .find("TERMINAL ERROR 1 from DZPOCC.  The degree of the polynomial must be less than 50 and greater "
                        "than zero.  NDEG is given as 50."),
        std::string::npos)
        << printed.str();
    std::string degree49 = "S\nC\n49\n";
    for (int i = 0; i <= 49; ++i) {
        degree49 += "(1,0)\n";
    }
    EXPECT_EQ(exchange(degree49).size(), 49u);
}

#ifndef _WIN32
TEST_F(ExchangeTest, TheSharedLibraryExportsTheEntryUnderItsName)
{
    void *library = ::dlopen(KOVALIN_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << ::dlerror();
    using Entry = std::int32_t (*)();
    auto entry = reinterpret_cast<Entry>(::dlsym(library, "VX_KOVALIN"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(::dlsym(library, "DZPORC"), nullptr) << "nothing but the entry is exported";
    std::ofstream(dir / "TEMP_ZERO.DAT") << "S\nR\n2\n1\n0\n-4\n\n";
    EXPECT_EQ(entry(), 0);
    std::ifstream in(dir / "TEMP_ZERO.OUT");
    std::string first, second;
    std::getline(in, first);
    std::getline(in, second);
    EXPECT_EQ(first, " 2 0"); // the careful quadratic's order for roots of equal size
    EXPECT_EQ(second, " -2 0");
    ::dlclose(library);
}
#endif

} // namespace
