// parcolo-tour LANGUAGE OUT_DIR: every text a player meets in one language, in place, for a reader
// who checks the language (scripts/text-tour runs it under Xvfb and openbox at 1280x800).
//
// Writes OUT_DIR/NN-what.png for every window, every dropped-down menu, a tool tip of every kind,
// every message box, the hint's bubble, the records' bubble, a worksheet (OUT_DIR/worksheet.pdf)
// and the statistics window, and OUT_DIR/texts.txt: per window every caption, tool tip
// and what screen readers are told (names, descriptions), and what they hear during a scripted
// turn (a new turn, a car picked up, put back and swapped, hints, a wrong and a right answer).
// Turns are set up with scripted draws, so every language shows the same game.

#include "ScriptedDraws.h"
#include "ui/ProgramEnd.h"
#include "app/DocumentOpener.h"
#include "app/ExitQuestion.h"
#include "app/FormAvvio.h"
#include "app/FormInfo.h"
#include "app/FormMenu.h"
#include "app/FormStatistics.h"
#include "app/Instances.h"
#include "app/PlayCode.h"
#include "app/Worksheet.h"
#include "app/Sounds.h"
#include "core/Rnd.h"
#include "game/GameForm.h"
#include "game/PlayerStatistics.h"
#include "text/StatisticsFile.h"
#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"
#include "text/LanguageSwitch.h"
#include "text/ProgramFolder.h"
#include "text/TextLookup.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/Form.h"
#include "ui/LanguageMenu.h"
#include "ui/MsgBox.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPrinter>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <QToolTip>

#include <cstdio>
#include <deque>

namespace {

using scripted::Script;
using scripted::ScriptTurn;
void Settle(int ms = 300) { scripted::Settle(ms); }

QDir g_out;
int g_shot = 0;
QString g_texts;




void Shoot(const QString& what)
{
    Settle();
    const QString file = g_out.filePath(QStringLiteral("%1-%2.png").arg(++g_shot, 2, 10, QLatin1Char('0')).arg(what));
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("%s\n", qPrintable(file));
}

void Note(const QString& line) { g_texts += line + u'\n'; }

// A tool tip as the player sees it, over the middle of its control.
void ShootTip(QWidget* control, const QString& what)
{
    if (!control || control->toolTip().isEmpty()) return;
    QToolTip::showText(control->mapToGlobal(control->rect().center()), control->toolTip(), control);
    Shoot(what);
    QToolTip::hideText();
}

// A message box as it opens, asked by `ask`; shot, then closed as No or OK would.
void ShootMessage(const QString& what, const std::function<void()>& ask)
{
    SetMsgBoxHandler({});
    QTimer::singleShot(0, [what] {
        Shoot(what);
        if (QWidget* box = QApplication::activeModalWidget()) {
            const auto* message = qobject_cast<QMessageBox*>(box);
            Note(QStringLiteral("[message %1] %2 | %3").arg(what, box->windowTitle(), message ? message->text() : QString()));
            if (message)
                for (const QAbstractButton* b : message->buttons()) Note(QStringLiteral("  [button] ") + b->text());
            box->close();
        }
    });
    ask();
    SetMsgBoxHandler([](const MsgBoxRequest& r) {
        Note(QStringLiteral("[message] %1 | %2").arg(r.title, r.text));
        return MsgResult::No;
    });
}

// A menu of the window's menu bar, dropped down.
void ShootMenu(QMenu* menu, const QString& what)
{
    QMenuBar* bar = qobject_cast<QMenuBar*>(menu->parentWidget());
    if (!bar) return;
    bar->setActiveAction(menu->menuAction());
    Shoot(what);
    menu->hide();
    bar->setActiveAction(nullptr);
}

// Every control's texts and what screen readers are told of the window.
void NoteWindow(Form* form)
{
    Note(QStringLiteral("\n== %1 \"%2\"").arg(form->objectName(), form->windowTitle()));
    std::vector<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(form)};
    while (!todo.empty()) {
        QAccessibleInterface* i = todo.front();
        todo.erase(todo.begin());
        if (!i || !i->isValid()) continue;
        for (int c = 0; c < i->childCount(); ++c) todo.push_back(i->child(c));
        const QString name = i->text(QAccessible::Name), description = i->text(QAccessible::Description);
        const QObject* o = i->object();
        const auto* w = qobject_cast<const QWidget*>(o);
        if (i->state().invisible && !qobject_cast<const QAction*>(o)) continue;
        const QString tip = w ? w->toolTip() : QString();
        if (name.isEmpty() && description.isEmpty() && tip.isEmpty()) continue;
        QString line = QStringLiteral("%1 [%2] name: %3").arg(o ? o->objectName() : QString()).arg(int(i->role())).arg(name);
        if (!description.isEmpty()) line += QStringLiteral(" | description: ") + description;
        if (!tip.isEmpty()) line += QStringLiteral(" | tool tip: ") + tip;
        Note(line);
    }
}

void Heard(GameForm* g, const QString& after) { Note(QStringLiteral("[heard after %1] %2").arg(after, g->LastAnnouncement())); }

void Solve(GameForm* g)
{
    for (int i = 0; i < g->N(); ++i) {
        const int target = g->Model().DaSinistra ? i : g->N() - 1 - i;
        const int j = g->Model().CarInSlot(target);
        if (j != i) g->Image1_DragDrop(j, g->Image1(i));
    }
}

void TourGame(int n, FormMenuWindow* menu)
{
    const QString stem = QStringLiteral("game%1").arg(n);
    if (n == 3) ScriptTurn(3, true, {1, 2, 0}, {1, 2, 3}, 18, 21);
    if (n == 4) ScriptTurn(4, false, {2, 0, 3, 1}, {5, 2, 10, 7}, 15, 24);
    if (n == 5) ScriptTurn(5, false, {3, 0, 4, 1, 2}, {3, 1, 8, 4, 6}, 19, 45);
    (n == 3 ? menu->Command4() : n == 4 ? menu->Command2() : menu->Command3())->click();
    auto* g = (n == 3 ? FormAuto3 : n == 4 ? FormAuto4 : FormAuto5).As<GameForm>();
    Shoot(stem);
    NoteWindow(g);
    Heard(g, QStringLiteral("the window opened"));
    if (n == 3) {
        ShootTip(g->Image1(0), stem + QStringLiteral("-tip-car"));
        ShootTip(g->Command1(), stem + QStringLiteral("-tip-possibilita"));
        ShootTip(g->BottoneConferma(), stem + QStringLiteral("-tip-conferma"));
        ShootTip(g->BottoneAvanti(), stem + QStringLiteral("-tip-avanti"));
        ShootTip(g->StatusBar1(), stem + QStringLiteral("-tip-counts"));
        ShootMenu(g->mnuLanguages()->Menu(), stem + QStringLiteral("-language-menu"));
        g->Image1_Click(0);
        Heard(g, QStringLiteral("Space on a car"));
        g->Image1_Click(0);
        Heard(g, QStringLiteral("Space on the same car"));
        g->Image1_Click(0);
        g->Image1_Click(1);
        Heard(g, QStringLiteral("Space on another car"));
        g->Undo();
        Heard(g, QStringLiteral("Ctrl+Z after a swap"));
        g->Command1_Click();
        Heard(g, QStringLiteral("the note pad opened"));
        g->Image_Click(3, 1);
        Heard(g, QStringLiteral("a click on a note-pad picture"));
        g->Undo();
        Heard(g, QStringLiteral("Ctrl+Z after a crossing-out"));
        g->Undo();
        Heard(g, QStringLiteral("Ctrl+Z after the note pad opened"));
        g->BottoneConferma_Click();
        Heard(g, QStringLiteral("a wrong answer"));
        Shoot(stem + QStringLiteral("-wrong"));
    }
    Script({{2, n}, {0, n}, {1, n}, {3, n}, {4, n}});
    g->Command1_Click();
    ShootTip(g->Grid(2, 0), stem + QStringLiteral("-tip-notepad"));
    g->mnuSuggerimento_Click();
    g->mnuSuggerimento_Click();
    Heard(g, QStringLiteral("a hint"));
    Shoot(stem + QStringLiteral("-hint"));
    Note(QStringLiteral("[bubble] ") + g->HintText());
    if (n == 3) {
        for (int k = 0; k < 12 && g->HintText() != MLSGetString(QStringLiteral("0215")); ++k) g->mnuSuggerimento_Click();
        Heard(g, QStringLiteral("the last hint"));
        Shoot(stem + QStringLiteral("-nothing-left"));
        Solve(g);
        g->BottoneConferma_Click();
        Heard(g, QStringLiteral("a right answer"));
        Shoot(stem + QStringLiteral("-solved"));
        NoteWindow(g);
        ShootMessage(stem + QStringLiteral("-code"), [g] { g->mnuCode()->trigger(); });
    }
    if (n == 4) {
        // An hour and a run of one before: this turn beats the time and the run.
        ChangePlayerStatistics(nullptr, [](stats::Statistics& s) { s.Solved(4, 0, 3600000, true); });
        Solve(g);
        g->BottoneConferma_Click();
        Heard(g, QStringLiteral("a right answer that beat the best time and run"));
        Shoot(stem + QStringLiteral("-records"));
        Note(QStringLiteral("[bubble] ") + g->HintText());
    }
    ShootMessage(stem + QStringLiteral("-leaving-question"), [g] { g->mnuEsci()->trigger(); });
    SetMsgBoxHandler([](const MsgBoxRequest&) { return MsgResult::Yes; });
    g->mnuEsci_Click();
    SetMsgBoxHandler([](const MsgBoxRequest&) { return MsgResult::No; });
    Settle(100);
}

// The main menu's "Partita": a code asked for and refused, a worksheet's questions and the
// worksheet itself, the statistics window, and the messages of each.
void TourSharing(FormMenuWindow* menu)
{
    ShootMenu(menu->mnuGame(), QStringLiteral("menu-game"));
    SetMsgBoxHandler({});
    QTimer::singleShot(0, [] {
        auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!ask) return;
        Shoot(QStringLiteral("play-code"));
        Note(QStringLiteral("[play a code] %1 | %2").arg(ask->windowTitle(), ask->labelText()));
        ask->setTextValue(QStringLiteral("ABCD-EFGH"));
        QTimer::singleShot(0, [] {
            Shoot(QStringLiteral("play-code-refused"));
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Note(QStringLiteral("[message play-code-refused] %1 | %2").arg(box->windowTitle(), box->text()));
                box->close();
            }
        });
        ask->accept();
    });
    menu->mnuPlayCode()->trigger();
    for (const auto problem : {clues::CodeProblem::NewerVersion, clues::CodeProblem::Impossible})
        ShootMessage(QStringLiteral("code-refused-%1").arg(int(problem)), [problem] {
            MsgBox(nullptr, CodeRefusal(problem), MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo"));
        });

    QTimer::singleShot(0, [] {
        QWidget* ask = QApplication::activeModalWidget();
        if (!ask) return;
        Shoot(QStringLiteral("worksheet-questions"));
        for (const QLabel* label : ask->findChildren<QLabel*>()) Note(QStringLiteral("[worksheet questions] ") + label->text());
        for (const QComboBox* box : ask->findChildren<QComboBox*>())
            for (int k = 0; k < box->count(); ++k) Note(QStringLiteral("  [choice] ") + box->itemText(k));
        ask->close();
    });
    menu->mnuPrint()->trigger();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(g_out.filePath(QStringLiteral("worksheet.pdf")));
    Script({{0, 2}});
    PrintWorksheet(printer, DrawWorksheet(4, clues::Level::Medio, 4), clues::Level::Medio);
    ShootMessage(QStringLiteral("worksheet-not-written"), [] {
        MsgBox(nullptr, MLSGetString(QStringLiteral("0266")).replace(QLatin1String("%1"), QStringLiteral("/media/usb/esercizi.pdf")),
               MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo"));
    });
    ShootMessage(QStringLiteral("worksheet-not-printed"), [] {
        MsgBox(nullptr, MLSGetString(QStringLiteral("0289")), MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo"));
    });
    Note(QStringLiteral("[command line, wrong arguments] ") + MLSGetString(QStringLiteral("0267")));

    ChangePlayerStatistics(nullptr, [](stats::Statistics& s) {
        s.Wrong(3, 0);
        s.Hint(5, 3);
        for (const qint64 t : {95000, 61000, 72000, 58000, 130000, 66000}) s.Solved(4, 1, t, t != 130000);
    });
    menu->mnuStatistics()->trigger();
    auto* statistics = FormStatistics.As<FormStatisticsWindow>();
    Shoot(QStringLiteral("statistics"));
    NoteWindow(statistics);
    ShootMessage(QStringLiteral("statistics-reset-question"), [statistics] { statistics->Command2()->click(); });
    SetMsgBoxHandler([](const MsgBoxRequest&) { return MsgResult::Yes; });
    statistics->Command2()->click();
    SetMsgBoxHandler([](const MsgBoxRequest&) { return MsgResult::No; });
    Shoot(QStringLiteral("statistics-empty"));
    NoteWindow(statistics);
    statistics->Command1()->click();
    const QString file = QDir::toNativeSeparators(StatisticsFile());
    ShootMessage(QStringLiteral("statistics-set-aside"), [file] {
        MsgBox(nullptr, MLSGetString(QStringLiteral("0268")).replace(QLatin1String("%1"), file + QStringLiteral(".unreadable-20261208-093000")),
               MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo"));
    });
    ShootMessage(QStringLiteral("statistics-not-kept"), [file] {
        MsgBox(nullptr, MLSGetString(QStringLiteral("0269")).replace(QLatin1String("%1"), QFileInfo(file).path()), MsgButtons::Ok,
               MsgIcon::None, QStringLiteral("Parcolo"));
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parcolo"));
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyProgramLook(app);
    if (argc != 3) {
        std::fputs("usage: parcolo-tour LANGUAGE OUT_DIR\n", stderr);
        return 2;
    }
    const QString language = QString::fromLocal8Bit(argv[1]);
    g_out = QDir(QString::fromLocal8Bit(argv[2]));
    g_out.mkpath(QStringLiteral("."));
    SetProgramEndHandler([](bool) {});
    SetSoundPlayer([](const QString&) {});
    scripted::UseScriptedDraws();
    SetMsgBoxHandler([](const MsgBoxRequest&) { return MsgResult::No; });
    SwitchLanguage(language);

    FormAvvio.Show();
    Shoot(QStringLiteral("start"));
    NoteWindow(FormAvvio.Instance());
    ShootTip(FormAvvio.As<FormAvvioWindow>()->Command1(), QStringLiteral("start-tip-avvio"));
    ShootMessage(QStringLiteral("already-running"), [] {
        MsgBox(nullptr, MLSGetString(QStringLiteral("0001")), MsgButtons::Ok, MsgIcon::Critical,
               MLSGetStringOr(QStringLiteral("0236"), QStringLiteral("Error")));
    });
    FormAvvio.As<FormAvvioWindow>()->Command1()->click();
    auto* menu = FormMenu.As<FormMenuWindow>();
    Shoot(QStringLiteral("menu"));
    NoteWindow(menu);
    for (QWidget* control : {static_cast<QWidget*>(menu->Command4()), static_cast<QWidget*>(menu->Command2()),
                             static_cast<QWidget*>(menu->Command3()), static_cast<QWidget*>(menu->Check1()),
                             static_cast<QWidget*>(menu->Command1())})
        ShootTip(control, QStringLiteral("menu-tip-") + control->objectName());
    ShootMenu(menu->Mnuinfo(), QStringLiteral("menu-information"));
    ShootMenu(menu->mnuLanguages(), QStringLiteral("menu-languages"));
    ShootMessage(QStringLiteral("exit-question"), [menu] { menu->Command1()->click(); });
    const QString manual = InProgramFolder(QStringLiteral("parcolo.pdf"));
    const QString hidden = manual + QStringLiteral(".away");
    QFile::rename(manual, hidden);
    ShootMessage(QStringLiteral("manual-missing"), [menu] { menu->mnudoc()->trigger(); });
    QFile::rename(hidden, manual);
    if (!QFile::exists(manual)) QFile(manual).open(QIODevice::WriteOnly);
    SetDocumentOpener([](const QString&, const std::function<void()>& failed) { failed(); });
    ShootMessage(QStringLiteral("manual-no-viewer"), [menu] { menu->mnudoc()->trigger(); });
    menu->ControlAs<QAction>(QStringLiteral("mnuabout"))->trigger();
    Shoot(QStringLiteral("information-box"));
    NoteWindow(FormInfo.Instance());
    FormInfo.As<FormInfoWindow>()->Command1()->click();
    Settle(100);

    for (const int n : {3, 4, 5}) TourGame(n, FormMenu.As<FormMenuWindow>());
    TourSharing(FormMenu.As<FormMenuWindow>());

    // A car picture missing: the stand-in and the message that says so.
    const QString picture = InProgramFolder(QStringLiteral("immagini/1s.gif"));
    QFile::rename(picture, picture + QStringLiteral(".away"));
    SetMsgBoxHandler({});
    QTimer::singleShot(400, [] {
        Shoot(QStringLiteral("missing-picture"));
        if (QWidget* box = QApplication::activeModalWidget()) {
            if (const auto* message = qobject_cast<QMessageBox*>(box))
                Note(QStringLiteral("[message missing-picture] %1 | %2").arg(box->windowTitle(), message->text()));
            box->close();
        }
    });
    ScriptTurn(3, true, {0, 0, 0}, {1, 2, 3}, 0, 21);
    FormMenu.As<FormMenuWindow>()->Command4()->click();
    Settle(800);
    QFile::rename(picture + QStringLiteral(".away"), picture);

    QFile texts(g_out.filePath(QStringLiteral("texts.txt")));
    if (texts.open(QIODevice::WriteOnly | QIODevice::Truncate)) texts.write(g_texts.toUtf8());
    texts.close();
    std::printf("%s\n", qPrintable(texts.fileName()));
    std::fflush(nullptr);
    std::_Exit(0);
}
