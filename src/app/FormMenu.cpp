#include "app/FormMenu.h"

#include "app/DocumentOpener.h"
#include "app/ExitQuestion.h"
#include "app/PlayCode.h"
#include "app/Sounds.h"
#include "core/Score.h"
#include "text/ProgramFolder.h"
#include "text/TextLookup.h"
#include "text/TurnKindSetting.h"
#include "ui/clsResize.h"
#include "ui/Design.h"
#include "ui/LanguageMenu.h"
#include "ui/MLSTranslateForm.h"
#include "ui/MsgBox.h"
#include "ui/Properties.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QRadioButton>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

QPushButton* NewButton(const QString& caption, const QString& picture)
{
    auto* b = DesignButton(caption, DesignFont(QStringLiteral("Arial"), 18, true));
    b->setIcon(BuiltInIcon(picture));
    b->setIconSize(QSize(96, 32));
    b->setCursor(HandPointer());
    return b;
}

}  // namespace

FormMenuWindow::FormMenuWindow() : Form(QStringLiteral("FormMenu"), 7515, 5535)
{
    setWindowTitle(QStringLiteral("Parcolo - menu"));

    command4_ = Place(NewButton(QStringLiteral("Tre automobili"), QStringLiteral(":/auto3.png")),
                      QStringLiteral("Command4"), -1, 1800, 480, 4215, 735);
    command2_ = Place(NewButton(QStringLiteral("Quattro automobili"), QStringLiteral(":/auto4.png")),
                      QStringLiteral("Command2"), -1, 1800, 1440, 4215, 735);
    command3_ = Place(NewButton(QStringLiteral("Cinque automobili"), QStringLiteral(":/auto5.png")),
                      QStringLiteral("Command3"), -1, 1800, 2400, 4215, 735);
    // The kind of turn, beside the number of cars: the classic clues or a level of generated ones.
    lblKind_ = Place(new QLabel(QStringLiteral("Indizi:")), QStringLiteral("lblKind"), -1, 240, 3255, 1500, 375);
    lblKind_->setFont(DesignFont(QStringLiteral("Arial"), 11, true));
    lblKind_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    kinds_ = new QButtonGroup(this);
    const char* const kinds[] = {"Classico", "Facile", "Medio", "Difficile"};
    for (int k = 0; k < 4; ++k) {
        auto* kind = Place(new QRadioButton(QString::fromLatin1(kinds[k])), QStringLiteral("optKind"), k,
                           1800 + k * 1054, 3255, 1054, 375);
        kind->setFont(DesignFont(QStringLiteral("Arial"), 11, true));
        kinds_->addButton(kind, k);
    }
    check1_ = Place(new QCheckBox(QStringLiteral("Suoni attivati")), QStringLiteral("Check1"), -1, 2520, 3840, 3135, 375);
    check1_->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    command1_ = Place(NewButton(QStringLiteral("Esci"), QStringLiteral(":/esci.png")), QStringLiteral("Command1"), -1,
                      1920, 4560, 4215, 735);
    command1_->setIconSize(QSize(32, 32));

    mnuGame_ = Add(menuBar()->addMenu(QStringLiteral("Partita")), QStringLiteral("mnuGame"));
    mnuPlayCode_ = Add(mnuGame_->addAction(QString::fromUtf8("Gioca un codice…")), QStringLiteral("mnuPlayCode"));
    mnuPrint_ = Add(mnuGame_->addAction(QString::fromUtf8("Stampa esercizi…")), QStringLiteral("mnuPrint"));
    mnuStatistics_ = Add(mnuGame_->addAction(QStringLiteral("Statistiche")), QStringLiteral("mnuStatistics"));
    mnuinfo_ = Add(menuBar()->addMenu(QStringLiteral("Informazioni")), QStringLiteral("Mnuinfo"));
    mnudoc_ = Add(mnuinfo_->addAction(QStringLiteral("documentazione")), QStringLiteral("mnudoc"));
    mnuabout_ = Add(mnuinfo_->addAction(QStringLiteral("about")), QStringLiteral("mnuabout"));
    mnuLanguages_ = Add(menuBar()->addMenu(QStringLiteral("Lingua")), QStringLiteral("mnuLanguages"));
    languages_ = new LanguageMenu(this, mnuLanguages_);

    connect(command4_, &QPushButton::clicked, this, Action(&FormMenuWindow::Command4_Click));
    connect(command2_, &QPushButton::clicked, this, Action(&FormMenuWindow::Command2_Click));
    connect(command3_, &QPushButton::clicked, this, Action(&FormMenuWindow::Command3_Click));
    connect(command1_, &QPushButton::clicked, this, Action(&FormMenuWindow::Command1_Click));
    // The sounds, and the kind of turn, follow their controls whenever they change, also while
    // another action runs.
    connect(check1_, &QCheckBox::toggled, this, &FormMenuWindow::Check1_Click);
    connect(kinds_, &QButtonGroup::idToggled, this, [this](int k, bool on) {
        if (on) optKind_Click(k);
    });
    connect(mnuabout_, &QAction::triggered, this, Action(&FormMenuWindow::mnuabout_Click));
    connect(mnudoc_, &QAction::triggered, this, Action(&FormMenuWindow::mnudoc_Click));
    connect(mnuPlayCode_, &QAction::triggered, this, Action(&FormMenuWindow::mnuPlayCode_Click));
    connect(mnuPrint_, &QAction::triggered, this, Action(&FormMenuWindow::mnuPrint_Click));
    connect(mnuStatistics_, &QAction::triggered, this, Action(&FormMenuWindow::mnuStatistics_Click));
}

QAction* FormMenuWindow::mnuLanguage(int k) const { return languages_->Item(k); }

int FormMenuWindow::mnuLanguageCount() const { return languages_->Count(); }

void FormMenuWindow::Form_Load()
{
    MLSFillMenuLanguages();
    MLSTranslateForm(this);
    BindResizer(this);
    NumEsatti = 0;
    NumErrati = 0;
    check1_->setChecked(SuoniAttivi);
    Check1_Click();
    optKind(int(ChosenTurnKind()))->setChecked(true);
}

QRadioButton* FormMenuWindow::optKind(int k) const { return qobject_cast<QRadioButton*>(kinds_->button(k)); }

void FormMenuWindow::optKind_Click(int Index)
{
    if (ChosenTurnKind() != TurnKind(Index)) StoreTurnKind(TurnKind(Index));
}

void FormMenuWindow::Form_Activate() { FillScreen(); }

void FormMenuWindow::Form_Resize() { ResizeForm(this); }

void FormMenuWindow::MLSFillMenuLanguages()
{
    if (!languages_->Fill())
        MsgBox(this, QStringLiteral("Non è presente alcun file di linguaggio!"), MsgButtons::Ok, MsgIcon::None,
               QStringLiteral("Parcolo"));
}

void FormMenuWindow::mnuLanguage_Click(int Index) { languages_->Pick(Index); }

void FormMenuWindow::mnuabout_Click() { emit InformationChosen(); }

void FormMenuWindow::mnudoc_Click() { ApriDocumento(this, InProgramFolder(QStringLiteral("parcolo.pdf"))); }

void FormMenuWindow::Check1_Click() { SuoniAttivi = check1_->isChecked(); }

void FormMenuWindow::Command1_Click() { ChiediUscita(this); }

void FormMenuWindow::Command4_Click() { OpenGame(3); }
void FormMenuWindow::Command2_Click() { OpenGame(4); }
void FormMenuWindow::Command3_Click() { OpenGame(5); }

void FormMenuWindow::mnuPlayCode_Click()
{
    bool ok = false;
    const QString code = QInputDialog::getText(this, QStringLiteral("Parcolo"),
                                               MLSGetStringOr(QStringLiteral("0258"), QString::fromUtf8("Scrivi o incolla il codice di un turno:")),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok || code.trimmed().isEmpty()) return;
    const auto turn = clues::DecodeTurn(code);
    if (const auto* problem = std::get_if<clues::CodeProblem>(&turn))
        return void(MsgBox(this, CodeRefusal(*problem), MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo")));
    emit TurnChosen(std::get<clues::Turn>(turn));
    Unload();
}

void FormMenuWindow::mnuPrint_Click() { emit PrintChosen(); }

void FormMenuWindow::mnuStatistics_Click() { emit StatisticsChosen(); }

void FormMenuWindow::OpenGame(int cars)
{
    emit GameChosen(cars);
    Unload();
}
