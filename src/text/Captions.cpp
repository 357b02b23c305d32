#include "text/Captions.h"

#include "text/LanguageCache.h"
#include "text/LanguageSetting.h"

#include <algorithm>

QString MenuCaption(const QString& key, const char* builtIn)
{
    const auto doc = CachedDocument(MLSLanguageFile());
    const std::optional<QString> text = doc ? doc->Value(QStringLiteral("FormMenu"), key) : std::nullopt;
    QString caption = text && !text->isEmpty() ? *text : QString::fromUtf8(builtIn);
    return caption.remove(u'&').trimmed();
}

QString CarsCaption(int cars)
{
    switch (cars) {
    case 3: return MenuCaption(QStringLiteral("Command4.Caption"), "Tre automobili");
    case 4: return MenuCaption(QStringLiteral("Command2.Caption"), "Quattro automobili");
    default: return MenuCaption(QStringLiteral("Command3.Caption"), "Cinque automobili");
    }
}

QString KindCaption(int kind)
{
    const char* const builtIn[] = {"Classico", "Facile", "Medio", "Difficile"};
    kind = std::clamp(kind, 0, 3);
    return MenuCaption(QStringLiteral("optKind(%1).Caption").arg(kind), builtIn[kind]);
}
