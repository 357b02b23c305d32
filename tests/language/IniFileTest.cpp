// The INI reader and writer: the rules the language files rely on, for small and big files.

#include "text/IniFile.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

std::optional<QString> Read(const QByteArray& file, const char* section, const char* key)
{
    return ini::Document(file).Value(QString::fromLatin1(section), QString::fromLatin1(key));
}

QString Value(const QByteArray& file, const char* section, const char* key)
{
    return Read(file, section, key).value_or(QStringLiteral("<absent>"));
}

}  // namespace

TEST(IniReader, NamesMatchRegardlessOfCaseAndBlanks)
{
    const QByteArray f = "[Strings]\r\n  0001 = \"uno\"\r\n[formmenu]\r\nCommand1.Caption=\"Esci\"\r\n";
    EXPECT_EQ(Value(f, "strings", "0001"), "uno");
    EXPECT_EQ(Value(f, "STRINGS", " 0001 "), "uno");
    EXPECT_EQ(Value(f, "FormMenu", "command1.caption"), "Esci");
    EXPECT_FALSE(Read(f, "Strings", "0002"));
    EXPECT_FALSE(Read(f, "Other", "0001"));
}

TEST(IniReader, QuotesKeepInnerBlanksAndOnePairIsRemoved)
{
    const QByteArray f = "[S]\r\n"
                         "a=  \" dentro \"  \r\n"
                         "b='singoli'\r\n"
                         "c=senza virgolette\r\n"
                         "d=\"mezze'\r\n"
                         "e=\"\"doppie\"\"\r\n"
                         "f=\"\r\n"
                         "g=\r\n";
    EXPECT_EQ(Value(f, "S", "a"), " dentro ");
    EXPECT_EQ(Value(f, "S", "b"), "singoli");
    // An unquoted value is taken whole: nothing is cut from its ends.
    EXPECT_EQ(Value(f, "S", "c"), "senza virgolette");
    EXPECT_EQ(Value(f, "S", "d"), "\"mezze'");
    EXPECT_EQ(Value(f, "S", "e"), "\"doppie\"");
    EXPECT_EQ(Value(f, "S", "f"), "\"");
    EXPECT_EQ(Value(f, "S", "g"), "");
}

TEST(IniReader, KeysMatchWholeNotByTheirStart)
{
    const QByteArray f = "[S]\r\n00010=\"dieci\"\r\n0001=\"uno\"\r\n";
    EXPECT_EQ(Value(f, "S", "0001"), "uno");
    EXPECT_EQ(Value(f, "S", "00010"), "dieci");
    EXPECT_FALSE(Read(f, "S", "000"));
}

TEST(IniReader, CommentsLinesWithoutEqualsAndEntriesOutsideSections)
{
    const QByteArray f = "a=\"fuori\"\r\n[S]\r\n; a=\"commento\"\r\n   ;b=\"commento\"\r\nsolo testo\r\nc=\"x\" ; non un commento\r\n";
    EXPECT_FALSE(Read(f, "S", "a"));
    EXPECT_FALSE(Read(f, "S", "b"));
    EXPECT_FALSE(Read(f, "S", "solo testo"));
    EXPECT_EQ(Value(f, "S", "c"), "\"x\" ; non un commento");
}

TEST(IniReader, FirstKeyOfFirstSectionWins)
{
    const QByteArray f = "[S]\r\nk=\"primo\"\r\nK=\"secondo\"\r\n[T]\r\nk=\"altra\"\r\n[s]\r\nk=\"terzo\"\r\nnuovo=\"n\"\r\n";
    EXPECT_EQ(Value(f, "S", "k"), "primo");
    EXPECT_EQ(Value(f, "T", "k"), "altra");
    EXPECT_FALSE(Read(f, "S", "nuovo"));
}

TEST(IniReader, LineEndsOfEveryKind)
{
    for (const QByteArray eol : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        const QByteArray f = "[S]" + eol + "a=\"1\"" + eol + eol + "b=\"2\"";
        EXPECT_EQ(Value(f, "S", "a"), "1") << eol.toHex().constData();
        EXPECT_EQ(Value(f, "S", "b"), "2") << eol.toHex().constData();
    }
}

TEST(IniReader, ValuesAreCutTo511CharactersAndAtNul)
{
    const QByteArray longText(2000, 'x');
    const QByteArray f = "[S]\r\nlong=\"" + longText + "\"\r\nnul=\"ab" + QByteArray(1, '\0') + "cd\"\r\n";
    EXPECT_EQ(Value(f, "S", "long"), QString(511, u'x'));
    EXPECT_EQ(Value(f, "S", "nul"), "ab");
}

TEST(IniReader, SectionNameRunsToTheFirstCloseOrToTheEndOfTheLine)
{
    // A translator's missing "]" must not hide the section's texts.
    const QByteArray f = "[S]\r\na=\"1\"\r\n[ Rotto \r\nb=\"2\"\r\n[a]b]\r\nc=\"3\"\r\n";
    EXPECT_EQ(Value(f, "S", "a"), "1");
    EXPECT_FALSE(Read(f, "S", "b"));
    EXPECT_EQ(Value(f, "Rotto", "b"), "2");
    EXPECT_EQ(Value(f, "a", "c"), "3");
    EXPECT_FALSE(Read(f, "a]b", "c"));
    // The writer finds the same sections.
    const auto written = ini::WithValue(f, QStringLiteral("rotto"), QStringLiteral("b"), QStringLiteral("x"));
    EXPECT_EQ(*written, QByteArray(f).replace("b=\"2\"", "b=x"));
}

TEST(IniReader, DecodesWindows1252AndUtf8WithByteOrderMark)
{
    EXPECT_EQ(Value("[S]\r\na=\"\x80 \xE8 \x9C\"\r\n", "S", "a"), QString::fromUtf8("€ è œ"));
    EXPECT_EQ(Value("\xEF\xBB\xBF[S]\r\na=\"\xE2\x82\xAC \xC3\xA8\"\r\n", "S", "a"), QString::fromUtf8("€ è"));
}

TEST(IniFile, EveryWindows1252ByteIsReadAsTheSystemConverterReadsItAndWrittenBack)
{
    QStringDecoder system("windows-1252");
    if (!system.isValid()) GTEST_SKIP() << "no Windows-1252 converter in this Qt";
    QByteArray bytes = "a";
    for (int b = 0x20; b <= 0xFF; ++b) bytes += char(b);
    bytes += 'z';
    const QString text = system.decode(bytes);
    EXPECT_EQ(ini::Decode(bytes), text);
    // Written into a Windows-1252 file, the text is those bytes again, not a UTF-8 file.
    EXPECT_EQ(*ini::WithValue("[S]\r\n", QStringLiteral("S"), QStringLiteral("k"), text), "[S]\r\nk=" + bytes + "\r\n");
}

TEST(IniFile, Utf16FilesAreReadAndWrittenInTheirOwnByteOrder)
{
    const QString text = QString::fromUtf8("[S]\r\na=\"€ è\"\r\n");
    QByteArray little("\xFF\xFE");
    little.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QByteArray big("\xFE\xFF");
    for (const QChar c : text) big.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    for (const QByteArray& f : {little, big}) {
        EXPECT_EQ(Value(f, "S", "a"), QString::fromUtf8("€ è")) << f.left(2).toHex().constData();
        const auto after = ini::WithValue(f, QStringLiteral("S"), QStringLiteral("b"), QString::fromUtf8("città"));
        ASSERT_TRUE(after);
        EXPECT_TRUE(after->startsWith(f)) << "the old bytes stay, in the same order";
        EXPECT_EQ(Value(*after, "S", "a"), QString::fromUtf8("€ è"));
        EXPECT_EQ(Value(*after, "S", "b"), QString::fromUtf8("città"));
    }
}

TEST(IniReader, BigFilesAreReadByTheSameRulesWithinTheirSection)
{
    // Every window has a Command1: a big file must give the one of the section asked for.
    auto file = [](int padTo) {
        QByteArray f = "[FormAvvio]\r\nCommand1.Caption=\"Avvio\"\r\n[Strings]\r\n";
        f += "00010=\"dieci\"\r\n0001=\"uno\"\r\nnudo=senza\r\nspazi =  \" a \"  \r\n";
        f += "[FormMenu]\r\ncommand1.caption=\"Esci\"\r\n[Padding]\r\n";
        const QByteArray line = "p=\"" + QByteArray(60, 'x') + "\"\r\n";
        while (f.size() + line.size() <= padTo) f += line;
        f += QByteArray(padTo - f.size(), ';');
        return f;
    };
    for (const int size : {64000, 64001, 200000}) {
        const QByteArray f = file(size);
        ASSERT_EQ(f.size(), size);
        EXPECT_EQ(Value(f, "FormMenu", "Command1.Caption"), "Esci") << size;
        EXPECT_EQ(Value(f, "FormAvvio", "Command1.Caption"), "Avvio") << size;
        EXPECT_EQ(Value(f, "Strings", "0001"), "uno") << size;
        EXPECT_EQ(Value(f, "Strings", "nudo"), "senza") << size;
        EXPECT_EQ(Value(f, "strings", "SPAZI"), " a ") << size;
    }
}

TEST(IniWriter, ReplacesOnlyItsKeyAndKeepsEveryOtherByte)
{
    const QByteArray before = "; impostazioni\r\n[Other]\r\nCurrentLanguage=\"resta\"\r\n\r\n"
                              "[Language]\r\n  currentlanguage = \"Italiano\"  \r\nAltro='x'\r\n;fine";
    const auto after = ini::WithValue(before, QStringLiteral("language"), QStringLiteral("CurrentLanguage"),
                                      QStringLiteral("English"));
    ASSERT_TRUE(after);
    EXPECT_EQ(*after, QByteArray("; impostazioni\r\n[Other]\r\nCurrentLanguage=\"resta\"\r\n\r\n"
                                 "[Language]\r\nCurrentLanguage=English\r\nAltro='x'\r\n;fine"));
    EXPECT_EQ(Value(*after, "Language", "CurrentLanguage"), "English");
    EXPECT_EQ(Value(*after, "Other", "CurrentLanguage"), "resta");
}

TEST(IniWriter, AddsKeyToItsSectionOrSectionToTheFile)
{
    const QByteArray withSection = "[Language]\r\nA=1\r\n\r\n[Next]\r\nB=2\r\n";
    EXPECT_EQ(*ini::WithValue(withSection, QStringLiteral("Language"), QStringLiteral("K"), QStringLiteral("v")),
              QByteArray("[Language]\r\nA=1\r\nK=v\r\n\r\n[Next]\r\nB=2\r\n"));
    EXPECT_EQ(*ini::WithValue("[Language]", QStringLiteral("Language"), QStringLiteral("K"), QStringLiteral("v")),
              QByteArray("[Language]\r\nK=v"));
    EXPECT_EQ(*ini::WithValue("X=1", QStringLiteral("Language"), QStringLiteral("K"), QStringLiteral("v")),
              QByteArray("X=1\r\n[Language]\r\nK=v\r\n"));
    EXPECT_EQ(*ini::WithValue("a=1\nb=2\n", QStringLiteral("Language"), QStringLiteral("K"), QStringLiteral("v")),
              QByteArray("a=1\nb=2\n[Language]\nK=v\n"));
    EXPECT_EQ(*ini::WithValue(QByteArray(), QStringLiteral("Language"), QStringLiteral("K"), QStringLiteral("v")),
              QByteArray("[Language]\r\nK=v\r\n"));
}

TEST(IniWriter, ReadsLinesAsTheReaderDoes)
{
    // Found by fuzzing: a byte-order mark inside a file is text, not a mark, for the writer too.
    const QByteArray f = "; c\r\n\xEF\xBB\xBF [Strings]\r\n0001=\"uno\"\r\n";
    const auto after = ini::WithValue(f, QStringLiteral("Strings"), QStringLiteral("k"), QStringLiteral("v"));
    ASSERT_TRUE(after);
    EXPECT_EQ(Value(*after, "Strings", "k"), "v");
    EXPECT_FALSE(Read(*after, "Strings", "0001"));

    // The same inside a UTF-8 file, where the mark opens a line of its own.
    const QByteArray utf8 = "\xEF\xBB\xBF; c\n\xEF\xBB\xBF[Strings]\r\n0001=\"uno\"\r\n";
    const auto written = ini::WithValue(utf8, QStringLiteral("Strings"), QStringLiteral("k"), QStringLiteral("v"));
    ASSERT_TRUE(written);
    EXPECT_EQ(Value(*written, "Strings", "k"), "v");
    EXPECT_FALSE(Read(*written, "Strings", "0001"));
    EXPECT_EQ(Value("\xEF\xBB\xBF[S]\r\na=\"\xEF\xBB\xBFx\"\r\n", "S", "a"), QChar(0xFEFF) + QStringLiteral("x"));

    // A UTF-8 sequence cut short by the end of the file reads the same before and after a
    // line is added behind it.
    const QByteArray cut = "\xEF\xBB\xBF[Language]\r\n0002=\xEF";
    EXPECT_EQ(Value(cut, "Language", "0002"), QString(QChar(0xFFFD)));
    const auto added = ini::WithValue(cut, QStringLiteral("Strings"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(Value(*added, "Language", "0002"), QString(QChar(0xFFFD)));
}

TEST(IniWriter, RefusesTextsThatWouldChangeOtherEntries)
{
    const QByteArray f = "[Language]\r\nCurrentLanguage=Italiano\r\n";
    EXPECT_FALSE(ini::WithValue(f, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                                QStringLiteral("x\r\n[Strings]\r\n0001=y")));
    EXPECT_FALSE(ini::WithValue(f, QStringLiteral("Language"), QStringLiteral("a=b"), QStringLiteral("v")));
    EXPECT_FALSE(ini::WithValue(f, QStringLiteral("La]nguage"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(ini::WithValue(f, QStringLiteral("Language"), QStringLiteral("[k"), QStringLiteral("v")));
    EXPECT_FALSE(ini::WithValue(f, QStringLiteral("Language"), QStringLiteral(";k"), QStringLiteral("v")));
    EXPECT_FALSE(ini::WithValue(f, QString(), QStringLiteral("k"), QStringLiteral("v")));
}

TEST(IniWriter, TextOutsideTheCodePageTurnsTheFileToUtf8AndKeepsEveryValue)
{
    const QByteArray f = "[Strings]\r\n0001=\"caff\xE8\"\r\n[Language]\r\nCurrentLanguage=Italiano\r\n";
    const auto after = ini::WithValue(f, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"),
                                      QString::fromUtf8("Русский"));
    ASSERT_TRUE(after);
    EXPECT_TRUE(after->startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(Value(*after, "Language", "CurrentLanguage"), QString::fromUtf8("Русский"));
    EXPECT_EQ(Value(*after, "Strings", "0001"), QString::fromUtf8("caffè"));
    // Code-page text stays in the code page.
    const auto ansi = ini::WithValue(f, QStringLiteral("Strings"), QStringLiteral("0002"), QString::fromUtf8("città"));
    EXPECT_TRUE(ansi->contains("0002=citt\xE0\r\n"));
}

TEST(IniWriter, EveryValueReadsBackAsWritten)
{
    // The reader drops blanks at the ends and one pair of enclosing quotes: such values are quoted.
    for (const char* v : {"  x  ", "\tx", "x ", "\"x\"", "'x'", "\"", "'", "\"x'", " \"x\" ", "\"\"", "", "a \"b\" c"}) {
        const QString value = QString::fromLatin1(v);
        const auto f = ini::WithValue("[S]\r\nk=old\r\n", QStringLiteral("S"), QStringLiteral("k"), value);
        ASSERT_TRUE(f) << v;
        EXPECT_EQ(Value(*f, "S", "k"), value) << f->constData();
    }
    EXPECT_EQ(*ini::WithValue("", QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("  x  ")),
              QByteArray("[S]\r\nk=\"  x  \"\r\n"));
    EXPECT_EQ(*ini::WithValue("", QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("\"x\"")),
              QByteArray("[S]\r\nk=\"\"x\"\"\r\n"));
}
