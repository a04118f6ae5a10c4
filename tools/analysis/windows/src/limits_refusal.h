#pragma once
// How the analysis tools refuse two limits (the integral's and the arc length's): the boxes that now read
// "0" are rewritten, then the fault is told with the focus on the box to correct.

#include "platform/message_service.h"
#include "tools/analysis/x_values.h"

class QLineEdit;
class QWidget;

namespace tools::analysis::ui
{

/// The messages two limits are refused with.
struct LimitsMessages {
    platform::Message input;
    platform::Message secondNotGreater;
    platform::Message sameValues;
};

/// Rewrites the boxes that now read "0", then tells what is wrong with the limits, if anything, with the focus
/// on the box to correct. True when the limits can be used.
bool acceptLimits(platform::MessageService &messages,
    QWidget *owner,
    QLineEdit *first,
    QLineEdit *second,
    const LimitsRequest &request,
    const LimitsMessages &told);

} // namespace tools::analysis::ui
