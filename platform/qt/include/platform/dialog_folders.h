#pragma once
// Where the file dialogs open: in the folder of the last file the user chose in this run, else (to open) in the
// sample files installed with the program, which the file instructions name.

#include <QString>

namespace platform
{

/// The folder of the installed sample files for a program in `programFolder`: "Help" beside the program (as
/// built, or installed on Windows), else "share/kovalin/Help" under the program's prefix; empty when neither
/// holds the samples.
QString samplesFolderBeside(const QString &programFolder);

/// The sample files' folder of the running program: beside it or under its prefix (above), else in the
/// system's shared data folders ("kovalin/Help"); empty when none is installed.
QString samplesFolder();

/// The path of the sample file `name` as the file instructions give it, in the platform's own notation: in
/// the samples folder, else (no samples installed) under "Help" as the program ships it.
QString samplePath(const QString &name);

/// The folders the dialogs of one run start in.
class DialogFolders
{
public:
    explicit DialogFolders(QString samples);

    /// The folder of the last file chosen, else the samples folder.
    QString openFolder() const;
    /// The folder of the last file chosen; empty before any was.
    QString saveFolder() const;
    /// A file was chosen in a dialog: later dialogs start in its folder.
    void chosen(const QString &path);

private:
    QString m_samples;
    QString m_last;
};

} // namespace platform
