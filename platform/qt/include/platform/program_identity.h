#pragma once
// Names a program to the desktop: its application name and version (from the build), the desktop entry
// window managers match its windows and icon with, and the program's own icon on its windows.

#include <QString>

namespace platform
{

/// `desktopId` is the desktop entry's name without ".desktop", e.g. "org.kovalin.Kovalin".
void identifyProgram(const QString &applicationName, const QString &desktopId);

} // namespace platform
