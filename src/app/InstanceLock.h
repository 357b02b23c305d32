#pragma once
// One copy of the program at a time: a lock file in the user's runtime folder, held while the
// program runs. A copy that was killed leaves its lock behind; the next start sees that its
// process is gone and takes the lock over.

#include <QString>

// Takes the lock. False when another copy holds it; a folder that cannot be written does not
// refuse the start.
bool TakeInstanceLock();

// Gives the lock up (ending at once skips every destructor, so the lock must go first).
void ReleaseInstanceLock();

// The file the lock is taken on.
QString InstanceLockPath();
