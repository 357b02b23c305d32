#pragma once
// Switching the language: one call, heard by every window.
//
// SwitchLanguage makes a language the current one: its name (MLSCurrentLanguage), Qt's own texts
// in it (the buttons of message boxes), the clue words; it stores the pick where the next start
// reads it (LanguageSetting.h: the program folder's LangSetting.ini, or the user's copy), and
// then everything that listens hears LanguageSwitched with the language's name and renews what it
// shows. A pick that no folder takes holds for this run only.

#include <QObject>
#include <QString>
#include <QStringList>

class LanguageNotifier : public QObject {
    Q_OBJECT
signals:
    void LanguageSwitched(const QString& language);
};

// The one notifier of the program.
LanguageNotifier& Languages();

void SwitchLanguage(const QString& language);

// The languages beside the program: its language files' names without ".lng", in the order the
// folder lists them (nothing sorts them).
QStringList InstalledLanguages();
