// The program as a user runs it: files, standard input and arguments in, the three formats out, exit statuses,
// one line per bad input while the rest of a batch is still solved.

#include "cli/program.h"
#include "platform/test_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <complex>
#include <filesystem>
#include <sstream>

namespace
{

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class Program : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = platform::testing::freshTestFolder("kovalin_roots_");
        write("real.txt", "2\tdegree of equation\r\n1\r\n-3\r\n2\r\n"); // x^2 - 3x + 2 = (x - 1)(x - 2)
        write("complex.txt", "2\n1\n0,-3\n-2\n"); // x^2 - 3i x - 2 = (x - i)(x - 2i)
        write("broken.txt", "2\n1\nthree\n2\n");
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string write(const std::string &name, const std::string &text)
    {
        return platform::testing::writeBytes(m_folder / name, text).string();
    }
    std::string path(const std::string &name) const { return (m_folder / name).string(); }

    static Outcome run(const std::vector<std::string> &arguments, const std::string &input = "")
    {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        Outcome outcome;
        outcome.status = cli::RunRoots(arguments, in, out, err);
        outcome.out = out.str();
        outcome.err = err.str();
        return outcome;
    }

private:
    std::filesystem::path m_folder;
};

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> out;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) {
        out.push_back(field);
    }
    return out;
}

double number(const std::string &text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

/// The roots of CSV rows, checked to lie within their error bounds of `expected` (in any order).
void expectCsvRoots(
    const std::vector<std::string> &rows, const std::string &source, std::vector<std::complex<double>> expected)
{
    for (const std::string &row : rows) {
        const auto f = fields(row);
        ASSERT_EQ(f.size(), 6u) << row;
        if (f[0] != source) {
            continue;
        }
        const std::complex<double> root(number(f[1]), number(f[2]));
        const double bound = number(f[3]);
        const auto match = std::find_if(expected.begin(), expected.end(), [&](std::complex<double> r) {
            return std::abs(r - root) <= bound;
        });
        ASSERT_NE(match, expected.end()) << row;
        expected.erase(match);
        EXPECT_EQ(f[4], "15") << row;
        EXPECT_EQ(f[5], "1") << row;
    }
    EXPECT_TRUE(expected.empty()) << source << ": roots missing from the output";
}

TEST_F(Program, CsvHoldsEveryRootOfRealAndComplexFilesWithinItsBound)
{
    const Outcome o = run({ "--format", "csv", path("real.txt"), path("complex.txt") });
    EXPECT_EQ(o.status, cli::AllVerified) << o.err;
    EXPECT_EQ(o.err, "");
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 5u) << o.out;
    EXPECT_EQ(rows[0], "source,real,imaginary,error_bound,correct_digits,multiplicity");
    const std::vector<std::string> data(rows.begin() + 1, rows.end());
    expectCsvRoots(data, path("real.txt"), { 1.0, 2.0 });
    expectCsvRoots(data, path("complex.txt"), { { 0, 1 }, { 0, 2 } });
    EXPECT_EQ(lines(run({ "--format", "CSV", path("real.txt") }).out).front(), rows[0]) << "names in any case";
}

TEST_F(Program, TextListsEachRootAlignedWithItsAccuracy)
{
    // With all digits and with few: the columns stay apart however narrow the numbers are.
    for (const std::vector<std::string> &digits :
        std::vector<std::vector<std::string>> { {}, { "--digits", "1" }, { "--digits", "3" }, { "--digits", "17" } }) {
        std::vector<std::string> arguments = digits;
        arguments.push_back(path("real.txt"));
        arguments.push_back(path("complex.txt"));
        const Outcome o = run(arguments);
        EXPECT_EQ(o.status, cli::AllVerified) << o.err;
        const auto text = lines(o.out);
        ASSERT_GE(text.size(), 9u) << o.out;
        EXPECT_EQ(text[0], path("real.txt") + ": degree 2, real coefficients");
        EXPECT_EQ(text[4], "");
        EXPECT_EQ(text[5], path("complex.txt") + ": degree 2, complex coefficients");
        // Columns start where the header's names start, each name set off by a blank.
        const std::size_t imaginary = text[1].find("imaginary part");
        const std::size_t bound = text[1].find("error bound");
        ASSERT_NE(imaginary, std::string::npos) << text[1];
        ASSERT_NE(bound, std::string::npos) << text[1];
        EXPECT_EQ(text[1][imaginary - 1], ' ') << text[1];
        EXPECT_EQ(text[1][bound - 1], ' ') << text[1];
        for (const std::size_t row : { 2u, 3u, 7u, 8u }) {
            EXPECT_EQ(text[row][imaginary - 1], ' ') << text[row];
            EXPECT_NE(text[row][imaginary], ' ') << text[row];
            EXPECT_EQ(text[row][bound - 1], ' ') << text[row];
            EXPECT_NE(text[row][bound], ' ') << text[row];
            EXPECT_NE(text[row].find("15"), std::string::npos) << text[row];
            EXPECT_NE(text[row].find("\u00d71"), std::string::npos) << text[row];
        }
    }
}

TEST_F(Program, JsonHasEveryRootAndTheChosenDigits)
{
    const Outcome o = run({ "-f", "json", "--digits", "3", "-c", "3", "-1" }); // 3x - 1: the root 1/3
    EXPECT_EQ(o.status, cli::AllVerified) << o.err;
    const auto results = nlohmann::json::parse(o.out);
    ASSERT_EQ(results.size(), 1u);
    const auto &item = results[0];
    EXPECT_EQ(item["source"], "command line");
    EXPECT_EQ(item["degree"], 1);
    EXPECT_EQ(item["verified"], true);
    ASSERT_EQ(item["roots"].size(), 1u);
    const auto &root = item["roots"][0];
    EXPECT_EQ(root["re"].get<double>(), 0.333);
    EXPECT_EQ(root["im"].get<double>(), 0.0);
    EXPECT_EQ(root["found"], true);
    // Three digits of a bound are rounded up: still a bound of the full root's error.
    EXPECT_GE(root["error_bound"].get<double>(), 0.0);
    EXPECT_EQ(root["multiplicity"], 1);
}

TEST_F(Program, JsonOfAComplexFileAndAFourfoldRoot)
{
    write("fourfold.txt", "5\n1\n-4\n6\n-4\n1\n0\n"); // x (x - 1)^4
    const Outcome o = run({ "--format=json", path("complex.txt"), path("fourfold.txt") });
    EXPECT_EQ(o.status, cli::AllVerified) << o.err;
    const auto results = nlohmann::json::parse(o.out);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0]["coefficients"], "complex");
    for (const auto &root : results[0]["roots"]) {
        const std::complex<double> z(root["re"].get<double>(), root["im"].get<double>());
        EXPECT_TRUE(std::abs(z - std::complex<double>(0, 1)) <= root["error_bound"].get<double>()
            || std::abs(z - std::complex<double>(0, 2)) <= root["error_bound"].get<double>())
            << root;
    }
    const auto &clusters = results[1]["clusters"];
    ASSERT_EQ(clusters.size(), 1u) << results[1];
    EXPECT_EQ(clusters[0]["multiplicity"], 4);
    const double re = clusters[0]["centre"]["re"].get<double>();
    EXPECT_LE(std::abs(re - 1), clusters[0]["radius"].get<double>());
}

TEST_F(Program, ABatchWithOneBrokenFileSolvesTheOthersAndSaysWhereTheFaultIs)
{
    const Outcome o = run({ "-f", "csv", path("real.txt"), path("broken.txt"), path("complex.txt") });
    EXPECT_EQ(o.status, cli::BadInput);
    EXPECT_EQ(o.err, "kovalin-roots: " + path("broken.txt") + ":3: the coefficient \"three\" is not a number\n");
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 5u) << o.out;
    expectCsvRoots({ rows.begin() + 1, rows.end() }, path("real.txt"), { 1.0, 2.0 });
    expectCsvRoots({ rows.begin() + 1, rows.end() }, path("complex.txt"), { { 0, 1 }, { 0, 2 } });

    // A name and a broken line that are not UTF-8 (a binary file, a name in another encoding) do not stop
    // the JSON output: the files after them are still there.
    const std::string latin1 = write("degr\xE9.txt", "2\n1\n\xFF\xFE\n2\n");
    const Outcome json = run({ "-f", "json", path("broken.txt"), latin1, path("real.txt") });
    EXPECT_EQ(json.status, cli::BadInput);
    const auto results = nlohmann::json::parse(json.out);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0]["error"]["line"], 3);
    EXPECT_EQ(results[1]["error"]["line"], 3);
    EXPECT_EQ(results[2]["verified"], true);
}

TEST_F(Program, ALongBatchIsPrintedInTheOrderOfItsFilesWithItsBrokenFileInPlace)
{
    // More files than are solved side by side at once, so the order must survive several rounds.
    std::vector<std::string> arguments { "-f", "csv" };
    for (int k = 1; k <= 600; ++k) {
        arguments.push_back(
            k == 300 ? path("broken.txt") : write(std::to_string(k) + ".txt", "1\n1\n" + std::to_string(-k) + "\n"));
    }
    arguments.push_back("-");
    const Outcome o = run(arguments, "1\n1\n-601\n");
    EXPECT_EQ(o.status, cli::BadInput);
    EXPECT_EQ(o.err, "kovalin-roots: " + path("broken.txt") + ":3: the coefficient \"three\" is not a number\n");
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 601u) << o.out.substr(0, 300);
    int expected = 1;
    for (std::size_t r = 1; r < rows.size(); ++r, ++expected) {
        expected += expected == 300 ? 1 : 0;
        const auto f = fields(rows[r]);
        ASSERT_EQ(f.size(), 6u) << rows[r];
        EXPECT_EQ(f[0], expected == 601 ? "standard input" : path(std::to_string(expected) + ".txt"));
        EXPECT_EQ(number(f[1]), expected) << rows[r];
    }
}

TEST_F(Program, EveryBadInputGetsOneLineAndStatusTwo)
{
    const Outcome o = run({ path("missing.txt"), testing::TempDir(), path("broken.txt"), path("real.txt") });
    EXPECT_EQ(o.status, cli::BadInput);
    const auto messages = lines(o.err);
    ASSERT_EQ(messages.size(), 3u) << o.err;
    EXPECT_EQ(messages[0].rfind("kovalin-roots: " + path("missing.txt") + ": ", 0), 0u) << messages[0];
    EXPECT_NE(messages[1].find("not a regular file"), std::string::npos) << messages[1];
    EXPECT_EQ(messages[2].rfind("kovalin-roots: " + path("broken.txt") + ":3: ", 0), 0u) << messages[2];
    EXPECT_NE(o.out.find(path("real.txt") + ": degree 2"), std::string::npos);

    // A damaged file's line is quoted short and without its control bytes: still one line each, and nothing
    // that a terminal would take as a command.
    const Outcome damaged = run({ write("escape.txt", "2\n1\n\x1B[2J\r\x0B5\n2\n"),
        write("long.txt", "2\n1\n" + std::string(1u << 20, 'y') + "\n2\n") });
    EXPECT_EQ(damaged.status, cli::BadInput);
    const auto shown = lines(damaged.err);
    ASSERT_EQ(shown.size(), 2u) << damaged.err.substr(0, 300);
    for (const std::string &line : shown) {
        EXPECT_LT(line.size(), path("long.txt").size() + 120) << line.substr(0, 300);
        EXPECT_EQ(std::count_if(line.begin(),
                      line.end(),
                      [](char c) {
                          return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
                      }),
            0)
            << line;
        EXPECT_NE(line.find(":3: the coefficient \""), std::string::npos) << line.substr(0, 300);
    }

    for (const std::vector<std::string> &arguments : std::vector<std::vector<std::string>> { {},
             { "-c", "1", "x" },
             { "--digits", "0", path("real.txt") },
             { "--format", "xml", path("real.txt") },
             { "-c", "1", "2", path("real.txt") },
             { "--no-such-option" } }) {
        const Outcome bad = run(arguments);
        EXPECT_EQ(bad.status, cli::BadInput) << testing::PrintToString(arguments);
        EXPECT_FALSE(bad.err.empty()) << testing::PrintToString(arguments);
    }
    EXPECT_EQ(run({ "-c", "1", "x" }).err,
        "kovalin-roots: command line: coefficient 2: the coefficient \"x\" is not a number\n");
    EXPECT_EQ(run({ "--help" }).status, cli::AllVerified);
}

TEST_F(Program, ARootNotFoundGivesStatusOneAndSaysSo)
{
    // A subnormal leading coefficient puts one root beyond the double range: the root finder cannot give it.
    const Outcome o = run({ "-c", "1e-320", "1", "1" });
    EXPECT_EQ(o.status, cli::SomeUnverified) << o.out;
    const auto text = lines(o.out);
    ASSERT_GE(text.size(), 4u) << o.out;
    EXPECT_EQ(text[3], "not found");
    // With one root missing the other cannot be certified either: its bound is unknown.
    EXPECT_NE(text[2].find("unknown"), std::string::npos) << text[2];
    EXPECT_EQ(o.err, "") << "the root finder's warning is not printed unless asked for";
    EXPECT_NE(
        run({ "--engine-messages", "-c", "1e-320", "1", "1" }).err.find("Only 1 roots were found"), std::string::npos);
    const auto json = nlohmann::json::parse(run({ "-f", "json", "-c", "1e-320", "1", "1" }).out);
    EXPECT_EQ(json[0]["verified"], false);
    EXPECT_EQ(json[0]["roots"][1]["found"], false);
    EXPECT_TRUE(json[0]["roots"][1]["re"].is_null());
    EXPECT_TRUE(json[0]["roots"][0]["error_bound"].is_null());
}

/// An output that takes nothing, as a full disk does.
class FullOutput : public std::streambuf
{
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char *, std::streamsize) override { return 0; }
};

TEST_F(Program, ResultsThatCouldNotBeWrittenAreNoSuccess)
{
    FullOutput full;
    std::ostream out(&full);
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(cli::RunRoots({ path("real.txt") }, in, out, err), cli::BadInput);
    EXPECT_EQ(err.str(), "kovalin-roots: the results could not be written to standard output\n");
}

TEST_F(Program, StandardInputIsReadForADash)
{
    const Outcome o = run({ "-f", "csv", "-" }, "1\n2\n-1\n");
    EXPECT_EQ(o.status, cli::AllVerified) << o.err;
    const auto rows = lines(o.out);
    expectCsvRoots({ rows.begin() + 1, rows.end() }, "standard input", { 0.5 });

    // Standard input is held to the size of a file, so a stream without end is not read into memory for ever.
    const Outcome endless = run({ "-" }, "1\n2\n-1\n" + std::string(17u << 20, 'x'));
    EXPECT_EQ(endless.status, cli::BadInput);
    EXPECT_EQ(endless.err, "kovalin-roots: standard input: is too large to be a coefficient file\n");
}

} // namespace
