#pragma once
// The about box's fixed texts.

#include "platform/message_service.h"

#include <QString>

namespace about::msg
{

QString caption();
QString productTitle();
QString version();
QString description();
platform::Message systemInformationUnavailable();

} // namespace about::msg
