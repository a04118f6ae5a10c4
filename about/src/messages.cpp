#include "about/messages.h"

#include <QCoreApplication>

namespace about::msg
{
namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("About", text);
}

} // namespace

QString caption()
{
    return tr("About Kovalin");
}

QString productTitle()
{
    return tr("Kovalin");
}

QString version()
{
    return tr("Version %1").arg(QStringLiteral(KOVALIN_VERSION));
}

QString description()
{
    return tr("Kovalin solves polynomial equations of degree 1 to 100 with real coefficients, or 1 to 50 with "
              "complex coefficients, typed in the program, read from a text file or created from their roots. "
              "It also evaluates the polynomial, makes tables of values, plots its graph, differentiates and "
              "integrates it, and measures the arc length of its curve.");
}

platform::Message systemInformationUnavailable()
{
    return { tr("System Information Is Unavailable At This Time"),
        caption(),
        platform::MessageIcon::Information,
        platform::MessageButtons::Ok };
}

} // namespace about::msg
