#include "text/TextLookup.h"

#include "text/LanguageCache.h"
#include "text/LanguageSetting.h"

#include <QFileInfo>

QString MLSGetString(const QString& key)
{
    ReadCurrentLanguageOnce();
    // The file as named is the one asked for almost always: its stamp tells at once that it is
    // there, and the folder is searched for another letter case only when it is not.
    const QString named = MLSLanguageFileAsNamed();
    auto doc = CachedDocument(named);
    if (!doc && !QFileInfo::exists(named)) doc = CachedDocument(MLSLanguageFile());
    return doc ? doc->Value(QStringLiteral("Strings"), key).value_or(QString()) : QString();
}

QString MLSGetStringOr(const QString& key, const QString& builtIn)
{
    const QString text = MLSGetString(key);
    return text.isEmpty() ? builtIn : text;
}

QString MLSGetStringOr(const char* key, const char* builtIn)
{
    return MLSGetStringOr(QString::fromLatin1(key), QString::fromUtf8(builtIn));
}
