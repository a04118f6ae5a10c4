#pragma once
// Printing through the platform's print dialog; a seam so tests print to a file without a dialog.

#include <functional>

class QPrinter;
class QWidget;

namespace platform
{

class Printing
{
public:
    virtual ~Printing() = default;
    /// Asks for a printer over `owner` and, when the user confirms, hands it to `print`, which paints the
    /// pages. False when the user cancelled.
    virtual bool print(QWidget *owner, const std::function<void(QPrinter &)> &print) = 0;
};

/// The platform's print dialog (QPrintDialog) for a printer at its high resolution.
class QtPrinting final : public Printing
{
public:
    bool print(QWidget *owner, const std::function<void(QPrinter &)> &print) override;
};

} // namespace platform
