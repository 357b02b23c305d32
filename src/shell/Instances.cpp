#include "shell/Instances.h"

#include "game/GameForm.h"
#include "shell/FormAvvio.h"
#include "shell/FormInfo.h"
#include "shell/FormMenu.h"

DefaultForm FormAvvio([] { return new FormAvvioWindow; });
DefaultForm FormMenu([] { return new FormMenuWindow; });
DefaultForm FormInfo([] { return new FormInfoWindow; });

namespace {
// A game window that is left shows the main menu.
Form* NewGame(int n)
{
    auto* game = new GameForm(*GameTableFor(n));
    QObject::connect(game, &GameForm::Uscita, [] { FormMenu.Show(); });
    return game;
}
}  // namespace

DefaultForm FormAuto3([] { return NewGame(3); });
DefaultForm FormAuto4([] { return NewGame(4); });
DefaultForm FormAuto5([] { return NewGame(5); });
