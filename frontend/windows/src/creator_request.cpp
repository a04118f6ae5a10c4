#include "frontend/creator_request.h"

#include "frontend/core/text_file.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/qt_text.h"
#include "frontend/messages.h"
#include "platform/message_service.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace frontend
{

bool requestTypedRoots(
    core::KovalinState &state, platform::MessageService &messages, QWidget *owner, const RootsProgramPanel &panel)
{
    if (panel.cboNumRoots->currentText().isEmpty()) {
        messages.show(msg::selectNumberOfRoots(), owner);
        panel.cboNumRoots->setFocus();
        return false;
    }
    const core::NumberValue a = readNumber(messages, owner, panel.txtLeadingA->text()).value;
    const core::NumberValue b = readNumber(messages, owner, panel.txtLeadingB->text()).value;
    if (a.isFailed() || b.isFailed()) {
        messages.show(msg::leadingCoefficientNotNumeric(), owner);
        (a.isFailed() ? panel.txtLeadingA : panel.txtLeadingB)->setFocus();
        return false;
    }
    if (a.readsAsZero() && b.readsAsZero()) {
        messages.show(msg::leadingCoefficientZero(), owner);
        panel.txtLeadingA->setFocus();
        return false;
    }
    core::CreatorRequest &creator = state.creator;
    creator.fromFile = false;
    creator.CreateDegree = panel.cboNumRoots->currentText().toInt();
    creator.LeadingCoef = { a.toDouble(), b.toDouble() };
    creator.leadingTextA = toStd(panel.txtLeadingA->text());
    creator.leadingTextB = toStd(panel.txtLeadingB->text());
    return true;
}

bool requestRootsFile(
    core::KovalinState &state, platform::MessageService &messages, QWidget *owner, const FileChooser &chooser)
{
    const QString path = chooser.path->text();
    if (path == noFileChosen()) {
        messages.show(msg::selectRootsFile(), owner);
        chooser.open->setFocus();
        return false;
    }
    core::CreatorRequest &creator = state.creator;
    creator.fromFile = true;
    creator.RootsFilePath = toStd(path);
    creator.viewText = core::loadFileText(toPath(path)).text;
    creator.roots = core::ReadRootsFile(toPath(path));
    showNotices(messages, owner, creator.roots.notices);
    return true;
}

} // namespace frontend
