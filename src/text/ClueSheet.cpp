#include "text/ClueSheet.h"

#include "clues/Clues.h"
#include "clues/Patterns.h"
#include "text/ClueText.h"
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

QStringList TemplateProblems()
{
    const QString file = MLSLanguageFile();
    QStringList problems;
    std::set<QString> forms;
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
