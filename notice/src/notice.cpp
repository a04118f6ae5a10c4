#include "notice/notice.h"

#include <QCoreApplication>

namespace notice
{

platform::Message NoLongerAvailable()
{
    return { QCoreApplication::translate("Pellicor",
                 "The linear systems of equations solver is no longer available in this "
                 "Quorvel shareware package."),
        QCoreApplication::translate("Pellicor", "Tesmer Pellicor"),
        platform::MessageIcon::Information,
        platform::MessageButtons::Ok };
}

int Form_Load(platform::MessageService &messages)
{
    messages.show(NoLongerAvailable(), nullptr);
    return 0;
}

} // namespace notice
