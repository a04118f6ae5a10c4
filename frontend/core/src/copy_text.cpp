#include "frontend/core/copy_text.h"

#include "frontend/core/text_file.h"

#include <filesystem>
#include <system_error>

namespace frontend::core
{

std::vector<std::string> CopyLines(const std::string &equation, const std::vector<std::string> &roots)
{
    std::vector<std::string> lines { equation, "", "x = . . ." };
    lines.insert(lines.end(), roots.begin(), roots.end());
    return lines;
}

std::optional<std::string> CopyThroughScratch(const std::vector<std::string> &lines)
{
    return CopyTextThroughScratch(joinCrLf(lines));
}

std::optional<std::string> CopyTextThroughScratch(const std::string &bytes)
{
    const std::filesystem::path scratch(copyScratchName);
    if (!writePrivateFile(scratch, bytes)) {
        return std::nullopt;
    }
    auto text = readPrivateFile(scratch, bytes.size());
    std::error_code ignored;
    std::filesystem::remove(scratch, ignored);
    return text;
}

} // namespace frontend::core
