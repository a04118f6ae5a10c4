#include "cli/program.h"

#include "cli/output.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <iterator>
#include <map>
#include <ostream>
#include <system_error>

namespace cli
{
namespace
{

constexpr const char *programName = "kovalin-roots";
constexpr const char *standardInput = "standard input";
// Larger files are not coefficient files (a degree-100 file is a few kilobytes).
constexpr std::uintmax_t maxFileBytes = 16u * 1024u * 1024u;
// Output is handed on in pieces of about this size, so a large batch neither waits nor piles up.
constexpr std::size_t flushBytes = 1u << 16;

struct Options {
    std::vector<std::string> files;
    std::vector<std::string> coefficients;
    Format format = Format::Text;
    std::optional<int> digits;
    bool engineMessages = false;
};

/// The whole text of a file, or why it cannot be had.
std::variant<std::string, InputError> readFile(const std::string &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return InputError { 0, "cannot be read: no such file" };
    }
    // Directories, devices and pipes are not coefficient files (and a pipe might never end).
    if (!std::filesystem::is_regular_file(status)) {
        return InputError { 0, "is not a regular file" };
    }
    if (std::filesystem::file_size(path, error) > maxFileBytes || error) {
        return InputError { 0, "is too large to be a coefficient file" };
    }
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return InputError { 0, "cannot be opened" };
    }
    std::string text;
    std::array<char, 8192> buffer {};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
        text.append(buffer.data(), got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return InputError { 0, "cannot be read" };
    }
    return text;
}

/// The command line's options; nothing, with the exit status to return, when the run ends here.
std::variant<Options, int> parseOptions(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options;
    CLI::App app { "Finds all roots of polynomial equations, with the accuracy of each root.", programName };
    app.add_option("files", options.files, "Coefficient files (\"-\" for standard input)");
    auto *coefficients = app.add_option("-c,--coefficients",
        options.coefficients,
        "Coefficients from the highest power down; \"re,im\" for a complex one");
    coefficients->excludes("files");
    const std::map<std::string, Format> formats {
        { "text", Format::Text }, { "csv", Format::Csv }, { "json", Format::Json }
    };
    std::string format = "text";
    app.add_option("-f,--format", format, "Output format: text (the default), csv or json")
        ->check(CLI::IsMember({ "text", "csv", "json" }, CLI::ignore_case));
    app.add_option("-d,--digits", options.digits, "Significant digits of the numbers (default: all a double holds)")
        ->check(CLI::Range(1, 17));
    app.add_flag("--engine-messages", options.engineMessages, "Print the root finders' warnings to standard error");
    app.set_version_flag("--version", std::string(programName) + " 1.0.0");
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend()); // CLI11 takes them last first
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError &e) {
        return app.exit(e, out, err) == 0 ? static_cast<int>(AllVerified) : static_cast<int>(BadInput);
    }
    std::transform(format.begin(), format.end(), format.begin(), [](unsigned char c) {
        return static_cast<char>(std::tolower(c));
    });
    options.format = formats.at(format);
    if (options.files.empty() && options.coefficients.empty()) {
        err << programName << ": no input: name coefficient files, \"-\" for standard input, or give -c COEFFICIENTS\n";
        return static_cast<int>(BadInput);
    }
    return options;
}

/// Runs the inputs one after another, keeping the worst exit status.
class Run
{
public:
    Run(const Options &options, std::ostream &out, std::ostream &err)
        : m_options(options)
        , m_writer(options.format, NumberStyle { options.digits }, m_buffer)
        , m_out(out)
        , m_err(err)
    {
    }

    int all(std::istream &in)
    {
        m_writer.begin();
        if (!m_options.coefficients.empty()) {
            arguments();
        }
        for (const std::string &file : m_options.files) {
            if (file == "-") {
                text(standardInput, std::string(std::istreambuf_iterator<char>(in), {}));
            } else {
                auto read = readFile(file);
                if (const auto *error = std::get_if<InputError>(&read)) {
                    bad(file, *error);
                } else {
                    text(file, std::get<std::string>(read));
                }
            }
        }
        m_writer.end();
        flush(true);
        return m_status;
    }

private:
    void arguments()
    {
        const ParsedInput parsed = ParseCoefficientArguments(m_options.coefficients);
        if (const auto *error = std::get_if<InputError>(&parsed)) {
            const std::string where = error->line > 0 ? "coefficient " + std::to_string(error->line) + ": " : "";
            bad("command line", { 0, where + error->message });
        } else {
            solve("command line", std::get<Polynomial>(parsed));
        }
    }

    void text(const std::string &source, const std::string &content)
    {
        const ParsedInput parsed = ParseCoefficientText(content);
        if (const auto *error = std::get_if<InputError>(&parsed)) {
            bad(source, *error);
        } else {
            solve(source, std::get<Polynomial>(parsed));
        }
    }

    void solve(const std::string &source, const Polynomial &polynomial)
    {
        Solution solution;
        try {
            solution = m_solver.solve(polynomial);
        } catch (const engine::TerminalError &) { // the degree is checked before; kept as bad input all the same
            bad(source, { 0, "the root finder refused the equation" });
            return;
        }
        if (m_options.engineMessages && !solution.engineMessages.empty()) {
            m_err << programName << ": " << source << ": the root finder says:\n" << solution.engineMessages;
        }
        m_writer.solved(source, polynomial, solution);
        if (!solution.verified()) {
            m_status = std::max(m_status, static_cast<int>(SomeUnverified));
        }
        flush(false);
    }

    void bad(const std::string &source, const InputError &error)
    {
        flush(true); // keeps the message after the results of the inputs before it
        m_err << programName << ": " << ErrorLine(source, error) << "\n";
        m_writer.failed(source, error);
        m_status = BadInput;
    }

    void flush(bool always)
    {
        if (always || m_buffer.size() >= flushBytes) {
            m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
            m_out.flush();
            m_buffer.clear();
        }
    }

    const Options &m_options;
    std::string m_buffer;
    OutputWriter m_writer;
    Solver m_solver;
    std::ostream &m_out;
    std::ostream &m_err;
    int m_status = AllVerified;
};

} // namespace

int RunRoots(const std::vector<std::string> &arguments, std::istream &in, std::ostream &out, std::ostream &err)
{
    auto options = parseOptions(arguments, out, err);
    if (const int *status = std::get_if<int>(&options)) {
        return *status;
    }
    return Run(std::get<Options>(options), out, err).all(in);
}

} // namespace cli
