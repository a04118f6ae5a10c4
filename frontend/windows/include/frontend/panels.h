#pragma once
// The panels the new-equation dialog, the creator's dialog and the main window share: choosing a file,
// viewing one, and the number of roots with the leading coefficient; option pairs and number lists.

#include "frontend/kit/dialog_parts.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace frontend
{

/// A read-only path box that reads "none" until a file is chosen.
QLineEdit *pathBox(const char *name);
/// The text of a path box before any file was chosen.
QString noFileChosen();

/// An empty drop-down list (filled when its dialog loads).
QComboBox *numberList(const char *name);
/// Fills the list with 1 to `count`; none chosen.
void fillNumbers(QComboBox *list, int count);

/// A pair of options that exclude each other, whatever their parents.
void pairOptions(QObject *owner, QRadioButton *first, QRadioButton *second);

/// A panel to choose a file: a prompt, the Open button, "Selected file:", the path box and Instructions.
struct FileChooser {
    QWidget *panel = nullptr;
    QPushButton *open = nullptr;
    QLineEdit *path = nullptr;
    QPushButton *instructions = nullptr;
};
struct FileChooserNames {
    const char *panel;
    const char *prompt;
    const char *open;
    const char *selected;
    const char *path;
    const char *instructions;
};
FileChooser buildFileChooser(const FileChooserNames &names, const QString &prompt);

/// The view of a chosen file: its path and its text (fixed-pitch, read-only).
struct FileView {
    QLineEdit *txtFilePath = nullptr;
    QPlainTextEdit *txtFileText = nullptr;
};
FileView buildFileView();
/// Shows the path, marked " : Input Error in File" with the text in red when the file is at fault.
void markFileView(const FileView &view, const QString &path, bool marked);

/// The number of roots and the leading coefficient of an equation to create.
struct RootsProgramPanel {
    QWidget *panel = nullptr;
    QComboBox *cboNumRoots = nullptr;
    QLineEdit *txtLeadingA = nullptr;
    QLineEdit *txtLeadingB = nullptr;
};
/// `intro`, when given, heads the panel as the label `introName`.
RootsProgramPanel buildRootsProgramPanel(const char *panelName, const QString &intro, const char *introName);

} // namespace frontend
