#include "app/FormMenu.h"

#include "app/DocumentOpener.h"
#include "app/ExitQuestion.h"
#include "app/Sounds.h"
#include "core/Score.h"
#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/ProgramFolder.h"
#include "text/QtTranslations.h"
#include "ui/clsResize.h"
#include "ui/Design.h"
#include "ui/MLSTranslateForm.h"
#include "ui/MsgBox.h"
#include "ui/Properties.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QDir>
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
    check1_ = Place(new QCheckBox(QStringLiteral("Suoni attivati")), QStringLiteral("Check1"), -1, 2520, 3840, 3135, 375);
    check1_->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    command1_ = Place(NewButton(QStringLiteral("Esci"), QStringLiteral(":/esci.png")), QStringLiteral("Command1"), -1,
                      1920, 4560, 4215, 735);
    command1_->setIconSize(QSize(32, 32));

    mnuinfo_ = Add(menuBar()->addMenu(QStringLiteral("Informazioni")), QStringLiteral("Mnuinfo"));
    mnudoc_ = Add(mnuinfo_->addAction(QStringLiteral("documentazione")), QStringLiteral("mnudoc"));
    mnuabout_ = Add(mnuinfo_->addAction(QStringLiteral("about")), QStringLiteral("mnuabout"));
    mnuLanguages_ = Add(menuBar()->addMenu(QStringLiteral("Lingua")), QStringLiteral("mnuLanguages"));
    languageGroup_ = new QActionGroup(this);  // one language checked at a time
    NewLanguageItem(QStringLiteral("mnuLanguage 0"), 0);

    connect(command4_, &QPushButton::clicked, this, Action(&FormMenuWindow::Command4_Click));
    connect(command2_, &QPushButton::clicked, this, Action(&FormMenuWindow::Command2_Click));
    connect(command3_, &QPushButton::clicked, this, Action(&FormMenuWindow::Command3_Click));
    connect(command1_, &QPushButton::clicked, this, Action(&FormMenuWindow::Command1_Click));
    // The sounds follow the box whenever it changes, also while another action runs.
    connect(check1_, &QCheckBox::toggled, this, &FormMenuWindow::Check1_Click);
    connect(mnuabout_, &QAction::triggered, this, Action(&FormMenuWindow::mnuabout_Click));
    connect(mnudoc_, &QAction::triggered, this, Action(&FormMenuWindow::mnudoc_Click));
}

QAction* FormMenuWindow::mnuLanguage(int k) const
{
    return k >= 0 && k < mnuLanguageCount() ? mnuLanguage_[size_t(k)] : nullptr;
}

QAction* FormMenuWindow::NewLanguageItem(const QString& caption, int index)
{
    QAction* item = Add(mnuLanguages_->addAction(caption), QStringLiteral("mnuLanguage"), index);
    item->setCheckable(true);
    languageGroup_->addAction(item);
    // A pick that cannot be taken now (another action runs) leaves the check where it was.
    connect(item, &QAction::triggered, this, [this, index] {
        if (!RunAction([this, index] { mnuLanguage_Click(index); })) CheckCurrentLanguage();
    });
    mnuLanguage_.push_back(item);
    return item;
}

void FormMenuWindow::Form_Load()
{
    MLSFillMenuLanguages();
    MLSTranslateForm(this);
    BindResizer(this);
    NumEsatti = 0;
    NumErrati = 0;
    check1_->setChecked(SuoniAttivi);
    Check1_Click();
}

void FormMenuWindow::Form_Activate() { FillScreen(); }

void FormMenuWindow::Form_Resize() { ResizeForm(this); }

void FormMenuWindow::MLSFillMenuLanguages()
{
    // The platform's listing order; nothing sorts it.
    const QStringList files = QDir(ProgramFolder()).entryList({QStringLiteral("*.lng")},
                                                              QDir::Files | QDir::Hidden, QDir::Unsorted);
    if (files.isEmpty()) {
        MsgBox(this, QStringLiteral("Non è presente alcun file di linguaggio!"), MsgButtons::Ok, MsgIcon::None,
               QStringLiteral("Parcolo"));
        return;
    }
    for (int k = 0; k < files.size(); ++k) {
        const QString caption = files[k].left(files[k].size() - 4);
        if (k > 0) NewLanguageItem(caption, k);
        SetCaption(mnuLanguage(k), caption);
        mnuLanguage(k)->setData(caption);
    }
    if (const auto current = MLSReadIni(MLSSettingFile(), QStringLiteral("Language"),
                                        QStringLiteral("CurrentLanguage")))
        MLSCurrentLanguage = *current;
    CheckCurrentLanguage();
}

void FormMenuWindow::CheckCurrentLanguage()
{
    for (QAction* item : mnuLanguage_)
        if (item->data().toString() == MLSCurrentLanguage && !item->data().isNull()) {
            item->setChecked(true);
            return;
        }
    // None is the current one: no item stays checked.
    if (QAction* checked = languageGroup_->checkedAction()) checked->setChecked(false);
}

void FormMenuWindow::mnuLanguage_Click(int Index)
{
    mnuLanguage(Index)->setChecked(true);
    MLSCurrentLanguage = mnuLanguage(Index)->data().toString();
    MLSLoadQtTranslations();
    // The translation lets pending events run, which may close a window meanwhile.
    QList<QPointer<Form>> forms;
    for (Form* form : LoadedForms()) forms.append(form);
    for (const QPointer<Form>& form : forms)
        if (form) MLSTranslateForm(form);
    // Everything the player sees speaks the new language at once: the clue words, and what
    // every window wrote itself (colour names, counts, the clue in play).
    LoadParole();
    for (const QPointer<Form>& form : forms)
        if (form && !form->IsUnloaded()) {
            FormInUse use(form);
            form->Form_LanguageChanged();
        }
    // Where neither the program folder nor the user's folder takes the file, the choice holds
    // for this run only.
    MLSStoreLanguage(MLSCurrentLanguage);
}

void FormMenuWindow::mnuabout_Click() { emit Informazioni(); }

void FormMenuWindow::mnudoc_Click() { ApriDocumento(this, InProgramFolder(QStringLiteral("parcolo.pdf"))); }

void FormMenuWindow::Check1_Click() { SuoniAttivi = check1_->isChecked(); }

void FormMenuWindow::Command1_Click() { ChiediUscita(this); }

void FormMenuWindow::Command4_Click() { OpenGame(3); }
void FormMenuWindow::Command2_Click() { OpenGame(4); }
void FormMenuWindow::Command3_Click() { OpenGame(5); }

void FormMenuWindow::OpenGame(int cars)
{
    emit ApriGioco(cars);
    Unload();
}
