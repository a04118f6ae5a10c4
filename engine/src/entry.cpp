#include "engine/entry.h"

#include "answer_writer.h"
#include "arc_length.h"
#include "engine/error_service.h"
#include "engine/roots.h"
#include "list_input.h"
#include "platform/exchange_files.h"
#include "platform/files.h"

#include <algorithm>
#include <iostream>
#include <new>
#include <vector>

namespace engine
{
namespace
{

// A request of the largest degree is a few kilobytes; anything far larger is not a request.
constexpr std::size_t maxRequestSize = 16u << 20;

void solveReal(ListReader &input, std::int32_t n, std::string &answer, ErrorService &errors)
{
    // Read as many values as the degree asks for, but grow with what is actually there: a false degree in a
    // broken file must not reserve gigabytes before the read fails.
    std::vector<double> coeff;
    for (std::int64_t k = n; k >= 0; --k) {
        coeff.push_back(input.readReal());
    }
    std::reverse(coeff.begin(), coeff.end()); // leading coefficient read first, stored last
    std::vector<Complex> roots(static_cast<std::size_t>(std::max(n, 0)));
    DZPORC(n, coeff, roots, errors);
    for (const Complex &root : roots) {
        appendAnswerLine(answer, { root.real(), root.imag() });
    }
}

void solveComplex(ListReader &input, std::int32_t n, std::string &answer, ErrorService &errors)
{
    std::vector<Complex> coeff;
    for (std::int64_t k = n; k >= 0; --k) {
        coeff.push_back(input.readComplex());
    }
    std::reverse(coeff.begin(), coeff.end());
    std::vector<Complex> roots(static_cast<std::size_t>(std::max(n, 0)));
    DZPOCC(n, coeff, roots, errors);
    for (const Complex &root : roots) {
        appendAnswerLine(answer, { root.real(), root.imag() });
    }
}

ErrorService &engineErrors()
{
    // The error service prints on the library's standard output; one per thread, kept while loaded.
    static thread_local ErrorService errors(std::cout);
    return errors;
}

} // namespace

RequestOutcome handleRequest(std::string_view request, std::string &answer, ErrorService &errors)
{
    std::string lines;
    try {
        ListReader input(request);
        const char command = input.readLetter();
        if (command == 'S') {
            const char type = input.readLetter();
            const std::int32_t n = input.readInteger();
            if (type == 'R') {
                solveReal(input, n, lines, errors);
            } else if (type == 'C') {
                solveComplex(input, n, lines, errors);
            } else {
                return RequestOutcome::UnknownType;
            }
        } else if (command == 'L') {
            appendAnswerLine(lines, { ARCLENGTH(input) });
        } else {
            return RequestOutcome::UnknownCommand;
        }
    } catch (const InputError &error) {
        errors.reset();
        errors.output() << " *** Input error in the request: " << error.what() << '\n';
        return RequestOutcome::Unreadable;
    } catch (const TerminalError &) {
        return RequestOutcome::Stopped; // already printed by the error service
    } catch (const std::bad_alloc &) {
        errors.reset();
        errors.output() << " *** Not enough memory for the request.\n";
        return RequestOutcome::Unreadable;
    }
    answer += lines;
    return RequestOutcome::Answered;
}

void serveExchange()
{
    // Whatever happens, control returns to the caller: the host program may hold its user's unsaved work.
    try {
        std::string why;
        const auto files = platform::exchangeFiles(&why);
        if (!files) {
            std::cout << " *** No exchange directory: " << why << '\n';
            return;
        }
        const platform::FileBytes request =
            platform::readWholeFile(files->request, maxRequestSize, platform::FileOwner::Program);
        std::string answer;
        if (!request.bytes) {
            std::cout << " *** The request file cannot be read.\n";
        } else {
            handleRequest(*request.bytes, answer, engineErrors());
        }
        // The answer file always holds exactly this call's lines, possibly none.
        if (!platform::replaceFile(files->answer, answer, platform::FileOwner::Program)) {
            std::cout << " *** The answer file cannot be written.\n";
        }
        std::cout.flush();
    } catch (...) {
        std::cout << " *** The request could not be handled.\n";
    }
}

} // namespace engine
