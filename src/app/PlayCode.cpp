#include "app/PlayCode.h"

#include "text/TextLookup.h"

QString CodeRefusal(clues::CodeProblem problem)
{
    switch (problem) {
    case clues::CodeProblem::Unreadable:
        return MLSGetStringOr(QStringLiteral("0254"), QString::fromUtf8("Questo codice non è valido: controlla di averlo "
                                                                       "copiato per intero e senza errori."));
    case clues::CodeProblem::NewerVersion:
        return MLSGetStringOr(QStringLiteral("0255"), QString::fromUtf8("Questo codice viene da una versione più recente di "
                                                                       "Parcolo: questa versione non è in grado di leggerlo."));
    case clues::CodeProblem::Impossible:
    case clues::CodeProblem::NotOneAnswer:
        return MLSGetStringOr(QStringLiteral("0256"), QString::fromUtf8("Questo codice descrive un turno che non si può "
                                                                       "giocare: il suo indizio non porta a una sola "
                                                                       "soluzione."));
    }
    return QString();
}
