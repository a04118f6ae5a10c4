#include "about/messages.h"

#include <QCoreApplication>

namespace about::msg
{
namespace
{

/// The about box's translation context: lupdate files `About::tr("...")` under it, where a bare tr() would
/// land under this namespace's name, which no lookup uses.
class About
{
    Q_DECLARE_TR_FUNCTIONS(About)
};

} // namespace

QString caption()
{
    return About::tr("About Kovalin");
}

QString productTitle()
{
    return About::tr("Kovalin");
}

QString version()
{
    return About::tr("Version %1").arg(QStringLiteral(KOVALIN_VERSION));
}

QString description()
{
    return About::tr("Kovalin solves polynomial equations of degree 1 to 100 with real coefficients, or 1 to 50 with "
                     "complex coefficients, typed in the program, read from a text file or created from their roots. "
                     "It also evaluates the polynomial, makes tables of values, plots its graph, differentiates and "
                     "integrates it, and measures the arc length of its curve.");
}

platform::Message systemInformationUnavailable()
{
    return { About::tr("System Information Is Unavailable At This Time"),
        caption(),
        platform::MessageIcon::Information,
        platform::MessageButtons::Ok };
}

} // namespace about::msg
