// Parcolo: a logic game of cars in a row of parking places.

#include "app/Startup.h"
#include "ui/Design.h"
#include "ui/DestroyedWindows.h"
#include "ui/Form.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parcolo"));
    // The program ends when its last window is unloaded, not when a message box closes.
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyProgramLook(app);
    WatchForDestroyedWindows();
    if (!Main() || LoadedForms().isEmpty()) return 0;
    return QApplication::exec();
}
