#include "clues/ClueSheet.h"

#include "clues/Clues.h"
#include "clues/Parole.h"
#include "game/GameTable.h"
#include "language/modLanguageSupport.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Escaped(QString caption)
{
    return caption.replace(u'\\', QLatin1String("\\\\")).replace(u'\r', QLatin1String("\\r")).replace(u'\n', QLatin1String("\\n"));
}

// f(n, p, caption) for every pattern of every window, colours 1..N on cars 0..N-1.
template <class F>
void ForEveryClue(F f)
{
    for (const int n : {3, 4, 5}) {
        const GameTable* table = GameTableFor(n);
        const auto colour = [table](int car) { return MLSGetString(clues::KeyName(table->firstColourKey + car)); };
        const int count = int(clues::PatternsFor(n).size());
        for (int p = 0; p < count; ++p) f(n, p, ClueText(n, p, colour));
    }
}

}  // namespace

namespace {

// The pieces of a clue: colour names, the clue words, the current language's texts.
clues::Sources LanguageSources(const std::function<QString(int car)>& colour)
{
    return {
        colour,
        [](int entry) { return Parole[size_t(entry)]; },
        [](const QString& key) { return MLSGetString(key); },
    };
}

const clues::Pattern* PatternOf(int n, int pattern)
{
    const std::vector<clues::Pattern>& patterns = clues::PatternsFor(n);
    return pattern >= 0 && pattern < int(patterns.size()) ? &patterns[size_t(pattern)] : nullptr;
}

}  // namespace

QString ClueText(int n, int pattern, const std::function<QString(int car)>& colour)
{
    const clues::Pattern* p = PatternOf(n, pattern);
    return p ? clues::Assemble(*p, LanguageSources(colour)) : QString();
}

QString ClueLineText(int n, int pattern, int line, const std::function<QString(int car)>& colour)
{
    const clues::Pattern* p = PatternOf(n, pattern);
    if (!p || line < 0 || line >= int(p->lines.size())) return QString();
    return clues::AssembleLine(p->lines[size_t(line)], LanguageSources(colour));
}

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

QString ClueSheet()
{
    QString out;
    ForEveryClue([&](int n, int p, QString caption) {
        caption.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (!caption.endsWith(u'\n')) caption += u'\n';
        out += QStringLiteral("%1 cars, pattern %2\n").arg(n).arg(p) + caption + u'\n';
    });
    return out;
}
