#include "app/Instances.h"

#include "app/FormAvvio.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/Sounds.h"
#include "game/GameForm.h"

// Windows do not reach into each other: each one asks for the next with a signal, wired here.

namespace {

Form* NewStartScreen()
{
    auto* start = new FormAvvioWindow;
    QObject::connect(start, &FormAvvioWindow::Avvio, [] {
        FormMenu.Show();
        FormAvvio.Unload();
    });
    return start;
}

Form* NewMenu()
{
    auto* menu = new FormMenuWindow;
    QObject::connect(menu, &FormMenuWindow::ApriGioco, [](int cars) {
        (cars == 3 ? FormAuto3 : cars == 4 ? FormAuto4 : FormAuto5).Show();
    });
    QObject::connect(menu, &FormMenuWindow::Informazioni, [] { FormInfo.Show(); });
    return menu;
}

// A game window that is left shows the main menu; its answers are heard, the first one as
// promptly as any: the sound module loads in the background while the player thinks.
Form* NewGame(int n)
{
    if (SuoniAttivi) PrepareSounds();
    auto* game = new GameForm(*GameTableFor(n));
    QObject::connect(game, &GameForm::Uscita, [] { FormMenu.Show(); });
    QObject::connect(game, &GameForm::RispostaEsatta, &SuonoEsatto);
    QObject::connect(game, &GameForm::RispostaErrata, &SuonoErrato);
    return game;
}

}  // namespace

DefaultForm FormAvvio(NewStartScreen);
DefaultForm FormMenu(NewMenu);
DefaultForm FormInfo([] { return new FormInfoWindow; });
DefaultForm FormAuto3([] { return NewGame(3); });
DefaultForm FormAuto4([] { return NewGame(4); });
DefaultForm FormAuto5([] { return NewGame(5); });
