#include "platform/printing.h"

#include <QPrintDialog>
#include <QPrinter>

namespace platform
{

bool QtPrinting::print(QWidget *owner, const std::function<void(QPrinter &)> &print)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    print(printer);
    return true;
}

} // namespace platform
