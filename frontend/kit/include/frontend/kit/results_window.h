#pragma once
// What the two results windows share: the equation as one line of text, the roots as a list, Copy of
// both through the scratch file, and Close.

#include "frontend/kit/root_colours.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace platform
{
class Clipboard;
class MessageService;
} // namespace platform

namespace frontend
{

/// The horizontal scroll extent each results list starts with, in pixels.
inline constexpr int listExtentPixels = 400;

/// Fills a list and lets it scroll sideways over `extentPixels` at least, or over its widest entry.
void fillList(QListWidget *list, const std::vector<std::string> &entries, int extentPixels = listExtentPixels);

class ResultsWindow : public QDialog
{
    Q_OBJECT
public:
    /// Puts the equation text ("0 = " and the terms) into the window.
    void setEquation(const QString &text);

protected:
    ResultsWindow(platform::MessageService &messages, platform::Clipboard &clipboard, QWidget *parent);

    QLineEdit *txtEquation() const { return m_txtEquation; }
    QListWidget *lstRoots() const { return m_lstRoots; }
    /// A list with the fixed-pitch font.
    static QListWidget *makeList(const char *name);
    /// Shows each listed root in the colour of its nature (by row; rows beyond `natures` keep theirs).
    void colourRoots(const std::vector<RootNature> &natures);
    /// Copy, any buttons of the window's own, then Close.
    QWidget *buildButtons(const QString &copyTip, const std::vector<QPushButton *> &own);

private:
    void btnCopy_Click();
    void btnClose_Click();

    platform::MessageService &m_messages;
    platform::Clipboard &m_clipboard;
    QLineEdit *m_txtEquation;
    QListWidget *m_lstRoots;
    QPlainTextEdit *m_txtCopy; // the copied text, as the scratch file gave it back
};

} // namespace frontend
