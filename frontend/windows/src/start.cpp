#include "frontend/start.h"

#include "frontend/kit/messages.h"

namespace frontend
{

using msg::Kovalin;
using platform::InstanceStart;

platform::Message cannotStart(InstanceStart start, const platform::SingleInstance &instance)
{
    QString text;
    switch (start) {
    case InstanceStart::FolderMissing:
        text = Kovalin::tr("Kovalin cannot start: the folder for its lock file does not exist:\n%1")
                   .arg(instance.folder());
        break;
    case InstanceStart::FolderNotFolder:
        text = Kovalin::tr("Kovalin cannot start: the folder for its lock file is a file:\n%1").arg(instance.folder());
        break;
    case InstanceStart::FolderNotWritable:
        text = Kovalin::tr("Kovalin cannot start: it may not write its lock file in the folder:\n%1\n"
                           "Please make the folder writable, or set XDG_RUNTIME_DIR to a folder of yours.")
                   .arg(instance.folder());
        break;
    case InstanceStart::LockIsFolder:
        text = Kovalin::tr("Kovalin cannot start: a folder stands where its lock file belongs:\n%1\n"
                           "Please remove or rename that folder.")
                   .arg(instance.lockPath());
        break;
    case InstanceStart::LockInUse:
    case InstanceStart::Only:
    case InstanceStart::Shown:
        text = Kovalin::tr("Kovalin cannot start: another program holds its lock file and does not answer:\n%1\n"
                           "If no copy of Kovalin is running, remove the file and start Kovalin again.")
                   .arg(instance.lockPath());
        break;
    }
    return { text, Kovalin::tr("Kovalin"), platform::MessageIcon::Critical, platform::MessageButtons::Ok };
}

InstanceStart claimRun(platform::SingleInstance &instance, platform::MessageService &messages)
{
    const InstanceStart start = instance.start();
    if (start != InstanceStart::Only && start != InstanceStart::Shown) {
        messages.show(cannotStart(start, instance), nullptr);
    }
    return start;
}

} // namespace frontend
