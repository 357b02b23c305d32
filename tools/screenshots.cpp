// parcolo-shots OUT_DIR [dark-scheme]: the pictures of docs/, taken of the real windows on the
// screen the program runs on, frames included (scripts/screenshots runs it under Xvfb and a
// window manager at two screen sizes). Turns are set up
// with scripted draws so every picture shows the same game. With "dark-scheme" it takes only
// the picture of a game under the desktop's dark scheme, the real leaving question over it.

#include "ScriptedDraws.h"
#include "ui/ProgramEnd.h"
#include "app/FormAvvio.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/FormStatistics.h"
#include "game/PlayerStatistics.h"
#include "app/Instances.h"
#include "app/Sounds.h"
#include "core/Rnd.h"
#include "game/GameForm.h"
#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/ProgramFolder.h"
#include "text/QtTranslations.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/Form.h"
#include "ui/MsgBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <deque>

namespace {

using scripted::Script;
using scripted::ScriptTurn;
void Settle(int ms = 400) { scripted::Settle(ms); }





void Shoot(const QString& file)
{
    // Under a window manager the frame comes after the window: wait until every window's frame
    // covers the screen (5 s at most), then let the windows paint.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QElapsedTimer waited;
    waited.start();
    const auto framed = [&] {
        for (const Form* f : LoadedForms())
            if (f->isVisible() && f->frameGeometry() != screen) return false;
        return true;
    };
    while (!framed() && waited.elapsed() < 5000) Settle(20);
    Settle();
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("%s\n", qPrintable(file));
}

void Solve(GameForm* g)
{
    for (int i = 0; i < g->N(); ++i) {
        const int target = g->Model().DaSinistra ? i : g->N() - 1 - i;
        const int j = g->Model().CarInSlot(target);
        if (j != i) g->Image1_DragDrop(j, g->Image1(i));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyProgramLook(app);
    const bool darkScheme = argc == 3 && QLatin1String(argv[2]) == QLatin1String("dark-scheme");
    if (argc != 2 && !darkScheme) {
        std::fputs("usage: parcolo-shots OUT_DIR [dark-scheme]\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString size = QStringLiteral("-%1x%2").arg(QGuiApplication::primaryScreen()->size().width())
                             .arg(QGuiApplication::primaryScreen()->size().height());
    SetProgramEndHandler([](bool) {});
    SetSoundPlayer([](const QString&) {});
    SetMsgBoxHandler([](const MsgBoxRequest&) { return MsgResult::Yes; });
    scripted::UseScriptedDraws();
    // Every run starts in Italian, whatever an earlier run picked.
    MLSWriteIni(InProgramFolder(QStringLiteral("LangSetting.ini")), QStringLiteral("Language"),
                QStringLiteral("CurrentLanguage"), QStringLiteral("Italiano"));
    MLSCurrentLanguage = QStringLiteral("Italiano");
    LoadParole();

    if (darkScheme) {
        // Five cars, two hints (the note pad open, two pictures crossed out), then "Esci": the
        // leaving question is the real message box, shot while it is open and then closed.
        ScriptTurn(5, false, {3, 0, 4, 1, 2}, {3, 1, 8, 4, 6}, 19, 45);
        FormMenu.Show();
        FormMenu.As<FormMenuWindow>()->Command3_Click();
        auto* five = FormAuto5.As<GameForm>();
        Script({{2, 5}, {4, 5}, {0, 5}, {3, 5}, {1, 5}});
        five->mnuSuggerimento_Click();
        five->mnuSuggerimento_Click();
        MLSLoadQtTranslations();  // the box's "Sì" and "No", as the program shows them
        SetMsgBoxHandler({});
        QTimer::singleShot(0, [&] {
            Shoot(out.filePath(QStringLiteral("dark-scheme") + size + QStringLiteral(".png")));
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        five->mnuEsci_Click();
        return 0;
    }

    FormAvvio.Show();
    Shoot(out.filePath(QStringLiteral("start") + size + QStringLiteral(".png")));
    FormAvvio.As<FormAvvioWindow>()->Command1_Click();
    Shoot(out.filePath(QStringLiteral("menu") + size + QStringLiteral(".png")));
    FormMenu.As<FormMenuWindow>()->mnuabout_Click();
    Shoot(out.filePath(QStringLiteral("info") + size + QStringLiteral(".png")));
    FormInfo.As<FormInfoWindow>()->Command1_Click();

    // Five cars counted from the right, a four-line clue.
    ScriptTurn(5, false, {3, 0, 4, 1, 2}, {3, 1, 8, 4, 6}, 19, 45);
    FormMenu.As<FormMenuWindow>()->Command3_Click();
    auto* five = FormAuto5.As<GameForm>();
    Shoot(out.filePath(QStringLiteral("five-cars") + size + QStringLiteral(".png")));
    // Solved, with the grid open and a few candidates crossed out.
    Solve(five);
    five->BottoneConferma_Click();
    Script({{2, 5}, {4, 5}, {0, 5}, {3, 5}, {1, 5}});
    five->Command1_Click();
    for (const auto& [column, row] : {std::pair{2, 0}, {2, 1}, {3, 0}, {4, 3}, {5, 4}, {6, 2}, {6, 3}})
        five->Image_Click(column, row);
    Shoot(out.filePath(QStringLiteral("solved-with-grid") + size + QStringLiteral(".png")));
    five->mnuEsci_Click();

    // Keyboard play: the focus frame on one car, another picked up.
    ScriptTurn(4, true, {2, 0, 3, 1}, {5, 2, 10, 7}, 9, 24);
    FormMenu.As<FormMenuWindow>()->Command2_Click();
    auto* four = FormAuto4.As<GameForm>();
    four->activateWindow();
    four->CarInSlot(0)->setFocus();
    four->Image1_Click(four->Model().CarInSlot(0));  // Space on the focused car picks it up
    four->CarInSlot(2)->setFocus();
    Shoot(out.filePath(QStringLiteral("keyboard") + size + QStringLiteral(".png")));
    // Two hints: the note pad opens, two pictures are crossed out, the bubble quotes the clue.
    Script({{1, 4}, {3, 4}, {0, 4}, {2, 4}});
    four->mnuSuggerimento_Click();
    four->mnuSuggerimento_Click();
    Shoot(out.filePath(QStringLiteral("hint") + size + QStringLiteral(".png")));
    four->mnuEsci_Click();

    // Switched to English from "Lingua", then a three-car game.
    auto* menu = FormMenu.As<FormMenuWindow>();
    for (int k = 0; k < menu->mnuLanguageCount(); ++k)
        if (menu->mnuLanguage(k)->text() == QLatin1String("English")) menu->mnuLanguage_Click(k);
    Shoot(out.filePath(QStringLiteral("english-menu") + size + QStringLiteral(".png")));
    ScriptTurn(3, true, {1, 2, 0}, {1, 2, 3}, 18, 21);
    menu->Command4_Click();
    Shoot(out.filePath(QStringLiteral("english-game") + size + QStringLiteral(".png")));
    FormAuto3.As<GameForm>()->mnuEsci_Click();

    // The statistics of a player who has played a while (not the turns above): four kinds, the
    // chart of the last.
    ChangePlayerStatistics(nullptr, [](stats::Statistics& s) {
        s = stats::Statistics();
        const qint64 three[] = {48000, 35000, 41000, 30000, 52000, 29000};
        for (int k = 0; k < 6; ++k) s.Solved(3, 0, three[k], k != 2);
        s.Hint(5, 3);
        s.Wrong(5, 3);
        s.Solved(5, 3, 412000, false);
        s.Solved(5, 3, 287000, true);
        s.Solved(4, 2, 151000, true);
        const qint64 four[] = {96000, 88000, 131000, 74000, 69000, 102000, 58000, 77000, 64000, 81000, 55000, 61000};
        for (int k = 0; k < 12; ++k) {
            if (k == 3 || k == 7) s.Wrong(4, 1);
            if (k % 4 == 1) s.Hint(4, 1);
            s.Solved(4, 1, four[k], k != 3 && k != 7);
        }
    });
    menu = FormMenu.As<FormMenuWindow>();
    menu->mnuStatistics()->trigger();
    Shoot(out.filePath(QStringLiteral("statistics") + size + QStringLiteral(".png")));
    FormStatistics.As<FormStatisticsWindow>()->Command1_Click();

    // A five-car game in each further language, picked from "Lingua".
    for (const char* language : {"Deutsch", "Français", "Español"}) {
        const QString name = QString::fromUtf8(language);
        menu = FormMenu.As<FormMenuWindow>();  // rebuilt after every game
        for (int k = 0; k < menu->mnuLanguageCount(); ++k)
            if (menu->mnuLanguage(k)->text() == name) menu->mnuLanguage_Click(k);
        ScriptTurn(5, true, {2, 4, 0, 3, 1}, {2, 7, 5, 9, 1}, 0, 45);
        menu->Command3_Click();
        const QString stem = name.toLower().replace(u'ç', u'c').replace(u'ñ', u'n');
        Shoot(out.filePath(stem + QStringLiteral("-game") + size + QStringLiteral(".png")));
        FormAuto5.As<GameForm>()->mnuEsci_Click();
    }
    return 0;
}
