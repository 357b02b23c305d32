#include "text/QtTranslations.h"

#include "text/IniReadWrite.h"
#include "text/LanguageSetting.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

void MLSLoadQtTranslations()
{
    static std::unique_ptr<QTranslator> loaded;
    if (!QCoreApplication::instance()) return;
    ReadCurrentLanguageOnce();
    if (loaded) QCoreApplication::removeTranslator(loaded.get());
    loaded.reset();
    const QString locale = MLSReadIni(MLSLanguageFile(), QStringLiteral("Language"), QStringLiteral("Locale"))
                               .value_or(QString()).trimmed();
    if (locale.isEmpty()) return;
    // QLocale reads only a locale name out of the text, so the file cannot name a path.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    loaded = std::move(translator);
}
