// Sharing a turn by its code, and worksheets of puzzles on paper.

#include "app/FormMenu.h"
#include "app/Instances.h"
#include "app/Worksheet.h"
#include "game/GameForm.h"
#include "support/AppFixture.h"
#include "text/GameTexts.h"
#include "text/LanguageSwitch.h"
#include "text/TextLookup.h"
#include "text/TurnKindSetting.h"
#include "ui/DefaultForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace {

class ShareTest : public AppTest {
protected:
    // "Gioca un codice…" of the main menu, the code typed into its question.
    static void PlayCodeFromMenu(const QString& code)
    {
        FormMenu.Show();
        QTimer::singleShot(0, [code] {
            auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(ask, nullptr);
            ask->setTextValue(code);
            ask->accept();
        });
        FormMenu.As<FormMenuWindow>()->mnuPlayCode()->trigger();
        ProcessDeletes();
    }

    static bool GameShown()
    {
        for (int n = 3; n <= 5; ++n)
            if (GameWindow(n).IsLoaded() && GameWindow(n).As<GameForm>()->isVisible()) return true;
        return false;
    }

    struct PdfPage {
        QString text;       // its words, single blanks between them
        double lowest = 0;  // the bottom of its lowest word
        double height = 0;
    };

    // The pages of a PDF as pdftotext reads them, with where their words stand.
    static std::vector<PdfPage> PdfPages(const QString& file)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
        if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return {};
        const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
        std::vector<PdfPage> pages;
        static const QRegularExpression page(QStringLiteral("<page width=\"[\\d.]+\" height=\"([\\d.]+)\">(.*?)</page>"),
                                             QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression word(QStringLiteral("<word [^>]*yMax=\"([\\d.]+)\">([^<]*)</word>"));
        for (const QRegularExpressionMatch& p : page.globalMatch(html)) {
            PdfPage read;
            read.height = p.captured(1).toDouble();
            QStringList words;
            for (const QRegularExpressionMatch& w : word.globalMatch(p.captured(2))) {
                read.lowest = std::max(read.lowest, w.captured(1).toDouble());
                words << w.captured(2).replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&apos;"), QLatin1String("'"))
                             .replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"))
                             .replace(QLatin1String("&amp;"), QLatin1String("&"));
            }
            read.text = words.join(u' ');
            pages.push_back(read);
        }
        return pages;
    }
};

}  // namespace

// The code shown in a game, typed into another copy's menu, plays the same turn there: the same
// clue, the same hidden order and direction; "avanti" then goes on with turns of the same kind.
TEST_F(ShareTest, ACodeGivesAnotherPlayerTheSameTurn)
{
    for (const TurnKind kind : {TurnKind::Classico, TurnKind::Difficile}) {
        for (const int n : {3, 5}) {
            ASSERT_TRUE(StoreTurnKind(kind));
            GameForm* g = OpenGame(n);
            boxes_.clear();
            g->mnuCode()->trigger();
            const QString code = QGuiApplication::clipboard()->text();
            ASSERT_EQ(boxes_.size(), 1u);
            EXPECT_TRUE(boxes_[0].text.contains(code)) << boxes_[0].text.toStdString();
            const QString clue = g->Label1()->text();
            const Board shared = g->Model();
            UnloadAll();

            ASSERT_TRUE(StoreTurnKind(TurnKind(3 - int(kind))));  // the other player plays another kind
            PlayCodeFromMenu(code);
            ASSERT_TRUE(GameWindow(n).IsLoaded()) << code.toStdString();
            g = GameWindow(n).As<GameForm>();
            EXPECT_TRUE(g->isVisible());
            EXPECT_FALSE(FormMenu.IsLoaded());
            EXPECT_EQ(g->Label1()->text(), clue);
            EXPECT_EQ(g->Model().DaSinistra, shared.DaSinistra);
            EXPECT_TRUE(std::equal(shared.ColoreAuto.begin(), shared.ColoreAuto.begin() + n, g->Model().ColoreAuto.begin()));
            EXPECT_EQ(clues::EncodeTurn(g->CurrentTurn()), code);
            SolveByDrops(g);
            g->BottoneConferma_Click();
            g->BottoneAvanti_Click();
            EXPECT_EQ(g->Clue().Generated(), kind != TurnKind::Classico) << "the next turn is of the code's kind";
            UnloadAll();
        }
    }
}

// A code that is not one (mistyped, cut) is refused with why; no game opens, the menu stays.
TEST_F(ShareTest, ARefusedCodeIsToldAndOpensNothing)
{
    for (const QString& bad : {QStringLiteral("ABCD-EFGH"), QStringLiteral("GEQD-2V4B-FKMV-N754")}) {
        boxes_.clear();
        PlayCodeFromMenu(bad);
        ASSERT_EQ(boxes_.size(), 1u) << bad.toStdString();
        EXPECT_EQ(boxes_[0].text, MLSGetString(QStringLiteral("0254")));
        EXPECT_FALSE(GameShown());
        EXPECT_TRUE(FormMenu.IsLoaded() && FormMenu.As<FormMenuWindow>()->isVisible());
    }
}

// A worksheet of the longest clues: every puzzle whole on one page (heading, every sentence of
// its clue, its code), at most three to a page, the answers on the last page in place order, all
// in the current language; the codes play the printed puzzles.
TEST_F(ShareTest, AWorksheetHoldsEveryPuzzleWholeOnAPageAndTheAnswersLast)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "no pdftotext";
    folder_->CopyShipped(QStringLiteral("Deutsch.lng"));
    SwitchLanguage(QStringLiteral("Deutsch"));
    // The twelve with the most sentences of sixty drawn.
    std::vector<clues::Turn> puzzles;
    for (int k = 0; k < 5; ++k) {
        const std::vector<clues::Turn> more = DrawWorksheet(5, clues::Level::Difficile, 12);
        puzzles.insert(puzzles.end(), more.begin(), more.end());
    }
    std::stable_sort(puzzles.begin(), puzzles.end(), [](const clues::Turn& a, const clues::Turn& b) { return a.facts.size() > b.facts.size(); });
    puzzles.resize(12);
    const QString file = folder_->File(QStringLiteral("blatt.pdf"));
    for (const auto size : {QPageSize::A4, QPageSize::Letter}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(size));
        printer.setOutputFileName(file);
        ASSERT_TRUE(PrintWorksheet(printer, puzzles, clues::Level::Difficile));
        const std::vector<PdfPage> pages = PdfPages(file);
        ASSERT_GE(pages.size(), 5u);  // twelve puzzles, three to a page at most, then the answers
        for (const PdfPage& page : pages) EXPECT_LT(page.lowest, page.height) << "a word below the paper";
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            const QString heading = QStringLiteral("Aufgabe %1 ").arg(i + 1);
            const auto found = std::find_if(pages.begin(), pages.end() - 1, [&](const PdfPage& p) { return p.text.contains(heading); });
            ASSERT_NE(found, pages.end() - 1) << i;
            const QString* page = &found->text;
            EXPECT_LE(page->count(QStringLiteral("Aufgabe ")), 3);
            EXPECT_TRUE(page->contains(QStringLiteral("Code: ") + clues::EncodeTurn(puzzles[i]))) << i;
            clues::Turn shared = std::get<clues::Turn>(clues::DecodeTurn(clues::EncodeTurn(puzzles[i])));
            EXPECT_TRUE(shared == puzzles[i]);
            // The clue as the game window says it for that turn.
            GameForm* g = OpenGame(5);
            g->PlayTurn(puzzles[i]);
            for (const QString& sentence : g->Label1()->text().split(QStringLiteral("\r\n")))
                EXPECT_TRUE(page->contains(sentence.simplified())) << i << ' ' << sentence.toStdString();
            UnloadAll();
        }
        const QString& answers = pages.back().text;
        EXPECT_TRUE(answers.contains(QStringLiteral("Lösungen")));
        for (std::size_t i = 0; i < puzzles.size(); ++i) {
            const GameTexts& words = *GameTextsFor(5);
            QStringList row;
            for (int k = 0; k < 5; ++k)
                row << QStringLiteral("%1. %2").arg(k + 1).arg(MLSGetString(words.ColourKey(puzzles[i].colours[size_t(k)])));
            EXPECT_TRUE(answers.contains(QStringLiteral("Aufgabe %1 — ").arg(i + 1) + row.join(u' '))) << i;
        }
    }
}

// From the command line: a written file, and the reasons it is not written.
TEST_F(ShareTest, TheCommandLineWorksheetSaysWhyItWritesNothing)
{
    QString why;
    EXPECT_EQ(WriteWorksheetFile(folder_->File(QStringLiteral("ok.pdf")), QStringLiteral("3"), QStringLiteral("Facile"),
                                 QStringLiteral("2"), &why), 0);
    EXPECT_TRUE(QFileInfo(folder_->File(QStringLiteral("ok.pdf"))).size() > 0);
    for (const auto& [cars, level, count] : {std::tuple{"6", "facile", "2"}, std::tuple{"3", "expert", "2"},
                                             std::tuple{"3", "facile", "13"}, std::tuple{"3", "facile", ""}}) {
        why.clear();
        EXPECT_EQ(WriteWorksheetFile(folder_->File(QStringLiteral("x.pdf")), QLatin1String(cars), QLatin1String(level),
                                     QLatin1String(count), &why), 2) << cars << level << count;
        EXPECT_EQ(why, MLSGetString(QStringLiteral("0267")));
    }
    const QString nowhere = folder_->File(QStringLiteral("no/such/folder/x.pdf"));
    EXPECT_EQ(WriteWorksheetFile(nowhere, QStringLiteral("4"), QStringLiteral("classico"), QStringLiteral("1"), &why), 1);
    EXPECT_EQ(why, MLSGetString(QStringLiteral("0266")).replace(QLatin1String("%1"), nowhere));
}
