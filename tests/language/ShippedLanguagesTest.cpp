// Every language file that ships is complete: it has every text, template and window key that
// the Italian file has, none of them empty (the forms of the colour names are each language's
// own), and it is Windows-1252 text with CR LF line ends that decodes to plain characters: no
// replacement character and no C1 control (what a byte that Windows-1252 leaves undefined turns
// into), and not UTF-8 saved without its byte-order mark.

#include "text/IniFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

QByteArray ReadShipped(const QString& name)
{
    QFile file(QStringLiteral(PARCOLO_DATA_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);  // the decoding happens here
    return !utf8.hasError();
}

// (section, key) of every entry of a file, in file order.
std::vector<std::pair<QString, QString>> Entries(const QString& text)
{
    std::vector<std::pair<QString, QString>> entries;
    QString section;
    for (const QString& raw : text.split(QLatin1String("\r\n"))) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']'))
            section = line.mid(1, line.size() - 2);
        else if (!line.startsWith(u';') && line.contains(u'='))
            entries.emplace_back(section, line.left(line.indexOf(u'=')).trimmed());
    }
    return entries;
}

}  // namespace

TEST(ShippedLanguages, HaveEveryKeyOfTheItalianFileFilledIn)
{
    const auto italian = Entries(ini::Decode(ReadShipped(QStringLiteral("Italiano.lng"))));
    ASSERT_GT(italian.size(), 300u);
    const QStringList files = QDir(QStringLiteral(PARCOLO_DATA_DIR)).entryList({QStringLiteral("*.lng")}, QDir::Files);
    EXPECT_GE(files.size(), 5);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = ReadShipped(name);
        const QString text = ini::Decode(bytes);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
        EXPECT_FALSE(std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80 && c.unicode() < 0xA0; }));
        const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; });
        EXPECT_TRUE(ascii || !IsUtf8(bytes)) << "UTF-8 where Windows-1252 belongs";
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << "CR LF line ends";
        const ini::Document document(bytes);
        for (const auto& [section, key] : italian) {
            if (section == QLatin1String("ColourForms")) continue;  // each language has forms of its own
            // The hint's quotation with the stop outside the quotes: for the typographies that want it.
            if (section == QLatin1String("Strings") && key == QLatin1String("0218")) continue;
            const std::optional<QString> value = document.Value(section, key);
            EXPECT_TRUE(value && !value->trimmed().isEmpty()) << "[" << section.toStdString() << "] " << key.toStdString();
        }
    }
}

// The buttons and menus of a window each show one underlined letter ("&" in the caption), and no
// two of them in a window share it: Alt and that letter reach each one in every language.
TEST(ShippedLanguages, GiveEveryButtonAndMenuItsOwnAccessKey)
{
    const std::pair<const char*, std::vector<const char*>> windows[] = {
        {"FormAuto3", {"Command1", "BottoneConferma", "BottoneAvanti", "MenuAzzera", "mnuEsci", "mnuSuggerimento", "mnuCode", "mnuLanguages"}},
        {"FormAuto4", {"Command1", "BottoneConferma", "BottoneAvanti", "MenuAzzera", "mnuEsci", "mnuSuggerimento", "mnuCode", "mnuLanguages"}},
        {"FormAuto5", {"Command1", "BottoneConferma", "BottoneAvanti", "MenuAzzera", "mnuEsci", "mnuSuggerimento", "mnuCode", "mnuLanguages"}},
        {"FormMenu", {"Command4", "Command2", "Command3", "optKind(0)", "optKind(1)", "optKind(2)", "optKind(3)", "Check1",
                      "Command1", "mnuGame", "Mnuinfo", "mnuLanguages"}},
        {"FormMenu", {"mnuPlayCode", "mnuPrint", "mnuStatistics"}},  // the items of its menu "Partita"
        {"FormStatistics", {"Command1", "Command2"}},
        {"FormAvvio", {"Command1"}},
        {"FormInfo", {"Command1"}},
    };
    const QStringList files = QDir(QStringLiteral(PARCOLO_DATA_DIR)).entryList({QStringLiteral("*.lng")}, QDir::Files);
    for (const QString& name : files) {
        const ini::Document document(ReadShipped(name));
        for (const auto& [window, controls] : windows) {
            QString taken;
            for (const char* control : controls) {
                const QString where = name + u' ' + QLatin1String(window) + u'.' + QLatin1String(control);
                const QString caption = document.Value(QLatin1String(window), QLatin1String(control) + QStringLiteral(".Caption")).value_or(QString());
                const qsizetype amp = caption.indexOf(u'&');
                if (amp < 0 || amp + 1 >= caption.size() || !caption[amp + 1].isLetterOrNumber()) {
                    ADD_FAILURE() << where.toStdString() << ": no \"&\" before a letter";
                    continue;
                }
                EXPECT_EQ(caption.count(u'&'), 1) << where.toStdString();
                const QChar key = caption[amp + 1].toCaseFolded();
                EXPECT_FALSE(taken.contains(key)) << where.toStdString() << ": '" << QString(key).toStdString() << "' taken";
                taken += key;
            }
        }
    }
}
