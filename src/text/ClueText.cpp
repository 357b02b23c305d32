#include "text/ClueText.h"

#include "clues/Clues.h"
#include "clues/Patterns.h"
#include "text/LanguageCache.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"

#include <vector>

namespace {

// The pieces of a clue of n cars, pattern p: colour names, the clue words, the current
// language's texts, templates and colour forms. The language file is asked for once for the
// whole clue: every text, template and form comes from that one version of it.
clues::Sources LanguageSources(int n, int pattern, const CarColours& coloreAuto, const ColourNames& nomeColore)
{
    ReadCurrentLanguageOnce();
    const auto doc = CachedDocument(MLSLanguageFile());
    const auto entry = [doc](const QString& section, const QString& key) {
        return doc ? doc->Value(section, key) : std::nullopt;
    };
    return {
        [&](int car) { return nomeColore[size_t(coloreAuto[size_t(car)])]; },
        [](int entry) { return Parole[size_t(entry)]; },
        [entry](const QString& key) { return entry(QStringLiteral("Strings"), key).value_or(QString()); },
        [entry, n, pattern](int line) { return entry(ClueTemplateSection(n), ClueTemplateKey(pattern, line)); },
        [entry, &coloreAuto](int car, const QString& form) {
            return entry(ColourFormSection(), ColourFormKey(form, coloreAuto[size_t(car)])).value_or(QString());
        },
    };
}

const clues::Pattern* PatternOf(int n, int pattern)
{
    const std::vector<clues::Pattern>& patterns = clues::PatternsFor(n);
    return pattern >= 0 && pattern < int(patterns.size()) ? &patterns[size_t(pattern)] : nullptr;
}

}  // namespace

QString ClueTemplateSection(int n) { return QStringLiteral("Clues%1").arg(n); }
QString ClueTemplateKey(int pattern, int line) { return QStringLiteral("%1.%2").arg(pattern).arg(line + 1); }
QString ColourFormSection() { return QStringLiteral("ColourForms"); }
QString ColourFormKey(const QString& form, int colour) { return QStringLiteral("%1.%2").arg(form).arg(colour); }

QString ClueText(int n, int pattern, const CarColours& coloreAuto, const ColourNames& nomeColore)
{
    const clues::Pattern* p = PatternOf(n, pattern);
    return p ? clues::Assemble(*p, LanguageSources(n, pattern, coloreAuto, nomeColore)) : QString();
}

QString ClueLineText(int n, int pattern, int line, const CarColours& coloreAuto, const ColourNames& nomeColore)
{
    const clues::Pattern* p = PatternOf(n, pattern);
    if (!p || line < 0 || line >= int(p->lines.size())) return QString();
    return clues::LineText(*p, size_t(line), LanguageSources(n, pattern, coloreAuto, nomeColore));
}
