#pragma once
// Crossing between the core's UTF-8 strings and paths and Qt's strings.

#include <QString>

#include <filesystem>
#include <string>

namespace frontend
{

inline QString toQt(const std::string &text)
{
    return QString::fromStdString(text);
}

inline std::string toStd(const QString &text)
{
    return text.toStdString();
}

/// A path chosen in a file dialog, in the file system's own encoding.
std::filesystem::path toPath(const QString &path);

/// A file's bytes for display: UTF-8 when they are valid UTF-8, else single-byte text.
QString fileTextForDisplay(const std::string &bytes);

} // namespace frontend
