#include "text/ClueSheet.h"

#include "clues/Clues.h"
#include "clues/Patterns.h"
#include "clues/TurnCode.h"
#include "text/ClueText.h"
#include "text/FactText.h"
#include "text/GameTexts.h"
#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/ProgramFolder.h"
#include "text/TextLookup.h"

#include <QFileInfo>

#include <set>

namespace {

QString Escaped(QString caption)
{
    return caption.replace(u'\\', QLatin1String("\\\\")).replace(u'\r', QLatin1String("\\r")).replace(u'\n', QLatin1String("\\n"));
}

// The sheet's colouring: car k has colour number k + 1, named by that window's colour keys.
struct SheetColours {
    CarColours coloreAuto{1, 2, 3, 4, 5};
    ColourNames nomeColore;
    explicit SheetColours(int n)
    {
        const GameTexts* texts = GameTextsFor(n);
        for (int c = 1; c <= 10; ++c) nomeColore[size_t(c)] = MLSGetString(texts->ColourKey(c));
    }
};

// f(n, p, caption) for every pattern of every window.
template <class F>
void ForEveryClue(F f)
{
    for (const int n : {3, 4, 5}) {
        const SheetColours colours(n);
        const int count = int(clues::PatternsFor(n).size());
        for (int p = 0; p < count; ++p) f(n, p, ClueText(n, p, colours.coloreAuto, colours.nomeColore));
    }
}

}  // namespace

void UseLanguageFile(const QString& file)
{
    const QFileInfo info(file);
    SetProgramFolder(info.absolutePath());
    QString name = info.fileName();
    if (name.endsWith(QLatin1String(".lng"), Qt::CaseInsensitive)) name.chop(4);
    MLSCurrentLanguage = name;
    LoadParole();
}

QString ClueLines()
{
    QString out;
    ForEveryClue([&](int n, int p, const QString& caption) {
        out += QStringLiteral("%1 %2 ").arg(n).arg(p) + Escaped(caption) + u'\n';
    });
    return out;
}

namespace {

// The code of a turn of the sheets: counted from the left, car k of colour k + 1.
QString SheetCode(int n, int pattern, std::optional<clues::Level> level, const std::vector<clues::Fact>& facts)
{
    clues::Turn turn;
    turn.cars = n;
    for (int k = 0; k < n; ++k) turn.colours[size_t(k)] = k + 1;
    turn.level = level;
    turn.pattern = pattern;
    turn.facts = facts;
    return QStringLiteral("code: ") + clues::EncodeTurn(turn) + u'\n';
}

}  // namespace

QString ClueSheet()
{
    QString out;
    ForEveryClue([&](int n, int p, QString caption) {
        caption.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (!caption.endsWith(u'\n')) caption += u'\n';
        out += QStringLiteral("%1 cars, pattern %2\n").arg(n).arg(p) + caption + SheetCode(n, p, std::nullopt, {}) + u'\n';
    });
    return out;
}

QString GeneratedSheet(int cars, clues::Level level, int count, quint32 seed, bool facts)
{
    const SheetColours colours(cars);
    QString out;
    for (int k = 0; k < count; ++k) {
        const quint32 s = seed + quint32(k);
        const std::vector<clues::Fact> clue = clues::GenerateClue(cars, level, s);
        out += QStringLiteral("%1 cars, %2, seed %3\n").arg(cars).arg(QString::fromLatin1(clues::LevelName(level).data())).arg(s);
        out += FactClueText(cars, clue, colours.coloreAuto, colours.nomeColore).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        out += u'\n';
        if (facts)
            for (const clues::Fact& fact : clue) out += QStringLiteral("fact: ") + QString::fromStdString(clues::Condition(fact, cars)) + u'\n';
        out += SheetCode(cars, -1, level, clue) + u'\n';
    }
    return out;
}

QString FactKindsSheet()
{
    QString out;
    for (int k = 0; k < clues::Fact::kKinds; ++k) {
        const auto kind = clues::Fact::Kind(k);
        // A number of cars for which the kind is a fact: five where its place has a name there.
        int n = 5;
        while (n >= 3 && !clues::IsValid({kind, {0, 1, 2}}, n) && !clues::IsValid({kind, {0, 1, 0}}, n) &&
               !clues::IsValid({kind, {0, 0, 0}}, n))
            --n;
        if (n < 3) continue;
        const SheetColours names(n);
        out += QString::fromLatin1(clues::KindName(kind).data()) + QStringLiteral(":\n");
        const int named = clues::CarsNamed(kind);
        clues::Fact fact{kind, {0, 0, 0}};
        for (int i = 0; i < named; ++i) fact.cars[size_t(i)] = std::int8_t(i);
        for (int colouring = 0; colouring < 10; ++colouring) {
            CarColours colours{};
            for (int i = 0; i < named; ++i) colours[size_t(i)] = qint16((colouring + 3 * i) % 10 + 1);
            out += QStringLiteral("  ") + FactLineText(n, fact, colours, names.nomeColore) + u'\n';
        }
    }
    return out;
}

QStringList TemplateProblems()
{
    const QString file = MLSLanguageFile();
    QStringList problems;
    std::set<QString> forms;
    for (const QString& key : MLSReadIniKeys(file, FactTemplateSection())) {
        std::optional<clues::Fact::Kind> kind;
        for (int k = 0; k < clues::Fact::kKinds; ++k)
            if (key.compare(QString::fromLatin1(clues::KindName(clues::Fact::Kind(k)).data()), Qt::CaseInsensitive) == 0)
                kind = clues::Fact::Kind(k);
        if (!kind) {
            problems << QStringLiteral("[%1] %2: no kind of fact has this name").arg(FactTemplateSection(), key);
            continue;
        }
        const QString text = MLSReadIniEntry(file, FactTemplateSection(), key).value_or(QString());
        if (const QString problem = FactTemplateProblem(text, *kind); !problem.isEmpty())
            problems << QStringLiteral("[%1] %2: %3").arg(FactTemplateSection(), key, problem);
        else if (const auto t = clues::ParseTemplate(text))
            for (const QString& form : t->Forms()) forms.insert(form.toCaseFolded());
    }
    for (const int n : {3, 4, 5}) {
        const QString section = ClueTemplateSection(n);
        std::set<QString> lineKeys;
        const std::vector<clues::Pattern>& patterns = clues::PatternsFor(n);
        for (size_t p = 0; p < patterns.size(); ++p)
            for (size_t l = 0; l < patterns[p].lines.size(); ++l) {
                const QString key = ClueTemplateKey(int(p), int(l));
                lineKeys.insert(key);
                const auto text = MLSReadIniEntry(file, section, key);
                if (!text) continue;
                QString problem;
                if (const auto usable = clues::UsableTemplate(*text, patterns[p].lines[l], &problem))
                    for (const QString& form : usable->Forms()) forms.insert(form.toCaseFolded());
                else
                    problems << QStringLiteral("[%1] %2: %3").arg(section, key, problem);
            }
        for (const QString& key : MLSReadIniKeys(file, section))
            if (!lineKeys.count(key)) problems << QStringLiteral("[%1] %2: no clue line has this number").arg(section, key);
    }
    for (const QString& form : forms) {
        QStringList missing;
        for (int c = 1; c <= 10; ++c) {
            const auto text = MLSReadIniEntry(file, ColourFormSection(), ColourFormKey(form, c));
            if (!text || text->trimmed().isEmpty()) missing << QString::number(c);
        }
        if (!missing.isEmpty())
            problems << QStringLiteral("[%1] form \"%2\" is missing for colour %3").arg(ColourFormSection(), form, missing.join(QStringLiteral(", ")));
    }
    return problems;
}

std::pair<int, int> FactTemplateCoverage()
{
    const QString file = MLSLanguageFile();
    int covered = 0;
    for (int k = 0; k < clues::Fact::kKinds; ++k)
        if (MLSReadIniEntry(file, FactTemplateSection(), QString::fromLatin1(clues::KindName(clues::Fact::Kind(k)).data())))
            ++covered;
    return {covered, clues::Fact::kKinds};
}

std::pair<int, int> TemplateCoverage()
{
    const QString file = MLSLanguageFile();
    int covered = 0, lines = 0;
    for (const int n : {3, 4, 5}) {
        const std::vector<clues::Pattern>& patterns = clues::PatternsFor(n);
        for (size_t p = 0; p < patterns.size(); ++p)
            for (size_t l = 0; l < patterns[p].lines.size(); ++l, ++lines)
                if (MLSReadIniEntry(file, ClueTemplateSection(n), ClueTemplateKey(int(p), int(l)))) ++covered;
    }
    return {covered, lines};
}
