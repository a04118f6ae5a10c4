#include "engine/error_service.h"

#include <algorithm>
#include <iomanip>
#include <ostream>
#include <sstream>

namespace engine
{
namespace
{

// Per type 1..7: printed when the routine is withdrawn, and whether the computation stops.
constexpr std::array<bool, 8> printTable { false, false, false, true, true, true, true, true };
constexpr std::array<bool, 8> stopTable { false, false, false, false, true, true, false, true };

constexpr std::string_view typeNames = "NOTE    ALERT   WARNING FATAL   TERMINALWARNING FATAL   ";

std::string typeName(int type)
{
    if (type < 1 || type > 7) {
        return "UNKNOWN ?";
    }
    return std::string(typeNames.substr(static_cast<std::size_t>(type - 1) * 8, 8));
}

std::string routineName(std::string_view name)
{
    std::string trimmed(name.substr(0, ErrorService::nameLength));
    while (!trimmed.empty() && trimmed.back() == ' ') {
        trimmed.pop_back();
    }
    return trimmed;
}

bool slotIndex(int i, std::size_t &index)
{
    if (i < 1 || i > 9) {
        return false;
    }
    index = static_cast<std::size_t>(i - 1);
    return true;
}

const std::string continuation = " ***          ";

// Breaks one paragraph into lines of at most `width` characters at the last blank that fits.
void wrap(std::ostream &out, std::string_view text, std::string_view firstPrefix, std::size_t width)
{
    std::string_view prefix = firstPrefix;
    do {
        const std::size_t room = width > prefix.size() ? width - prefix.size() : 1;
        std::size_t cut = text.size();
        std::size_t next = cut;
        if (text.size() > room) {
            const std::size_t blank = text.rfind(' ', room);
            cut = (blank == std::string_view::npos || blank == 0) ? room : blank;
            next = cut;
            while (next < text.size() && text[next] == ' ') {
                ++next;
            }
        }
        out << prefix << text.substr(0, cut) << '\n';
        text.remove_prefix(next);
        prefix = continuation;
    } while (!text.empty());
}

} // namespace

ErrorService::ErrorService(std::ostream &out)
    : m_out(out)
{
    reset();
}

void ErrorService::reset()
{
    for (Level &level : m_levels) {
        level = Level {};
    }
    m_levels[1].name = "USER";
    m_level = 1;
    m_message.clear();
    m_messageRoutine.clear();
    m_messageLevel = 0;
    m_messagePrinted = false;
    m_lastType = 0;
    m_lastCode = 0;
}

void ErrorService::E1PSH(std::string_view name)
{
    if (m_level >= maxLevels) {
        E1STI(1, maxLevels);
        raiseOwnError("E1PSH", "Error condition in E1PSH.  Push would cause stack level to exceed %(I1). ");
    }
    ++m_level;
    m_levels[static_cast<std::size_t>(m_level)] = Level { routineName(name), 0, 0 };
}

void ErrorService::E1POP(std::string_view name)
{
    const std::string withdrawn = routineName(name);
    if (m_level <= 1) {
        E1STL(1, withdrawn);
        raiseOwnError("E1POP", "Error condition in E1POP.  Cannot pop from %(L1) because stack is empty.");
    }
    Level &current = m_levels[static_cast<std::size_t>(m_level)];
    if (current.name != withdrawn) {
        E1STL(1, withdrawn);
        E1STL(2, current.name);
        raiseOwnError("E1POP", "Error condition in E1POP.  %(L1) does not match the name %(L2) in the stack.");
    }
    const int type = current.type;
    const int code = current.code;
    if (type >= 2 && type <= 7) {
        Level &caller = m_levels[static_cast<std::size_t>(m_level - 1)];
        caller.type = type;
        caller.code = code;
    }
    // The routine the user called is the outermost one announced, at level 2.
    const bool calledByUser = m_level == 2;
    bool stops = false;
    if (type >= 5 && type <= 7) {
        if (printTable[static_cast<std::size_t>(type)] && !m_messagePrinted) {
            E1PRT();
        }
        stops = stopTable[static_cast<std::size_t>(type)] && (type == Terminal || calledByUser);
    } else if (type >= 1 && type <= 4 && calledByUser) {
        if (printTable[static_cast<std::size_t>(type)] && !m_messagePrinted) {
            E1PRT();
        }
        stops = stopTable[static_cast<std::size_t>(type)];
    }
    m_lastType = type;
    m_lastCode = code;
    current = Level {};
    --m_level;
    if (stops) {
        stop(m_message);
    }
}

void ErrorService::E1MES(int type, int code, std::string_view message)
{
    if (type < -1 || type > 7) {
        raiseOwnError("E1MES", ".  Error from E1MES.  Illegal error type specified. ");
    }
    Level &current = m_levels[static_cast<std::size_t>(m_level)];
    if (type != -1) {
        current.type = type;
    }
    if (code != -1) {
        current.code = code;
    }
    m_message = substitute(message.substr(0, messageLength));
    m_messageRoutine = current.name;
    m_messageLevel = m_level;
    m_messagePrinted = false;
}

void ErrorService::E1STI(int i, std::int64_t value)
{
    std::size_t index = 0;
    if (slotIndex(i, index)) {
        m_integerSlots[index] = std::to_string(value).substr(0, 15);
    }
}

void ErrorService::E1STL(int i, std::string_view text)
{
    std::size_t index = 0;
    if (slotIndex(i < 0 ? -i : i, index)) {
        m_textSlots[index] = std::string(text.substr(0, textSlotLength));
    }
}

void ErrorService::E1PRT()
{
    const Level &current = m_levels[static_cast<std::size_t>(m_level)];
    printMessage(current.type, current.code, m_messageRoutine, m_message);
    m_messagePrinted = true;
}

int ErrorService::N1RCD(int iopt)
{
    if (iopt == 0) {
        return m_levels[static_cast<std::size_t>(m_level)].code;
    }
    if (iopt == 1) {
        return m_lastCode;
    }
    raiseOwnError("N1RCD", ".  The argument passed to N1RCD must be 0 or 1. ");
}

void ErrorService::UMACH(int n, int &unit)
{
    const int index = n < 0 ? -n : n;
    if (index < 1 || index > 3) {
        reportFixed({ " *** TERMINAL ERROR 5 from UMACH.  The absolute",
            " ***          value of the index variable must be",
            " ***          1, 2, or 3.  IABS(N) = " + std::to_string(index) });
    }
    if (n < 0) {
        m_units[static_cast<std::size_t>(index - 1)] = unit;
    } else {
        unit = m_units[static_cast<std::size_t>(index - 1)];
    }
}

void ErrorService::reportFixed(std::initializer_list<std::string> lines)
{
    std::string all;
    for (const std::string &line : lines) {
        m_out << line << '\n';
        all += line;
    }
    stop(all);
}

void ErrorService::stop(const std::string &why)
{
    m_out.flush();
    // Every routine between here and the caller is abandoned: the stack starts afresh.
    const std::string reason = why.empty() ? std::string("terminal error") : why;
    for (int level = 2; level <= maxLevels; ++level) {
        m_levels[static_cast<std::size_t>(level)] = Level {};
    }
    m_level = 1;
    throw TerminalError(reason);
}

void ErrorService::raiseOwnError(std::string_view routine, std::string_view message)
{
    // The service's own failures are terminal; they are reported as from the routine that detected them.
    const std::string text = substitute(message);
    printMessage(Terminal, 1, std::string(routine), text);
    m_message = text;
    stop(text);
}

std::string ErrorService::substitute(std::string_view message) const
{
    std::string result;
    result.reserve(message.size());
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '%' && i + 4 < message.size() && message[i + 1] == '('
            && (message[i + 2] == 'I' || message[i + 2] == 'L') && message[i + 3] >= '1' && message[i + 3] <= '9'
            && message[i + 4] == ')') {
            const auto slot = static_cast<std::size_t>(message[i + 3] - '1');
            result += message[i + 2] == 'I' ? m_integerSlots[slot] : m_textSlots[slot];
            i += 4;
        } else {
            result += message[i];
        }
    }
    return result.substr(0, messageLength);
}

void ErrorService::printMessage(int type, int code, const std::string &routine, const std::string &text)
{
    std::string header = " *** " + typeName(type) + " ERROR " + std::to_string(code) + " from " + routine;
    // Messages of the service itself begin with their own ".  " separator.
    if (text.empty() || text.front() != '.') {
        header += ".  ";
    }
    m_out << '\n';
    std::string_view rest = text;
    std::string_view prefix = header;
    for (;;) {
        const std::size_t mark = rest.find("%/");
        wrap(m_out, rest.substr(0, mark), prefix, lineWidth);
        if (mark == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(mark + 2);
        prefix = continuation;
    }
    if (m_level > 2) {
        printTraceback();
    }
    m_out.flush();
}

void ErrorService::printTraceback()
{
    m_out << "    Here is a traceback of subprogram calls in reverse order:\n"
          << "    Routine name                    Error type  Error code\n"
          << "    ------------                    ----------  ----------\n";
    for (int level = m_level; level >= 2; --level) {
        const Level &entry = m_levels[static_cast<std::size_t>(level)];
        std::ostringstream line;
        line << "     " << std::left << std::setw(32) << entry.name << std::right << std::setw(6) << entry.type
             << "      " << std::setw(6) << entry.code;
        if (level > 2) {
            line << "    (Called internally)";
        }
        m_out << line.str() << '\n';
    }
}

} // namespace engine
