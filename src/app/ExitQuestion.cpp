#include "app/ExitQuestion.h"

#include "app/InstanceLock.h"
#include "text/TextLookup.h"
#include "ui/clsResize.h"
#include "ui/ProgramEnd.h"
#include "ui/MsgBox.h"

void ChiediUscita(QWidget* asker)
{
    if (MsgBox(asker, MLSGetString(QStringLiteral("0030")), MsgButtons::YesNo, MsgIcon::Question,
               QStringLiteral("Parcolo")) != MsgResult::Yes)
        return;
    Ridimensionatore.clear();
    // Ending at once skips every destructor: the lock must go first, or it stays behind.
    ReleaseInstanceLock();
    EndProgram(true);
}
