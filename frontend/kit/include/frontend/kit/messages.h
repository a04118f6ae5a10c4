#pragma once
// The fixed texts every window of the suite shares, under the one translation context "Kovalin": the
// catalogue of the checks' notices, the common input-error layout and the messages several windows tell.
// Each window's own messages stay with it; they are read against the texts they must match word for word.

#include "frontend/core/notice.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"

#include <QCoreApplication>
#include <QString>

#include <initializer_list>

namespace frontend::msg
{

/// The suite's translation context. Texts are written `Kovalin::tr("...")`, or marked
/// `QT_TRANSLATE_NOOP("Kovalin", "...")` where they travel as `const char *`, so that lupdate files them
/// under the context they are looked up in (it would file a bare tr() under the enclosing namespace).
class Kovalin
{
    Q_DECLARE_TR_FUNCTIONS(Kovalin)
};

/// A fixed text, marked where it was written, translated in the suite's context.
QString tr(const char *text);
/// Pieces translated and joined with line feeds.
QString lines(std::initializer_list<const char *> pieces);
/// A message with an OK button and its title translated.
platform::Message ok(const QString &text, const char *title, platform::MessageIcon icon);

/// The message for a check's notice.
platform::Message forNotice(core::Notice notice);

/// The common input-error message (the three number forms) with its own first line.
platform::Message inputErrorFor(const char *firstLine);
platform::Message divisionByZero();
platform::Message unexpectedError();
/// A computation on the equation overflowed (the creator and the tools).
platform::Message overflow();

/// The arc-length result when the engine gave no usable length.
QString inputTooLarge();
/// The scratch file of Copy could not be created in `folder`: the results window's copy.
platform::Message copyScratchFailed(const QString &folder);
/// The same for any window that copies through the scratch file: `what` is what could not be copied
/// ("The table of values"), `title` the message's title.
platform::Message copyScratchFailed(const QString &what, const QString &title, const QString &folder);

/// "Text Files (*.txt)", then all files.
QString textFileFilter();
/// A save dialog for a text file titled `title`: it asks before overwriting, and a name typed without a suffix
/// gets ".txt" while the text files' filter is chosen.
platform::FileDialogRequest saveTextFile(const QString &title);

} // namespace frontend::msg
