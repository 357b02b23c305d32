#include "app/Instances.h"

#include "app/FormAvvio.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/FormStatistics.h"
#include "app/Worksheet.h"
#include "app/Sounds.h"
#include "game/GameForm.h"
#include "ui/LanguageMenu.h"

// Windows do not reach into each other: each one asks for the next with a signal, wired here,
// and every window follows a switch of the language, wherever it was made.

namespace {

Form* NewStartScreen()
{
    auto* start = new FormAvvioWindow;
    FollowLanguageSwitches(start);
    QObject::connect(start, &FormAvvioWindow::StartChosen, [] {
        FormMenu.Show();
        FormAvvio.Unload();
    });
    return start;
}

Form* NewMenu()
{
    auto* menu = new FormMenuWindow;
    FollowLanguageSwitches(menu);
    QObject::connect(menu, &FormMenuWindow::GameChosen, [](int cars) {
        (cars == 3 ? FormAuto3 : cars == 4 ? FormAuto4 : FormAuto5).Show();
    });
    QObject::connect(menu, &FormMenuWindow::InformationChosen, [] { FormInfo.Show(); });
    QObject::connect(menu, &FormMenuWindow::StatisticsChosen, [] { FormStatistics.Show(); });
    QObject::connect(menu, &FormMenuWindow::TurnChosen, &OpenTurn);
    QObject::connect(menu, &FormMenuWindow::PrintChosen, menu, [menu] { AskAndPrintWorksheet(menu); });
    return menu;
}

// A game window that is left shows the main menu; its answers are heard, the first one as
// promptly as any: the sound module loads in the background while the player thinks.
Form* NewGame(int n)
{
    if (SuoniAttivi) PrepareSounds();
    auto* game = new GameForm(*GameTableFor(n));
    FollowLanguageSwitches(game);
    QObject::connect(game, &GameForm::BackToMenu, [] { FormMenu.Show(); });
    QObject::connect(game, &GameForm::RightAnswer, &SuonoEsatto);
    QObject::connect(game, &GameForm::WrongAnswer, &SuonoErrato);
    return game;
}

}  // namespace

DefaultForm FormAvvio(NewStartScreen);
DefaultForm FormMenu(NewMenu);
DefaultForm FormInfo([] {
    auto* info = new FormInfoWindow;
    FollowLanguageSwitches(info);
    return info;
});
DefaultForm FormStatistics([] {
    auto* statistics = new FormStatisticsWindow;
    FollowLanguageSwitches(statistics);
    return statistics;
});
DefaultForm FormAuto3([] { return NewGame(3); });
DefaultForm FormAuto4([] { return NewGame(4); });
DefaultForm FormAuto5([] { return NewGame(5); });

void OpenTurn(const clues::Turn& turn)
{
    DefaultForm& window = turn.cars == 3 ? FormAuto3 : turn.cars == 4 ? FormAuto4 : FormAuto5;
    window.As<GameForm>()->PlayTurn(turn);
    window.Show();
}
