// Sentence templates read from language files: a file without them is assembled exactly as from
// its pieces, a template replaces its line, and every shipped language has a usable template for
// every clue line that reads cleanly whatever the colours.

#include "clues/Clues.h"
#include "clues/Patterns.h"
#include "support/TestFolder.h"
#include "text/ClueSheet.h"
#include "text/ClueText.h"
#include "text/GameTexts.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/TextLookup.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Every text key of the clues as "<Tnnnn>", every word as "<Pn>", colour c of every window "<Cc>".
QByteArray PiecesFile(const QByteArray& extra = QByteArray())
{
    QByteArray file = "[Strings]\r\n";
    for (int key = 2; key <= 211; ++key) {
        QByteArray value = "<T" + clues::KeyName(key).toLatin1() + ">";
        for (const int n : {3, 4, 5})
            if (const int c = key - GameTextsFor(n)->firstColourKey + 1; c >= 1 && c <= 10) value = "<C" + QByteArray::number(c) + ">";
        file += clues::KeyName(key).toLatin1() + "=\"" + value + "\"\r\n";
    }
    return file + extra;
}

clues::Sources Pieces()
{
    return {[](int car) { return QStringLiteral("<C%1>").arg(car + 1); },
            [](int entry) { return QStringLiteral("<T%1>").arg(clues::KeyName(entry + 2)); },
            [](const QString& key) { return QStringLiteral("<T%1>").arg(key); }};
}

ColourNames NamesOfColours(int n)
{
    ColourNames names;
    for (int c = 1; c <= 10; ++c) names[size_t(c)] = MLSGetString(GameTextsFor(n)->ColourKey(c));
    return names;
}

}  // namespace

TEST(ClueTemplateFiles, WithoutTemplatesEveryLineIsItsPiecesAndATemplateReplacesOneLine)
{
    TestFolder folder;
    folder.Write(QStringLiteral("Pieces.lng"), PiecesFile());
    UseLanguageFile(folder.File(QStringLiteral("Pieces.lng")));
    const CarColours order{1, 2, 3, 4, 5};
    for (const int n : {3, 4, 5}) {
        const ColourNames names = NamesOfColours(n);
        for (size_t p = 0; p < clues::PatternsFor(n).size(); ++p)
            ASSERT_EQ(ClueText(n, int(p), order, names).toStdString(), clues::Assemble(clues::PatternsFor(n)[p], Pieces()).toStdString())
                << n << " cars, pattern " << p;
    }

    folder.Write(QStringLiteral("Pieces.lng"),
                 PiecesFile("[Clues5]\r\n27.1=\"{2} between {3:a} and {1:b}\"\r\n27.2=\"{1} alone\"\r\n"
                            "[ColourForms]\r\na.4=\"the fourth\"\r\n"));
    UseLanguageFile(folder.File(QStringLiteral("Pieces.lng")));
    const QStringList lines = ClueText(5, 27, order, NamesOfColours(5)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0].toStdString(), "<C3> between the fourth and <C2>");
    EXPECT_EQ(lines[1].toStdString(), "<T0004> <C2> <T0025> <C1> <T0017>  <C3>.") << "a template naming too few cars is not used";
    EXPECT_EQ(TemplateProblems().join(u'\n').toStdString(),
              QStringList({"[Clues5] 27.2: names {1} where the line names {0}, {1}, {2}",
                           "[ColourForms] form \"a\" is missing for colour 1, 2, 3, 5, 6, 7, 8, 9, 10",
                           "[ColourForms] form \"b\" is missing for colour 1, 2, 3, 4, 5, 6, 7, 8, 9, 10"}).join(u'\n').toStdString());
    MLSCurrentLanguage.clear();
}

// Every line of every shipped language has its template, and with any colours a rendered line
// starts with a capital, has no double blank and no blank before "," or ".", and names each of
// its cars: changing one car's colour changes the line.
TEST(ClueTemplateFiles, ShippedLanguagesHaveAUsableTemplateForEveryLine)
{
    const QStringList files = QDir(QStringLiteral(PARCOLO_DATA_DIR)).entryList({QStringLiteral("*.lng")}, QDir::Files);
    ASSERT_GE(files.size(), 5);
    static const QRegularExpression unclean(QStringLiteral("  | [,.]|^\\s|\\s$"));
    const CarColours colourings[] = {{1, 2, 3, 4, 5}, {10, 9, 8, 7, 6}, {5, 7, 1, 9, 3}, {4, 6, 10, 2, 8}};
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        UseLanguageFile(QStringLiteral(PARCOLO_DATA_DIR "/") + name);
        EXPECT_EQ(TemplateProblems().join(u'\n').toStdString(), "");
        const auto [covered, lines] = TemplateCoverage();
        EXPECT_EQ(covered, lines);
        for (const int n : {3, 4, 5}) {
            const ColourNames names = NamesOfColours(n);
            for (size_t p = 0; p < clues::PatternsFor(n).size(); ++p)
                for (const CarColours& colours : colourings)
                    for (size_t l = 0; l < clues::PatternsFor(n)[p].lines.size(); ++l) {
                        const QString line = ClueLineText(n, int(p), int(l), colours, names);
                        const QString where = QStringLiteral("%1 cars, pattern %2, line %3: ").arg(n).arg(p).arg(l + 1) + line;
                        const auto letter = std::find_if(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
                        EXPECT_TRUE(letter != line.end() && letter->isUpper()) << where.toStdString();
                        EXPECT_FALSE(line.contains(unclean)) << where.toStdString();
                        for (const int car : clues::CarsOf(clues::PatternsFor(n)[p].lines[l])) {
                            CarColours other = colours;
                            for (qint16 c = 1; c <= 10; ++c)
                                if (std::find(colours.begin(), colours.begin() + n, c) == colours.begin() + n) other[size_t(car)] = c;
                            EXPECT_NE(ClueLineText(n, int(p), int(l), other, names), line) << where.toStdString() << " never names car " << car;
                        }
                    }
        }
    }
    MLSCurrentLanguage.clear();
}
