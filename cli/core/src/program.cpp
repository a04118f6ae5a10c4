#include "cli/program.h"

#include "cli/output.h"
#include "cli/parallel.h"
#include "platform/files.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <istream>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <ostream>

namespace cli
{
namespace
{

constexpr const char *programName = "kovalin-roots";
constexpr const char *standardInput = "standard input";
// Larger files are not coefficient files (a degree-100 file is a few kilobytes).
constexpr std::size_t maxFileBytes = 16u * 1024u * 1024u;
// Output is handed on in pieces of about this size, so a large batch neither waits nor piles up.
constexpr std::size_t flushBytes = 1u << 16;
// Files solved side by side before their results are printed: enough to keep every core busy, few enough
// that a long batch shows its first results at once and holds little in memory.
constexpr std::size_t batchSize = 256;

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
    // Directories, devices and pipes are not coefficient files (and a pipe might never end).
    platform::FileBytes read = platform::readWholeFile(path, maxFileBytes, platform::FileOwner::User);
    switch (read.fault) {
    case platform::ReadFault::None:
        return std::move(*read.bytes);
    case platform::ReadFault::Missing:
        return InputError { 0, "cannot be read: no such file" };
    case platform::ReadFault::NotAFile:
        return InputError { 0, "is not a regular file" };
    case platform::ReadFault::TooLarge:
        return InputError { 0, "is too large to be a coefficient file" };
    case platform::ReadFault::Unreadable:
        break;
    }
    return InputError { 0, "cannot be read" };
}

/// Standard input whole, held to the size of a file: a stream without end (a device, a runaway pipe) is not
/// read for ever into memory.
std::variant<std::string, InputError> readStandardInput(std::istream &in)
{
    std::string text;
    std::array<char, 1u << 16> piece {};
    while (in.read(piece.data(), piece.size()) || in.gcount() > 0) {
        text.append(piece.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > maxFileBytes) {
            return InputError { 0, "is too large to be a coefficient file" };
        }
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

/// One input on its way from reading to printing: its equation solved, or why it could not be.
struct Prepared {
    std::optional<InputError> error;
    Polynomial polynomial;
    Solution solution;
};

Prepared solveWith(Solver &solver, Polynomial polynomial)
{
    Prepared prepared;
    try {
        prepared.solution = solver.solve(polynomial);
    } catch (const engine::TerminalError &) { // the degree is checked before; kept as bad input all the same
        prepared.error = InputError { 0, "the root finder refused the equation" };
    } catch (const std::bad_alloc &) {
        prepared.error = InputError { 0, "not enough memory to solve it" };
    }
    prepared.polynomial = std::move(polynomial);
    return prepared;
}

Prepared prepareText(std::string_view content, Solver &solver)
{
    ParsedInput parsed = ParseCoefficientText(content);
    if (auto *error = std::get_if<InputError>(&parsed)) {
        return { std::move(*error), {}, {} };
    }
    return solveWith(solver, std::move(std::get<Polynomial>(parsed)));
}

Prepared prepareFile(const std::string &path, Solver &solver)
{
    auto read = readFile(path);
    if (auto *error = std::get_if<InputError>(&read)) {
        return { std::move(*error), {}, {} };
    }
    return prepareText(std::get<std::string>(read), solver);
}

/// Runs the inputs, keeping the worst exit status. Files are read and solved in batches spread over the
/// processor's cores; their results are printed in the order the files were named.
class Run
{
public:
    Run(const Options &options, std::ostream &out, std::ostream &err)
        : m_options(options)
        , m_writer(options.format, NumberStyle { options.digits }, m_buffer)
        , m_out(out)
        , m_err(err)
    {
        const std::size_t workers = std::min(availableWorkers(), std::max<std::size_t>(options.files.size(), 1));
        for (std::size_t k = 0; k < workers; ++k) {
            m_solvers.push_back(std::make_unique<Solver>());
        }
    }

    int all(std::istream &in)
    {
        m_writer.begin();
        if (!m_options.coefficients.empty()) {
            arguments();
        }
        files(in);
        m_writer.end();
        flush(true);
        if (!m_out) { // a full disk or a closed pipe: the results are not all there, which is no success
            m_err << programName << ": the results could not be written to standard output\n";
            return BadInput;
        }
        return m_status;
    }

private:
    void arguments()
    {
        ParsedInput parsed = ParseCoefficientArguments(m_options.coefficients);
        if (const auto *error = std::get_if<InputError>(&parsed)) {
            const std::string where = error->line > 0 ? "coefficient " + std::to_string(error->line) + ": " : "";
            bad("command line", { 0, where + error->message });
        } else {
            report("command line", solveWith(*m_solvers.front(), std::move(std::get<Polynomial>(parsed))));
        }
    }

    void files(std::istream &in)
    {
        const std::vector<std::string> &files = m_options.files;
        for (std::size_t start = 0; start < files.size(); start += batchSize) {
            const std::size_t count = std::min(batchSize, files.size() - start);
            std::vector<Prepared> batch(count);
            // Standard input is read here, where it stands among the files; the files by the workers.
            for (std::size_t k = 0; k < count; ++k) {
                if (files[start + k] == "-") {
                    auto read = readStandardInput(in);
                    batch[k] = std::holds_alternative<InputError>(read)
                        ? Prepared { std::get<InputError>(read), {}, {} }
                        : prepareText(std::get<std::string>(read), *m_solvers.front());
                }
            }
            forEachInParallel(count, m_solvers.size(), [&](std::size_t k, std::size_t worker) {
                if (files[start + k] != "-") {
                    batch[k] = prepareFile(files[start + k], *m_solvers[worker]);
                }
            });
            for (std::size_t k = 0; k < count; ++k) {
                report(files[start + k] == "-" ? standardInput : files[start + k], batch[k]);
            }
        }
    }

    void report(const std::string &source, const Prepared &prepared)
    {
        if (prepared.error) {
            bad(source, *prepared.error);
            return;
        }
        const Solution &solution = prepared.solution;
        if (m_options.engineMessages && !solution.engineMessages.empty()) {
            m_err << programName << ": " << source << ": the root finder says:\n" << solution.engineMessages;
        }
        m_writer.solved(source, prepared.polynomial, solution);
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
    std::vector<std::unique_ptr<Solver>> m_solvers; // one per worker: each catches its own engine's warnings
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
