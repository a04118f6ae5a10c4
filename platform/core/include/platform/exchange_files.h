#pragma once
// Where the solver and the engine library exchange their request and answer files.
// Shared by both sides so they always agree; plain C++ (the engine links no Qt).

#include <filesystem>
#include <optional>
#include <string>

namespace platform
{

struct ExchangeFiles {
    std::filesystem::path request; // TEMP_ZERO.DAT, written by the solver, read by the engine
    std::filesystem::path answer; // TEMP_ZERO.OUT, written by the engine, read by the solver
};

/// Name of the environment variable that overrides the exchange directory (tests and tools use it).
inline constexpr const char *exchangeDirVariable = "KOVALIN_EXCHANGE_DIR";

/// The exchange files: in $KOVALIN_EXCHANGE_DIR when set, otherwise in a private per-user directory
/// (memory-backed where there is one), created 0700. Empty when no safe directory can be had; `why`
/// then says what was refused.
std::optional<ExchangeFiles> exchangeFiles(std::string *why = nullptr);

} // namespace platform
