// The clue in the game window: what GeneraFrase writes into Label1, from a marker language file
// whose texts name their keys.

#include "app/FormMenu.h"
#include "app/Instances.h"
#include "core/Rnd.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "text/ClueSheet.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "ui/Controls.h"

#include <QAction>
#include <QFile>
#include <QLabel>


namespace {

// Every text names its key: words "P<entry>", colours "C<n>" (n-th colour of each range),
// other texts "T<key>"; with an optional tag so two files can be told apart.
QByteArray MarkerFile(const QString& tag)
{
    QByteArray out = "[Strings]\r\n";
    const auto entry = [&](int key, const QString& text) {
        out += QStringLiteral("%1=\"%2\"\r\n").arg(key, 4, 10, QChar(u'0')).arg(text).toLatin1();
    };
    for (int key = 2; key <= 29; ++key) entry(key, QStringLiteral("P%1%2").arg(key - 2).arg(tag));
    for (const int first : {32, 145, 173})
        for (int c = 1; c <= 10; ++c) entry(first + c - 1, QStringLiteral("C%1%2").arg(c).arg(tag));
    for (int key = 43; key <= 211; ++key)
        if ((key < 145 || key > 154) && (key < 173 || key > 182)) entry(key, QStringLiteral("T%1%2").arg(key, 4, 10, QChar(u'0')).arg(tag));
    return out;
}

class ClueWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        folder_->Write(QStringLiteral("Italiano.lng"), MarkerFile(QString()));
        LoadParole();
    }

    // A turn from the left with car k in slot k and colour k + 1 on car k, then pattern p.
    void ScriptTurn(int n, int p, int patterns)
    {
        Script({Pick(0, 2)});
        for (int k = 0; k < n; ++k) Script({Pick(k, n)});
        for (int k = 0; k < n; ++k) Script({Pick(k, 10)});
        Script({Pick(p, patterns)});
    }

};

}  // namespace

TEST_F(ClueWindowTest, EachWindowWritesItsPatternsByteForByte)
{
    ScriptTurn(3, 10, 21);
    EXPECT_EQ(OpenGame(3)->Label1()->text(), "P2 C1 P11\r\nP2 C3 P4 C2.\r\nP2 C2 P10");
    FormAuto3.Unload();
    ProcessDeletes();

    ScriptTurn(4, 0, 24);
    EXPECT_EQ(OpenGame(4)->Label1()->text(), "P2 C3 P4 C1T0184\r\nP2 C2 P16 C3 P15 C4T0185");
    FormAuto4.Unload();
    ProcessDeletes();

    ScriptTurn(4, 21, 24);
    EXPECT_EQ(OpenGame(4)->Label1()->text(), "P2 C3 P21 C2P18 C4.\r\nP2 C2 P21 C1P18 C4.\r\n");
    FormAuto4.Unload();
    ProcessDeletes();

    ScriptTurn(5, 27, 45);
    EXPECT_EQ(OpenGame(5)->Label1()->text(),
              "P2 C3 P23 C4 P15  C2.\r\nP2 C2 P23 C1 P15  C3.\r\nP2 C4 P23 C3 P15  C5.\r\nP2 C5 P4 C1.\r\n");
}

TEST_F(ClueWindowTest, TheSameClueInBothDirections)
{
    ScriptTurn(5, 7, 45);
    GameForm* g = OpenGame(5);
    const QString fromLeft = g->Label1()->text();
    const QString toldFromLeft = g->Label1()->accessibleDescription();
    Script({Pick(1, 2), Pick(4, 5), Pick(3, 5), Pick(2, 5), Pick(1, 5), Pick(0, 5)});
    for (int k = 0; k < 5; ++k) Script({Pick(k, 10)});
    Script({Pick(7, 45)});
    g->NuovoTurno();
    EXPECT_FALSE(g->Model().DaSinistra);
    EXPECT_EQ(g->Label1()->text(), fromLeft);
    EXPECT_EQ(fromLeft, "P2 C5 T0083\r\nP2 C3 T0084\r\nP2 C2 P24 C1.\r\n");
    // Screen readers are told the direction, also by a file without the texts for it.
    EXPECT_FALSE(toldFromLeft.isEmpty());
    EXPECT_FALSE(g->Label1()->accessibleDescription().isEmpty());
    EXPECT_NE(g->Label1()->accessibleDescription(), toldFromLeft);
}

TEST_F(ClueWindowTest, ALanguageSwitchChangesTheTextsButNotTheWords)
{
    folder_->Write(QStringLiteral("English.lng"), MarkerFile(QStringLiteral("-en")));
    ScriptTurn(3, 13, 21);
    GameForm* g = OpenGame(3);
    EXPECT_EQ(g->Label1()->text(), "P2 C2 T0157 C3 T0158\r\nP2 C2 T0159");
    MLSCurrentLanguage = QStringLiteral("English");
    ScriptTurn(3, 13, 21);
    g->NuovoTurno();
    // The words stay in the language of the start; colour names were read when the window opened.
    EXPECT_EQ(g->Label1()->text(), "P2 C2 T0157-en C3 T0158-en\r\nP2 C2 T0159-en");
}

TEST_F(ClueWindowTest, APickInTheMenuRenewsTheClueInPlayAndTheCounts)
{
    folder_->Write(QStringLiteral("English.lng"), MarkerFile(QStringLiteral("-en")));
    ScriptTurn(3, 13, 21);
    GameForm* g = OpenGame(3);
    g->Image1_DragDrop(0, g->Image1(1));
    const Board before = g->Model();
    FormMenu.Show();
    auto* menu = FormMenu.As<FormMenuWindow>();
    for (int k = 0; k < menu->mnuLanguageCount(); ++k)
        if (menu->mnuLanguage(k)->data() == "English") menu->mnuLanguage(k)->trigger();
    // The same turn (no draw), told in the new words and colour names.
    EXPECT_EQ(g->Label1()->text(), "P2-en C2-en T0157-en C3-en T0158-en\r\nP2-en C2-en T0159-en");
    EXPECT_EQ(g->Model().ColoreAuto, before.ColoreAuto);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(g->Model().SlotOfCar(i), before.SlotOfCar(i));
    EXPECT_EQ(g->StatusBar1()->Panel(2)->text(), "P1-en 0");
    EXPECT_EQ(g->Image1(0)->toolTip(), "C1-en");
}

TEST(ClueSheets, MatchWhatTheProgramWrites)
{
    for (const char* language : {"Italiano", "English", "Deutsch", "Français", "Español"}) {
        const QString name = QString::fromUtf8(language);
        UseLanguageFile(QStringLiteral(PARCOLO_DATA_DIR "/%1.lng").arg(name));
        const QString stem = name.toLower().replace(u'ç', u'c').replace(u'ñ', u'n');
        QFile sheet(QStringLiteral(PARCOLO_SOURCE_DIR "/docs/clues-%1.txt").arg(stem));
        ASSERT_TRUE(sheet.open(QIODevice::ReadOnly)) << sheet.fileName().toStdString();
        EXPECT_EQ(QString::fromUtf8(sheet.readAll()), ClueSheet())
            << "regenerate with: build/parcolo-clues --sheet data/" << language << ".lng > " << sheet.fileName().toStdString();
        const QStringList lines = ClueLines().split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), 90);
    }
    MLSCurrentLanguage.clear();
}
