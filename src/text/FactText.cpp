#include "text/FactText.h"

#include "clues/Clues.h"
#include "text/LanguageCache.h"
#include "text/LanguageSetting.h"

#include <QStringList>

namespace {

using Kind = clues::Fact::Kind;

// The program's Italian, for a language file without the sentence of a kind.
const char* const kBuiltIn[clues::Fact::kKinds] = {
    "L'auto {0} è la prima della fila.",
    "L'auto {0} è la seconda della fila.",
    "L'auto {0} è la terza della fila.",
    "L'auto {0} è la quarta della fila, cioè la penultima.",
    "L'auto {0} sta esattamente in mezzo alla fila.",
    "L'auto {0} è l'ultima della fila.",
    "L'auto {0} viene prima di quella {1}.",
    "L'auto {0} viene dopo quella {1}.",
    "L'auto {0} viene subito prima di quella {1}.",
    "L'auto {0} viene subito dopo quella {1}.",
    "L'auto {0} viene due posti prima di quella {1}.",
    "L'auto {0} viene due posti dopo quella {1}.",
    "L'auto {0} e quella {1} stanno una accanto all'altra.",
    "Tra l'auto {0} e quella {1} c'è una sola auto.",
    "L'auto {0} e quella {1} stanno ai due capi della fila.",
    "L'auto {0}, quella {1} e quella {2} occupano i primi tre posti, non per forza in quest'ordine.",
    "L'auto {0}, quella {1} e quella {2} occupano gli ultimi tre posti, non per forza in quest'ordine.",
    "L'auto {1} sta tra l'auto {0} e quella {2}, accanto a entrambe.",
    "L'auto {0} e quella {1} non stanno una accanto all'altra.",
    "L'auto {0} non è la prima della fila.",
    "L'auto {0} non è la seconda della fila.",
    "L'auto {0} non è la terza della fila.",
    "L'auto {0} non è la quarta della fila.",
    "L'auto {0} non occupa il posto centrale della fila.",
    "L'auto {0} non è l'ultima della fila.",
    "L'auto {0} non è né la prima né l'ultima della fila.",
};

}  // namespace

QString FactTemplateSection() { return QStringLiteral("Facts"); }

QString BuiltInFactTemplate(Kind kind) { return QString::fromUtf8(kBuiltIn[int(kind)]); }

QString FactTemplateProblem(const QString& text, Kind kind)
{
    QString problem;
    clues::UsableFactTemplate(text, kind, &problem);
    return problem;
}

QString FactLineText(int, const clues::Fact& fact, const CarColours& coloreAuto, const ColourNames& nomeColore)
{
    ReadCurrentLanguageOnce();
    const auto doc = CachedDocument(MLSLanguageFile());
    const QString key = QString::fromLatin1(clues::KindName(fact.kind).data(), int(clues::KindName(fact.kind).size()));
    const std::optional<QString> own = doc ? doc->Value(FactTemplateSection(), key) : std::nullopt;
    std::optional<clues::Template> t = own ? clues::UsableFactTemplate(*own, fact.kind) : std::nullopt;
    if (!t) t = clues::UsableFactTemplate(BuiltInFactTemplate(fact.kind), fact.kind);
    const auto colourOf = [&](int k) { return coloreAuto[size_t(fact.cars[size_t(k)])]; };
    clues::Sources sources;
    sources.colour = [&](int k) { return nomeColore[size_t(colourOf(k))]; };
    sources.colourForm = [&](int k, const QString& form) {
        return doc ? doc->Value(ColourFormSection(), ColourFormKey(form, colourOf(k))).value_or(QString()) : QString();
    };
    return clues::Filled(*t, sources);
}

QString FactClueText(int n, const std::vector<clues::Fact>& facts, const CarColours& coloreAuto, const ColourNames& nomeColore)
{
    QStringList lines;
    for (const clues::Fact& fact : facts) lines << FactLineText(n, fact, coloreAuto, nomeColore);
    return lines.join(QStringLiteral("\r\n"));
}
