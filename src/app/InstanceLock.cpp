#include "app/InstanceLock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace {
std::unique_ptr<QLockFile>& Lock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}
}  // namespace

QString InstanceLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/parcolo.lock");
}

bool TakeInstanceLock()
{
    auto candidate = std::make_unique<QLockFile>(InstanceLockPath());
    candidate->setStaleLockTime(0);
    if (candidate->tryLock(0)) {
        Lock() = std::move(candidate);
        return true;
    }
    // Only a lock held by a live copy refuses the start; a folder we cannot write does not.
    return candidate->error() != QLockFile::LockFailedError;
}

void ReleaseInstanceLock() { Lock().reset(); }
