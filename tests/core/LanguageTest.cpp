#include "core/UComon.h"
#include "core/ULanguage.h"
#include "support/QStringPrinter.h"
#include "support/TempProgramFolder.h"
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

QStringList BuiltInTable()
{
    QStringList list;
    for (int n = 0; n < 4100; ++n)
        list.append(Default_Language_Text(n));
    return list;
}

QByteArray Utf8WithBom(const QString& text)
{
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace

TEST(BuiltInTexts, CountAndTrickyEntries)
{
    const QStringList table = BuiltInTable();
    EXPECT_EQ(std::count_if(table.begin(), table.end(), [](const QString& t) { return t != QLatin1String(" "); }), 2351);
    EXPECT_EQ(table[0], QStringLiteral("Begin"));
    EXPECT_EQ(table[9], QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(table[306], QStringLiteral(" / "));
    EXPECT_EQ(table[930], QStringLiteral("!! Position must be between 0 and "));
    EXPECT_EQ(table[2157], QStringLiteral("Select the BACnet Type in the \"Set Communication\" section"));
    EXPECT_EQ(table[3626], QStringLiteral("Description for the M-Bus meter (defined in the section \u201CM-Bus\u201D)"));
    EXPECT_EQ(table[3944], QStringLiteral("!! OID string cannot contains number major of $FFFFFFFF between two \".\""));
    EXPECT_EQ(table[4086], QStringLiteral("!! [SNMP Write] Conversion must be selected"));
    for (int filler : {70, 1801, 2000, 2099, 4087, 4099})
        EXPECT_EQ(table[filler], QStringLiteral(" ")) << filler;
    EXPECT_EQ(Default_Language_Text(-1), QStringLiteral(" "));
    EXPECT_EQ(Default_Language_Text(4100), QStringLiteral(" "));
}

TEST(SetDefaultLanguage, FillsTheWholeTableAndLangGuardsItsRange)
{
    Lang_List.clear();
    Lang_Num_Str = 0;
    EXPECT_EQ(Lang(0), QStringLiteral(" "));
    Set_Default_Language();
    EXPECT_EQ(Lang_Num_Str, 4100);
    EXPECT_EQ(Lang_List, BuiltInTable());
    EXPECT_EQ(Lang(18), QStringLiteral("Error! Project not Valid"));
    EXPECT_EQ(Lang(-1), QStringLiteral(" "));
    EXPECT_EQ(Lang(4100), QStringLiteral(" "));
}

class LanguageFile : public testing::Test {
protected:
    // Writes the file under LANGUAGE and loads it over the built-in texts.
    bool Load(const QByteArray& bytes, const QString& name = QStringLiteral("Test.lng"))
    {
        Set_Default_Language();
        return Load_Language_File(folder.writeFile(QStringLiteral("LANGUAGE/") + name, bytes));
    }
    // The numbers whose text now differs from the built-in one.
    std::vector<int> Changed() const
    {
        std::vector<int> changed;
        const QStringList builtIn = BuiltInTable();
        for (int n = 0; n < 4100; ++n)
            if (Lang_List[n] != builtIn[n])
                changed.push_back(n);
        return changed;
    }

    TempProgramFolder folder;
};

struct LineCase {
    const char* line;  // UTF-8
    int number;
    std::optional<const char*> text;  // none: nothing changes
};
const LineCase kLineCases[] = {
    {"STR12 = Hello", 12, "Hello"},
    {"STR12=Hello", 1, "Hello"},  // the character before "=" is always dropped
    {"STR5=Hello", 5, std::nullopt},
    {"   STR12   = Hello", 12, "Hello"},
    {"STR 12 = Hello", 12, "Hello"},
    {"\tSTR12 = \tHello\t ", 12, "Hello"},
    {"str12 = Hello", 12, std::nullopt},
    {"STR4100 = Hello", 4100, std::nullopt},
    {"STR-1 = Hello", -1, std::nullopt},
    {"STR0 = First", 0, "First"},
    {"STR4099 = Last", 4099, "Last"},
    {"STRx = Hello", 12, std::nullopt},
    {"STR12 Hello", 12, std::nullopt},
    {"STR= Hello", 12, std::nullopt},
    {"STR12 = a=b", 12, "a=b"},
    {"STR12 = Hello /#/ note", 12, "Hello"},
    {"STR12 = /#/ note", 12, std::nullopt},
    {"STR12 = \u00b6 Hello \u00b6", 12, " Hello "},
    {"STR12 = \u00b6Page \u00b6", 12, "Page "},
    {"STR12 = \u00b6\u00b6", 12, ""},
    {"STR12 = He\u00b6llo", 12, "He"},
    {"STR12 = \u00b6 a /#/ b \u00b6", 12, " a"},
    {"STR12 = ", 12, std::nullopt},
    {"STR12 =", 12, std::nullopt},
    {"; STR12 = Hello", 12, std::nullopt},
};

TEST_F(LanguageFile, LineRules)
{
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE(c.line);
        ASSERT_TRUE(Load(Utf8WithBom(QString::fromUtf8(c.line))));
        if (!c.text) {
            EXPECT_EQ(Changed(), std::vector<int>{});
            continue;
        }
        EXPECT_EQ(Lang(c.number), QString::fromUtf8(*c.text));
        const std::vector<int> expected{c.number};
        EXPECT_EQ(Changed(), expected);
    }
}

TEST_F(LanguageFile, LaterLineWinsAndOtherLinesStillApply)
{
    ASSERT_TRUE(Load("STR12 = One\nnonsense\nSTR99999999999 = x\nSTR13 = Two\nSTR12 = Three\n"));
    EXPECT_EQ(Lang(12), QStringLiteral("Three"));
    EXPECT_EQ(Lang(13), QStringLiteral("Two"));
    EXPECT_EQ(Changed(), (std::vector<int>{12, 13}));
}

TEST_F(LanguageFile, EncodingsByByteOrderMarkAndLineEnds)
{
    const QString text = QStringLiteral("STR1 = Caf\u00e9 \u20ac\rSTR2 = \u00b6 x \u00b6\r\nSTR3 = \u65e5\u672c\nSTR4 = last");
    QStringEncoder le(QStringConverter::Utf16LE);
    QStringEncoder be(QStringConverter::Utf16BE);
    const std::pair<const char*, QByteArray> files[] = {
        {"UTF-8", Utf8WithBom(text)},
        {"UTF-16LE", QByteArray("\xFF\xFE") + QByteArray(le(text))},
        {"UTF-16BE", QByteArray("\xFE\xFF") + QByteArray(be(text))},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Load(bytes));
        EXPECT_EQ(Lang(1), QStringLiteral("Caf\u00e9 \u20ac"));
        EXPECT_EQ(Lang(2), QStringLiteral(" x "));
        EXPECT_EQ(Lang(3), QStringLiteral("\u65e5\u672c"));
        EXPECT_EQ(Lang(4), QStringLiteral("last"));
    }
}

TEST_F(LanguageFile, WithoutByteOrderMarkTheFileIsWindows1252)
{
    ASSERT_TRUE(Load("STR1 = \xB6 Caf\xE9 \x80 \xB6\r\nSTR2 = \x93q\x94\r\n"));
    EXPECT_EQ(Lang(1), QStringLiteral(" Caf\u00e9 \u20ac "));
    EXPECT_EQ(Lang(2), QStringLiteral("\u201Cq\u201D"));
}

TEST_F(LanguageFile, JunkOrUnreadableFilesLeaveTheBuiltInTexts)
{
    QByteArray junk(64 * 1024, '\0');
    QRandomGenerator random(12345);
    for (char& b : junk)
        b = static_cast<char>(random.bounded(256));
    const std::pair<const char*, QByteArray> files[] = {
        {"empty", QByteArray()},
        {"random bytes", junk},
        {"bom only", QByteArray("\xFF\xFE")},
        {"odd UTF-16", QByteArray("\xFF\xFES\0T\0R\0", 9)},
        {"broken UTF-8", QByteArray("\xEF\xBB\xBF\xC3\x28\xFF\xFE\x00\r\r\n")},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Load(bytes));
        EXPECT_EQ(Changed(), std::vector<int>{});
    }
    // A good line among binary bytes still applies.
    ASSERT_TRUE(Load(junk.left(100) + "\nSTR12 = Hello\n" + junk.left(100)));
    EXPECT_EQ(Lang(12), QStringLiteral("Hello"));

    Set_Default_Language();
    EXPECT_FALSE(Load_Language_File(folder.language() + QStringLiteral("/missing.lng")));
    EXPECT_FALSE(Load_Language_File(folder.language()));  // a folder cannot be read as a file
    EXPECT_EQ(Changed(), std::vector<int>{});
}

TEST_F(LanguageFile, BeforeTheTableIsFilledNothingIsSet)
{
    Lang_List.clear();
    Lang_Num_Str = 0;
    const QString path = folder.writeFile(QStringLiteral("LANGUAGE/Test.lng"), "STR0 = Hello\n");
    EXPECT_TRUE(Load_Language_File(path));
    EXPECT_TRUE(Lang_List.isEmpty());
}

class LoadLanguage : public LanguageFile {};

TEST_F(LoadLanguage, ChosenFileOverEnglishFallbackOverBuiltIn)
{
    folder.writeFile(QStringLiteral("LANGUAGE/Italiano.lng"), "STR12 = Informazione\n");
    folder.writeFile(QStringLiteral("LANGUAGE/English.lng"), "STR12 = Info\n");

    Language_Name = QStringLiteral("Italiano");
    Load_Language();
    EXPECT_EQ(Lang(12), QStringLiteral("Informazione"));
    EXPECT_EQ(Language_Name, QStringLiteral("Italiano"));

    Language_Name = QStringLiteral("Deutsch");
    Load_Language();
    EXPECT_EQ(Lang(12), QStringLiteral("Info"));
    EXPECT_EQ(Language_Name, QStringLiteral("English"));

    QFile::remove(folder.language() + QStringLiteral("/English.lng"));
    Language_Name = QStringLiteral("Deutsch");
    Load_Language();
    EXPECT_EQ(Lang_List, BuiltInTable());
    EXPECT_EQ(Language_Name, QStringLiteral("English"));
}

TEST_F(LoadLanguage, FileNameMayDifferInLetterCase)
{
    folder.writeFile(QStringLiteral("LANGUAGE/ITALIANO.LNG"), "STR12 = Informazione\n");
    Language_Name = QStringLiteral("Italiano");
    Load_Language();
    EXPECT_EQ(Lang(12), QStringLiteral("Informazione"));
    EXPECT_EQ(Language_Name, QStringLiteral("Italiano"));

    // The exact name wins over one that differs in case.
    folder.writeFile(QStringLiteral("LANGUAGE/Italiano.lng"), "STR12 = Esatto\n");
    Load_Language();
    EXPECT_EQ(Lang(12), QStringLiteral("Esatto"));
}

TEST_F(LoadLanguage, ASecondLanguageStartsAgainFromEnglish)
{
    folder.writeFile(QStringLiteral("LANGUAGE/One.lng"), "STR12 = Uno\nSTR13 = Due\n");
    folder.writeFile(QStringLiteral("LANGUAGE/Two.lng"), "STR13 = Zwei\n");
    Language_Name = QStringLiteral("One");
    Load_Language();
    Language_Name = QStringLiteral("Two");
    Load_Language();
    EXPECT_EQ(Lang(12), Default_Language_Text(12));
    EXPECT_EQ(Lang(13), QStringLiteral("Zwei"));
}

TEST_F(LoadLanguage, AFolderNamedLikeTheFileIsNoLanguageFile)
{
    QDir().mkpath(folder.language() + QStringLiteral("/Italiano.lng"));
    folder.writeFile(QStringLiteral("LANGUAGE/English.lng"), "STR12 = Info\n");
    Language_Name = QStringLiteral("Italiano");
    Load_Language();
    EXPECT_EQ(Lang(12), QStringLiteral("Info"));
    EXPECT_EQ(Language_Name, QStringLiteral("English"));
}

// A settings file naming the language "../../outside/Evil" loaded a file from outside LANGUAGE.
TEST_F(LoadLanguage, ANameThatIsNotAPlainFileNameReadsAsEnglish)
{
    folder.writeFile(QStringLiteral("outside/Evil.lng"), "STR12 = Evil\n");
    folder.writeFile(QStringLiteral("LANGUAGE/sub/Evil.lng"), "STR12 = Evil\n");
    folder.writeFile(QStringLiteral("LANGUAGE/English.lng"), "STR12 = Info\n");
    folder.writeFile(QStringLiteral(".lng"), "STR12 = Evil\n");
    for (const char* name : {"../outside/Evil", "sub/Evil", "..\\outside\\Evil", "..", ".", "", "/tmp/../x"}) {
        SCOPED_TRACE(name);
        Language_Name = QString::fromLatin1(name);
        Load_Language();
        EXPECT_EQ(Lang(12), QStringLiteral("Info"));
        EXPECT_EQ(Language_Name, QStringLiteral("English"));
    }
}

// A 200 MB language file delayed start-up by half a minute.
TEST_F(LoadLanguage, ATooLargeFileIsRefusedWithAMessageAndAFifoIsNoLanguageFile)
{
    const QString huge = folder.writeFile(QStringLiteral("LANGUAGE/Huge.lng"), "STR12 = Huge\n");
    ASSERT_TRUE(QFile::resize(huge, 16 * 1024 * 1024 + 1));
    Language_Name = QStringLiteral("Huge");
    QString error;
    Load_Language(&error);
    EXPECT_EQ(error, QStringLiteral("Error! The file %1 cannot be read: it is larger than 16 MB").arg(huge));
    EXPECT_EQ(Lang_List, BuiltInTable());

    // Just at the limit it is read.
    ASSERT_TRUE(QFile::resize(huge, 16 * 1024 * 1024));
    error.clear();
    Load_Language(&error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(Lang(12), QStringLiteral("Huge"));

    // A FIFO is not waited on: it reads as a missing language.
    const QString fifo = folder.language() + QStringLiteral("/Pipe.lng");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(Load_Language_File(fifo, &error));
    EXPECT_EQ(error, QStringLiteral("Error! The file %1 cannot be read: it is not a regular file").arg(fifo));
    Language_Name = QStringLiteral("Pipe");
    Load_Language();
    EXPECT_EQ(Language_Name, QStringLiteral("English"));
}
