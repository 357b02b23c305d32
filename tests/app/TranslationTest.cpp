// Windows take their texts from the current language file; the language menu switches live.

#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "app/Instances.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "text/ClueText.h"
#include "text/GameTexts.h"
#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/QtTranslations.h"
#include "text/TextLookup.h"
#include "ui/Controls.h"
#include "ui/LanguageMenu.h"
#include "ui/MLSTranslateForm.h"
#include "ui/Properties.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Every caption, tool tip and tag of a window, for comparing translations.
QStringList TextsOf(const Form* form)
{
    QStringList out{form->windowTitle(), Tag(form)};
    for (const QObject* c : form->Controls())
        for (const auto p : {TextProperty::Caption, TextProperty::ToolTipText, TextProperty::Tag})
            out << GetText(c, p).value_or(QStringLiteral("<none>"));
    return out;
}

// A window with a tabbed control, which none of the program's windows has.
class TabbedForm : public Form {
public:
    TabbedForm() : Form(QStringLiteral("FormTabs"), 3000, 3000)
    {
        setWindowTitle(QStringLiteral("Schede"));
        auto* tabs = Place(new QTabWidget, QStringLiteral("Tabs"), -1, 0, 0, 3000, 3000);
        tabs->addTab(new QWidget, QStringLiteral("uno"));
        tabs->addTab(new QWidget, QStringLiteral("due"));
    }
};

class TranslationTest : public AppTest {
protected:
    void WriteItaliano(const QByteArray& sections)
    {
        folder_->Write(QStringLiteral("Italiano.lng"), LanguageFile({{"0002", QStringLiteral("Esatti")}}, sections));
    }
    FormMenuWindow* Menu()
    {
        FormMenu.Show();
        return FormMenu.As<FormMenuWindow>();
    }
};

}  // namespace

TEST_F(TranslationTest, WindowSectionGivesCaptionsToolTipsAndTags)
{
    WriteItaliano("[FormMenu]\r\nFormMenu.Caption=\"Menu principale\"\r\nCommand4.Caption=\"Tre\"\r\n"
                  "Command4.ToolTipText=\"Gioca con tre\"\r\nCheck1.Tag=\"@LT\"\r\nMnuinfo.Caption=\"Info\"\r\n"
                  "mnudoc.Caption=\"Manuale\"\r\nmnudoc.ToolTipText=\"non per i menu\"\r\n");
    FormMenuWindow* m = Menu();
    EXPECT_EQ(m->windowTitle(), "Menu principale");
    EXPECT_EQ(m->Command4()->text(), "Tre");
    EXPECT_EQ(m->Command4()->toolTip(), "Gioca con tre");
    EXPECT_EQ(Tag(m->Check1()), "@LT");
    EXPECT_EQ(m->Mnuinfo()->title(), "Info");
    EXPECT_EQ(m->mnudoc()->text(), "Manuale");
    EXPECT_EQ(m->Command2()->text(), "Quattro automobili");  // not in the file: the built-in caption
    // Twice gives what once gives.
    const QStringList once = TextsOf(m);
    MLSTranslateForm(m);
    EXPECT_EQ(TextsOf(m), once);
}

TEST_F(TranslationTest, ArrayElementsAreLookedUpWithTheirIndexOnly)
{
    WriteItaliano("[FormAuto3]\r\nImage1.ToolTipText=\"mai per un elemento\"\r\nImage1(2).ToolTipText=\"terza\"\r\n"
                  "Image3(1).ToolTipText=\"griglia\"\r\nCommand1(0).Caption=\"mai per un controllo solo\"\r\n"
                  "Command1.Caption=\"Note\"\r\n");
    Menu()->Command4_Click();
    auto* g = FormAuto3.As<GameForm>();
    EXPECT_EQ(g->Image1(2)->toolTip(), "terza");
    EXPECT_EQ(g->Image1(0)->toolTip(), "");
    EXPECT_EQ(g->Grid(3, 1)->toolTip(), "griglia");
    EXPECT_EQ(g->Grid(3, 0)->toolTip(), "");
    EXPECT_EQ(g->Command1()->text(), "Note");
}

TEST_F(TranslationTest, EveryShippedLanguageNamesTheColourInEveryPicturesTip)
{
    const QStringList languages{"Italiano", "English", "Deutsch", "Français", "Español"};
    for (const QString& language : languages.mid(1)) folder_->CopyShipped(language + ".lng");
    GameForm* g = OpenGame(5);
    g->Command1_Click();
    const auto expectTipsWithColours = [g](const QString& language) {
        const auto colour = [g](int car) { return g->NomeColore[size_t(g->Model().ColoreAuto[size_t(car)])]; };
        const auto own = [g](const QWidget* picture) {
            return MLSReadIniEntry(MLSLanguageFile(), "FormAuto5",
                                   picture->objectName() + QStringLiteral("(%1).ToolTipText").arg(*GetIndex(picture)))
                .value_or(QString());
        };
        const auto expectTip = [&](const QWidget* picture, int car) {
            ASSERT_FALSE(colour(car).isEmpty());
            // Every shipped file says it its own way: the colour's name where its text puts it.
            ASSERT_TRUE(own(picture).contains("%1")) << "the shipped file gives every picture its own tip";
            EXPECT_EQ(picture->toolTip().toStdString(), QString(own(picture)).replace("%1", colour(car)).toStdString());
        };
        for (int i = 0; i < 5; ++i) expectTip(g->Image1(i), i);
        for (int column = 2; column <= 6; ++column)
            for (int j = 0; j < 5; ++j) expectTip(g->Grid(column, j), g->Model().CarInRow(j));
    };
    expectTipsWithColours("Italiano");
    for (const QString& language : languages.mid(1)) {
        FormMenuWindow* m = Menu();
        for (int k = 0; k < m->mnuLanguageCount(); ++k)
            if (m->mnuLanguage(k)->data() == language) m->mnuLanguage(k)->trigger();
        ASSERT_EQ(MLSCurrentLanguage, language);
        expectTipsWithColours(language);
    }
    // A swap, a new turn and a new note pad keep the colours right.
    g->Image1_DragDrop(0, g->Image1(4));
    expectTipsWithColours("Español");
    g->NuovoTurno();
    g->Command1_Click();
    expectTipsWithColours("Español");
}

TEST_F(TranslationTest, EmptyOrMissingKeysKeepControlCaptions)
{
    WriteItaliano("[FormMenu]\r\nCommand4.Caption=\"\"\r\nCommand1.Caption=\r\nCheck1.ToolTipText=\"\"\r\n");
    FormMenuWindow* m = Menu();
    EXPECT_EQ(m->Command4()->text(), "Tre automobili");
    EXPECT_EQ(m->Command1()->text(), "Esci");
    EXPECT_EQ(m->Check1()->text(), "Suoni attivati");
}

TEST_F(TranslationTest, TheTitleStaysWhenItsKeyIsMissingAndComesBackWithALanguageThatHasIt)
{
    // A section without the title key keeps the title (it is not blanked).
    WriteItaliano("[FormMenu]\r\nCommand4.Caption=\"Tre\"\r\n");
    FormMenuWindow* m = Menu();
    EXPECT_EQ(m->windowTitle(), "Parcolo - menu");
    EXPECT_EQ(Tag(m), "");
    // A key present with an empty value blanks it on purpose...
    folder_->Write(QStringLiteral("Vuoto.lng"), "[FormMenu]\r\nFormMenu.Caption=\"\"\r\nFormMenu.Tag=\"segno\"\r\n");
    MLSCurrentLanguage = QStringLiteral("Vuoto");
    MLSTranslateForm(m);
    EXPECT_EQ(m->windowTitle(), "");
    EXPECT_EQ(Tag(m), "segno");
    // ...and a later language that has the key gives it back.
    folder_->Write(QStringLiteral("English.lng"), "[FormMenu]\r\nFormMenu.Caption=\"Parcolo - main menu\"\r\n");
    MLSCurrentLanguage = QStringLiteral("English");
    MLSTranslateForm(m);
    EXPECT_EQ(m->windowTitle(), "Parcolo - main menu");
    EXPECT_EQ(Tag(m), "");
}

TEST_F(TranslationTest, AWindowDesignedWithoutTitleGetsNone)
{
    DefaultForm untitled([] {
        auto* f = new TabbedForm;
        f->setWindowTitle(QString());
        return f;
    });
    folder_->Write(QStringLiteral("Italiano.lng"), "[FormTabs]\r\nFormTabs.Caption=\"Titolo\"\r\n");
    MLSCurrentLanguage = QStringLiteral("Italiano");
    Form* f = untitled.Load();
    MLSTranslateForm(f);
    EXPECT_EQ(f->windowTitle(), "");
    untitled.Unload();
}

TEST_F(TranslationTest, TabCaptionsAreSetEvenWhenEmptyAndARejectedTabIsSkipped)
{
    DefaultForm tabbed([] { return new TabbedForm; });
    folder_->Write(QStringLiteral("Italiano.lng"),
                   "[FormTabs]\r\nTabs.TabCaption(0)=\"prima\"\r\nTabs.TabCaption(2)=\"oltre\"\r\n");
    MLSCurrentLanguage = QStringLiteral("Italiano");
    Form* f = tabbed.Load();
    MLSTranslateForm(f);
    auto* tabs = f->ControlAs<QTabWidget>(QStringLiteral("Tabs"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), "prima");
    EXPECT_EQ(tabs->tabText(1), "");
    EXPECT_EQ(tabs->count(), 2);
    tabbed.Unload();
}

TEST_F(TranslationTest, BrokenFilesLeaveEveryWindowUsable)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\x00\x01\xFF\xFE[FormMenu\x00]=\x02", 16),
                                    QByteArray("[FormMenu]\r\nniente=\"qui\"\r\n")}) {
        folder_->Write(QStringLiteral("Italiano.lng"), bytes);
        FormMenuWindow* m = Menu();
        EXPECT_EQ(m->Command4()->text(), "Tre automobili");
        EXPECT_EQ(m->windowTitle(), "Parcolo - menu");
        m->Command3_Click();
        auto* g = FormAuto5.As<GameForm>();
        EXPECT_EQ(g->BottoneConferma()->text(), "Conferma");
        FormAuto5.Unload();
        ProcessDeletes();
    }
}

TEST_F(TranslationTest, TheMenuListsTheLanguageFilesAndChecksTheCurrentOne)
{
    folder_->CopyShipped(QStringLiteral("English.lng"));
    FormMenuWindow* m = Menu();
    const QStringList files = QDir(folder_->Path()).entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Unsorted);
    ASSERT_EQ(m->mnuLanguageCount(), 2);
    for (int k = 0; k < 2; ++k) EXPECT_EQ(m->mnuLanguage(k)->text(), files[k].chopped(4));
    for (int k = 0; k < 2; ++k) EXPECT_EQ(m->mnuLanguage(k)->isChecked(), m->mnuLanguage(k)->text() == "Italiano");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(TranslationTest, ASettingDifferingInCaseChecksNothingButStillReadsTheFile)
{
    folder_->SetLanguage(QStringLiteral("italiano"));
    FormMenuWindow* m = Menu();
    EXPECT_FALSE(m->mnuLanguage(0)->isChecked());
    EXPECT_EQ(MLSCurrentLanguage, "italiano");
    EXPECT_EQ(MLSGetString(QStringLiteral("0002")),
              MLSReadIniEntry(folder_->File(QStringLiteral("Italiano.lng")), "Strings", "0002").value_or("-"));
}

TEST_F(TranslationTest, ASettingNamingAMissingLanguageChecksNothing)
{
    folder_->SetLanguage(QStringLiteral("Klingon"));
    FormMenuWindow* m = Menu();
    EXPECT_FALSE(m->mnuLanguage(0)->isChecked());
    EXPECT_EQ(MLSGetString(QStringLiteral("0002")), "");
    QFile::remove(folder_->File(QStringLiteral("LangSetting.ini")));
    FormMenu.Unload();
    ProcessDeletes();
    EXPECT_FALSE(Menu()->mnuLanguage(0)->isChecked());
}

TEST_F(TranslationTest, WithoutLanguageFilesTheMenuSaysSoAndKeepsItsItem)
{
    QFile::remove(folder_->File(QStringLiteral("Italiano.lng")));
    FormMenuWindow* m = Menu();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, QString::fromUtf8("Non è presente alcun file di linguaggio!"));
    EXPECT_EQ(boxes_[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes_[0].icon, MsgIcon::None);
    EXPECT_EQ(boxes_[0].title, "Parcolo");
    EXPECT_EQ(m->mnuLanguageCount(), 1);
    EXPECT_EQ(m->mnuLanguage(0)->text(), "mnuLanguage 0");
    EXPECT_EQ(m->Command4()->text(), "Tre automobili");
}

TEST_F(TranslationTest, PickingALanguageRetranslatesEveryWindowAndStoresIt)
{
    folder_->Write(QStringLiteral("English.lng"),
                   "[Strings]\r\n0002=Right\r\n0030=\"Quit?\"\r\n[FormMenu]\r\nCommand4.Caption=\"Three cars\"\r\n"
                   "[FormAvvio]\r\nCommand1.Caption=\"Start\"\r\n");
    FormMenuWindow* m = Menu();
    FormAvvio.Show();  // two windows loaded
    int english = m->mnuLanguage(0)->text() == "English" ? 0 : 1;
    m->mnuLanguage(english)->trigger();
    EXPECT_TRUE(m->mnuLanguage(english)->isChecked());
    EXPECT_FALSE(m->mnuLanguage(1 - english)->isChecked());
    EXPECT_EQ(m->Command4()->text(), "Three cars");
    EXPECT_EQ(FormAvvio.As<FormAvvioWindow>()->Command1()->text(), "Start");
    EXPECT_EQ(MLSGetString(QStringLiteral("0030")), "Quit?");
    EXPECT_EQ(MLSReadIni(folder_->File(QStringLiteral("LangSetting.ini")), QStringLiteral("Language"),
                         QStringLiteral("CurrentLanguage")),
              QString("English"));
    // The clue words follow; picking the checked language again changes nothing visible.
    EXPECT_EQ(Parole[0], "Right ");
    const QStringList texts = TextsOf(m);
    m->mnuLanguage(english)->trigger();
    EXPECT_EQ(TextsOf(m), texts);
    EXPECT_TRUE(m->mnuLanguage(english)->isChecked());

    // After a game the menu is rebuilt and checks the new language.
    FormAvvio.Unload();
    m->Command4_Click();
    answer_ = MsgResult::Yes;
    FormAuto3.As<GameForm>()->mnuEsci_Click();
    ProcessDeletes();
    FormMenuWindow* again = FormMenu.As<FormMenuWindow>();
    english = again->mnuLanguage(0)->text() == "English" ? 0 : 1;
    EXPECT_TRUE(again->mnuLanguage(english)->isChecked());
    EXPECT_FALSE(again->mnuLanguage(1 - english)->isChecked());
    EXPECT_EQ(again->Command4()->text(), "Three cars");
}

TEST_F(TranslationTest, AReadOnlyFolderKeepsThePickInTheUsersCopyAcrossARestart)
{
    folder_->Write(QStringLiteral("English.lng"), "[FormMenu]\r\nCommand4.Caption=\"Three cars\"\r\n");
    const QByteArray setting = folder_->Read(QStringLiteral("LangSetting.ini"));
    FormMenuWindow* m = Menu();
    if (!folder_->MakeReadOnly(true)) GTEST_SKIP() << "cannot make a folder read-only here";
    const int english = m->mnuLanguage(0)->text() == "English" ? 0 : 1;
    m->mnuLanguage(english)->trigger();
    EXPECT_EQ(MLSCurrentLanguage, "English");
    EXPECT_EQ(m->Command4()->text(), "Three cars");
    EXPECT_EQ(folder_->Read(QStringLiteral("LangSetting.ini")), setting);
    EXPECT_TRUE(boxes_.empty());

    // A restart reads the user's copy and opens in English.
    FormMenu.Unload();
    ProcessDeletes();
    MLSCurrentLanguage.clear();
    m = Menu();
    EXPECT_EQ(MLSCurrentLanguage, "English");
    EXPECT_TRUE(m->mnuLanguage(english)->isChecked());
    EXPECT_EQ(m->Command4()->text(), "Three cars");

    // Once the folder takes files again, a pick still reaches the copy that is read first.
    FormMenu.Unload();
    ProcessDeletes();
    folder_.reset();  // gives the folder back, and with it a fresh user folder
    folder_ = std::make_unique<TestFolder>();
    folder_->CopyShipped(QStringLiteral("Italiano.lng"));
    folder_->SetLanguage(QStringLiteral("Italiano"));
    ASSERT_TRUE(MLSStoreLanguage(QStringLiteral("English")));
    EXPECT_FALSE(QFileInfo::exists(MLSUserSettingFile()));
    QDir().mkpath(QFileInfo(MLSUserSettingFile()).path());
    ASSERT_TRUE(MLSWriteIni(MLSUserSettingFile(), QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                            QStringLiteral("English")));
    ASSERT_TRUE(MLSStoreLanguage(QStringLiteral("Italiano")));
    EXPECT_EQ(MLSReadIni(MLSSettingFile(), QStringLiteral("Language"), QStringLiteral("CurrentLanguage")),
              QString("Italiano"));
}

TEST_F(TranslationTest, QtsOwnButtonsFollowTheLanguageFilesLocale)
{
    folder_->CopyShipped(QStringLiteral("English.lng"));
    FormMenuWindow* m = Menu();
    const auto yes = [] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Parcolo"), QString(), QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text().remove(u'&');
    };
    MLSLoadQtTranslations();
    EXPECT_EQ(yes(), QString::fromUtf8("Sì"));
    const int english = m->mnuLanguage(0)->text() == "English" ? 0 : 1;
    m->mnuLanguage(english)->trigger();
    EXPECT_EQ(yes(), "Yes");
    m->mnuLanguage(1 - english)->trigger();
    EXPECT_EQ(yes(), QString::fromUtf8("Sì"));
    // A language file without a locale gives Qt's own texts back.
    WriteItaliano(QByteArray());
    m->mnuLanguage(1 - english)->trigger();
    EXPECT_EQ(yes(), "Yes");
}

// A language picked in a game window: the same turn (cars, places, note pad, clue pattern), its
// clue and every caption in the new language, and the pick kept for the next start.
TEST_F(TranslationTest, ALanguagePickedInAGameKeepsTheTurnAndWritesItInTheNewLanguage)
{
    folder_->CopyShipped(QStringLiteral("English.lng"));
    GameForm* g = OpenGame(4);
    g->Command1_Click();
    g->Image_Click(3, 1);
    const Board before = g->Model();
    const QString italianClue = g->Label1()->text();
    LanguageMenu* languages = g->mnuLanguages();
    ASSERT_EQ(languages->Count(), 2);
    const int english = languages->Item(0)->data() == QStringLiteral("English") ? 0 : 1;
    languages->Item(english)->trigger();

    const Board& now = g->Model();
    EXPECT_EQ(now.ColoreAuto, before.ColoreAuto);
    EXPECT_EQ(now.DaSinistra, before.DaSinistra);
    EXPECT_EQ(now.Pattern, before.Pattern);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(now.SlotOfCar(i), before.SlotOfCar(i));
        EXPECT_EQ(now.CarInRow(i), before.CarInRow(i));
        for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(now.Shown(slot, i), before.Shown(slot, i));
    }
    ColourNames english_names;
    for (int c = 1; c <= 10; ++c) english_names[size_t(c)] = MLSGetString(GameTextsFor(4)->ColourKey(c));
    EXPECT_EQ(g->Label1()->text(), ClueText(4, before.Pattern, before.ColoreAuto, english_names));
    EXPECT_NE(g->Label1()->text(), italianClue);
    EXPECT_EQ(g->windowTitle(), MLSReadIni(folder_->File(QStringLiteral("English.lng")), QStringLiteral("FormAuto4"),
                                           QStringLiteral("FormAuto4.Caption")));
    EXPECT_TRUE(languages->Item(english)->isChecked());
    EXPECT_EQ(MLSReadIni(folder_->File(QStringLiteral("LangSetting.ini")), QStringLiteral("Language"),
                         QStringLiteral("CurrentLanguage")),
              QString("English"));
}

// A language writes a picture's tool tip and the hint's quotation its own way: "%1" where the
// colour's name goes, and its own punctuation after the quoted sentence (key 0218). A file of old
// keeps what the program glued before: the colour's name, a dash and the text; the sentence whole
// inside the frame of key 0214.
TEST_F(TranslationTest, ToolTipsAndTheHintsQuotationFollowTheLanguagesOwnWay)
{
    const QByteArray shipped = folder_->Read(QStringLiteral("Italiano.lng"));
    for (const bool own : {false, true}) {
        QByteArray file = shipped;
        const int tip = int(file.indexOf("[FormAuto3]"));
        ASSERT_GE(tip, 0);
        const int line = int(file.indexOf("Image1(0).ToolTipText=", tip));
        ASSERT_GE(line, 0);
        file.replace(line, file.indexOf("\r\n", line) - line,
                     own ? "Image1(0).ToolTipText=\"L'auto %1 si trascina\"" : "Image1(0).ToolTipText=\"Si trascina\"");
        const int quote = int(file.indexOf("\r\n0218="));
        if (quote >= 0) file.remove(quote, file.indexOf("\r\n", quote + 2) - quote);  // a file of old has none
        if (own) file.replace("[Strings]\r\n", "[Strings]\r\n0218=\"Secondo l'indizio \xab%1\xbb.\"\r\n");
        folder_->Write(QStringLiteral("Italiano.lng"), file);
        Script({Pick(0, 2), Pick(0, 3), Pick(0, 3), Pick(0, 3), Pick(0, 10), Pick(1, 10), Pick(2, 10), Pick(0, 21)});
        GameForm* g = OpenGame(3);
        EXPECT_EQ(g->Image1(0)->toolTip(), own ? "L'auto rossa si trascina" : QString::fromUtf8("rossa — Si trascina"));
        g->mnuSuggerimento_Click();
        const QString bubble = g->HintText();
        if (own) {
            EXPECT_TRUE(bubble.startsWith(QString::fromUtf8("Secondo l'indizio «"))) << bubble.toStdString();
            EXPECT_TRUE(bubble.endsWith(QString::fromUtf8("»."))) << bubble.toStdString();
            EXPECT_FALSE(bubble.contains(QString::fromUtf8(".»"))) << bubble.toStdString();
        } else {
            EXPECT_TRUE(bubble.endsWith(QString::fromUtf8(".»"))) << bubble.toStdString();
        }
        UnloadAll();
    }
}
