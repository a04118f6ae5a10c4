#include "graph/messages.h"

#include "frontend/kit/messages.h"
#include "frontend/kit/picture_export.h"

#include <QDir>

namespace tools::graph::msg
{
namespace
{

using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

using frontend::msg::Kovalin;
using frontend::msg::tr;

Message inputError(const char *text)
{
    return { tr(text), Kovalin::tr("Input Error"), MessageIcon::Critical, MessageButtons::Ok };
}

} // namespace

platform::Message forFault(core::ParameterFault fault)
{
    using core::ParameterFault;
    switch (fault) {
    case ParameterFault::None:
    case ParameterFault::InputError:
        break;
    case ParameterFault::XRange:
        return inputError(
            QT_TRANSLATE_NOOP("Kovalin", "The minimum 'x' value must be smaller than the maximum 'x' value."));
    case ParameterFault::YRange:
        return inputError(
            QT_TRANSLATE_NOOP("Kovalin", "The minimum 'y' value must be smaller than the maximum 'y' value."));
    case ParameterFault::TickFrequency:
        return inputError(QT_TRANSLATE_NOOP("Kovalin", "The tickmark frequency must be greater than zero."));
    case ParameterFault::GridFrequency:
        return inputError(QT_TRANSLATE_NOOP("Kovalin", "The gridline frequency must be greater than zero."));
    }
    return parametersInputError();
}

platform::Message parametersInputError()
{
    return frontend::msg::inputErrorFor(
        QT_TRANSLATE_NOOP("Kovalin", "There is an input error in the given graph parameters."));
}

platform::Message graphCoordinate(const QString &coordinates)
{
    return { coordinates, Kovalin::tr("Graph Coordinate"), MessageIcon::Information, MessageButtons::Ok };
}

platform::Message zoomHelp()
{
    return { Kovalin::tr("Zoom in: Use the left mouse button to select an area.") + QLatin1Char('\n')
            + Kovalin::tr("Zoom out: Click the right mouse button."),
        Kovalin::tr("Zoom Plot"),
        MessageIcon::Information,
        MessageButtons::Ok };
}

platform::FileDialogRequest saveGraph()
{
    return { Kovalin::tr("Save Graph"), frontend::pictureFilters(), QStringLiteral("graph.png"), true };
}

platform::Message graphNotSaved(const QString &path)
{
    return { Kovalin::tr("The graph could not be saved to the file:") + QLatin1Char('\n') + QDir::toNativeSeparators(path)
            + QLatin1Char('\n') + Kovalin::tr("Please choose another file or folder."),
        Kovalin::tr("File Error"),
        MessageIcon::Exclamation,
        MessageButtons::Ok };
}

platform::Message graphNotPrinted()
{
    return { Kovalin::tr("The graph could not be printed."), Kovalin::tr("Print Error"), MessageIcon::Exclamation, MessageButtons::Ok };
}

} // namespace tools::graph::msg
