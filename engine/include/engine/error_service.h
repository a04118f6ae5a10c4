#pragma once
// The engine's error service: a routine announces itself, records at most one error (a type, a code and a
// message with numbered slots) and withdraws; at withdrawal the service prints the message and, for the grave
// types, stops the computation.
//
// "Stopping" never ends the host process: it throws TerminalError, which the library's entry catches, so a
// program that loaded the engine keeps its user's work. Warnings are printed and the results stay in place.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace engine
{

/// Thrown where the run would stop (terminal and fatal errors, misuse of the service itself), after printing.
class TerminalError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// Error types. The engine's routines raise only Warning (3) and Terminal (5); the others exist for the
/// service's tables. A type of 0 or -1 means "no error recorded".
enum ErrorType : int {
    Note = 1, // never printed
    Alert = 2, // never printed
    Warning = 3, // user-caused (odd input); printed, results kept
    Fatal = 4, // printed, stops
    Terminal = 5, // user-caused misuse (degree out of range) or a bug; printed, stops
    InternalWarning = 6, // a warning from a routine called internally
    InternalFatal = 7, // a fatal error from a routine called internally
};

class ErrorService
{
public:
    static constexpr int maxLevels = 50;
    static constexpr std::size_t nameLength = 32;
    static constexpr std::size_t textSlotLength = 255;
    static constexpr std::size_t messageLength = 1024;
    static constexpr std::size_t lineWidth = 78;

    /// Prints to `out` (the engine's standard output unless a test redirects it).
    explicit ErrorService(std::ostream &out);

    /// Announce a routine: one level deeper, with its type and code cleared.
    void E1PSH(std::string_view name);
    /// Withdraw a routine: print and stop as the tables say, pass the error up to the caller, pop.
    void E1POP(std::string_view name);
    /// Record an error at the current level (-1 keeps the current type or code). %(In) and %(Ln) are
    /// replaced by integer and text slot n; "%/" starts a new printed line.
    void E1MES(int type, int code, std::string_view message);
    /// Integer slot i (1..9) := decimal text of value; other i are ignored.
    void E1STI(int i, std::int64_t value);
    /// Text slot |i| (1..9) := text, cut to 255 characters.
    void E1STL(int i, std::string_view text);
    /// Print the message recorded at the current level.
    void E1PRT();
    /// Error code of the current level (0) or of the routine last withdrawn (1).
    int N1RCD(int iopt);
    /// UMACH: n in 1..3 returns unit n; -n sets it to `unit`. Units: input, output, error messages.
    void UMACH(int n, int &unit);

    /// Where the service prints (the engine's standard output unless redirected).
    std::ostream &output() { return m_out; }
    /// Prints lines that a routine composes itself and stops (the lookups' own terminal errors).
    [[noreturn]] void reportFixed(std::initializer_list<std::string> lines);

    /// Type and code of the routine last withdrawn (what its caller sees).
    int lastType() const { return m_lastType; }
    int lastCode() const { return m_lastCode; }
    /// Current depth: 1 is the user's program.
    int level() const { return m_level; }
    /// Back to the state after set-up; used by the entry after a computation was stopped.
    void reset();

private:
    struct Level {
        std::string name;
        int type = 0;
        int code = 0;
    };

    [[noreturn]] void stop(const std::string &why);
    [[noreturn]] void raiseOwnError(std::string_view routine, std::string_view message);
    std::string substitute(std::string_view message) const;
    void printMessage(int type, int code, const std::string &routine, const std::string &text);
    void printTraceback();

    std::ostream &m_out;
    std::array<Level, maxLevels + 1> m_levels; // index 1 .. maxLevels; index 1 is the user's program
    int m_level = 1;
    std::array<std::string, 9> m_integerSlots;
    std::array<std::string, 9> m_textSlots;
    std::string m_message; // last recorded message, slots filled in
    std::string m_messageRoutine; // routine that recorded it
    int m_messageLevel = 0; // level at which it was recorded
    bool m_messagePrinted = false;
    int m_lastType = 0;
    int m_lastCode = 0;
    std::array<int, 3> m_units { 5, 6, 6 };
};

} // namespace engine
