#pragma once
// A temporary program folder for a test: the lookup reads its files from there, and the cached
// language name starts empty. The user's configuration and data folders (XDG_CONFIG_HOME,
// XDG_DATA_HOME) are temporary ones of its own too, so no test reads or writes the real ones. Shipped data can be copied in; files can be written byte for byte.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();

    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;
    // Copies a file or folder of the shipped data ("Italiano.lng", "immagini").
    void CopyShipped(const QString& name) const;
    // LangSetting.ini naming the language.
    void SetLanguage(const QString& language) const;

    // Makes the folder refuse new files, also to root (where the file system allows it).
    // False when the folder still takes files: the caller should skip its test.
    // filesToo: the files in it can no longer be written either, as in an installed copy.
    bool MakeReadOnly(bool filesToo = false);

private:
    QTemporaryDir dir_;
    QTemporaryDir config_;
    QByteArray oldConfigHome_;
    bool hadConfigHome_ = false;
    QByteArray oldDataHome_;  // the data folder is "data" in config_
    bool hadDataHome_ = false;
    QStringList frozen_;  // given the immutable flag, taken back at the end
};

// A language file: "[Strings]" with the entries given as "key", "value" pairs, CR LF, Windows-1252.
QByteArray LanguageFile(std::initializer_list<std::pair<const char*, QString>> strings,
                        const QByteArray& extraSections = QByteArray());

// Test failures print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
