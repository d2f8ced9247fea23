#include "grid/io/NumberText.h"
#include "grid/io/XlsxWorkbook.h"
#include "grid/io/ZipArchive.h"
#include "support/QStringPrinter.h"
#include <QLocale>
#include <gtest/gtest.h>

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

QByteArray Xml(const char* Body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") + Body;
}

// A workbook as another program writes it: shared strings with rich text and phonetic runs, a chart sheet
// between two worksheets, the second one active, a target given as an absolute part name.
QByteArray HandMadeWorkbook()
{
    const TZipEntries entries{
        {"[Content_Types].xml",
         Xml("<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
             "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>")},
        {"_rels/.rels", Xml("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                            "<Relationship Id=\"r1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                            "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>")},
        {"xl/workbook.xml",
         Xml("<x:workbook xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
             "xmlns:rel=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
             "<x:bookViews><x:workbookView activeTab=\"2\"/></x:bookViews><x:sheets>"
             "<x:sheet name=\"Data\" sheetId=\"1\" rel:id=\"rId1\"/><x:sheet name=\"Chart\" sheetId=\"5\" rel:id=\"rId3\"/>"
             "<x:sheet name=\"Second\" sheetId=\"2\" rel:id=\"rId2\"/></x:sheets></x:workbook>")},
        {"xl/_rels/workbook.xml.rels",
         Xml("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
             "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
             "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
             "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
             "worksheet\" Target=\"/xl/worksheets/sheet2.xml\"/>"
             "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
             "chartsheet\" Target=\"chartsheets/sheet1.xml\"/>"
             "<Relationship Id=\"rId4\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
             "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>")},
        {"xl/sharedStrings.xml",
         Xml("<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><si><t>plain</t></si>"
             "<si><r><t>ri</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">ch </t></r><rPh><t>PHON</t></rPh></si>"
             "<si><t>tab_x0009_x_x005F_x0041_</t></si></sst>")},
        {"xl/worksheets/sheet1.xml",
         Xml("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
             "<row r=\"2\"><c r=\"A2\" s=\"3\"/></row>"   // formatting alone is no value
             "<row r=\"3\"><c r=\"B3\" t=\"s\"><v>0</v></c><c t=\"inlineStr\"><is><t>inline</t></is></c>"
             "<c r=\"D3\"><v>3.5</v></c></row>"
             "<row r=\"4\"><c r=\"B4\" t=\"b\"><v>1</v></c><c r=\"C4\" t=\"e\"><v>#DIV/0!</v></c>"
             "<c r=\"D4\" t=\"str\"><f>A1</f><v>calc</v></c></row>"
             "<row r=\"10\"><c r=\"d10\"><v>-2E-3</v></c><c r=\"C10\" t=\"b\"><v>0</v></c></row>"
             "</sheetData></worksheet>")},
        {"xl/worksheets/sheet2.xml",
         Xml("<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
             "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c></row><row><c t=\"s\"><v>2</v></c></row>"
             "</sheetData></worksheet>")},
    };
    return *NewZipArchive(entries);
}

QStringList Texts(const TSheetCells& Sheet)
{
    QStringList texts;
    for (const TSheetCell& c : Sheet.Cells)
        texts << QStringLiteral("%1%2=%3").arg(ColumnLetters(c.Col)).arg(c.Row).arg(c.Text.value_or("<error>"));
    return texts;
}

void ExpectIncorrect(const QByteArray& Bytes)
{
    try {
        TXlsxWorkbook book(Bytes);
        book.ReadSheet(book.ActiveSheet(), English);
        ADD_FAILURE() << "read as a workbook";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), Incorrect_XLS_File);
    }
}

} // namespace

TEST(XlsxWorkbook, ColumnLettersBothWays)
{
    const std::pair<int, const char*> cases[] = {{1, "A"},    {26, "Z"},   {27, "AA"},   {28, "AB"},   {52, "AZ"},
                                                 {53, "BA"},  {702, "ZZ"}, {703, "AAA"}, {728, "AAZ"}, {16384, "XFD"}};
    for (const auto& [n, letters] : cases) {
        SCOPED_TRACE(letters);
        EXPECT_EQ(ColumnLetters(n), letters);
        EXPECT_EQ(ColumnNumber(QString::fromLatin1(letters)), n);
        EXPECT_EQ(ColumnNumber(QString::fromLatin1(letters).toLower()), n);
    }
    EXPECT_EQ(ColumnLetters(0), "");
    for (const char* bad : {"", "XFE", "AAAA", "A1", "Ä"})
        EXPECT_EQ(ColumnNumber(QString::fromUtf8(bad)), 0) << bad;
}

TEST(XlsxWorkbook, ATextIsANumberOnlyWhenItReadsBackUnchanged)
{
    struct Case {
        const char* text;
        const QLocale* locale;
        std::optional<double> number;
    };
    const Case cases[] = {
        {"3.5", &English, 3.5},       {"-2", &English, -2.0},      {"0.1", &English, 0.1},
        {"1E+20", &English, 1e20},    {"123456789012", &English, 123456789012.0},
        {"3,5", &German, 3.5},        {"3.5", &German, {}},        {"3,5", &English, {}},
        {"007", &English, {}},        {"1.50", &English, {}},      {" 1", &English, {}},
        {"1e5", &English, {}},        {"1,000", &English, {}},     {"12345678901234567890", &English, {}},
        {"-0", &English, {}},         {"abc", &English, {}},       {"", &English, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CanonicalNumber(QString::fromLatin1(c.text), *c.locale), c.number);
    }
    EXPECT_EQ(NumberText(-0.0, English), "0");
    EXPECT_EQ(NumberText(2.5e-7, German), "2,5E-07");
}

TEST(XlsxWorkbook, ReadsAnotherProgramsWorkbook)
{
    TXlsxWorkbook book(HandMadeWorkbook());
    EXPECT_EQ(book.SheetNames(), (QStringList{"Data", "Second"}));
    EXPECT_EQ(book.ActiveSheet(), 1);

    const TSheetCells data = book.ReadSheet(0, German);
    EXPECT_EQ(std::tuple(data.Left, data.Top, data.Right, data.Bottom), std::tuple(2, 3, 4, 10));
    EXPECT_EQ(Texts(data), (QStringList{"B3=plain", "C3=inline", "D3=3,5", "B4=True", "C4=<error>", "D4=calc",
                                        "C10=False", "D10=-0,002"}));

    const TSheetCells second = book.ReadSheet(1, English);
    EXPECT_EQ(Texts(second), (QStringList{"A1=rich ", "A2=tab\tx_x0041_"}));
}

TEST(XlsxWorkbook, WriterAndReaderAgree)
{
    const TTextTable table{{"name", "", "3.5", "007"},
                           {" lead", "two\nlines", "_x0041_", QString("ctl") + QChar(1)},
                           {"Ünïcödé 😀", "-2"}};
    TXlsxWorkbook book(NewXlsxWorkbook("Sheet & <1>", table, English));
    EXPECT_EQ(book.SheetNames(), QStringList{"Sheet & <1>"});
    EXPECT_EQ(Texts(book.ReadSheet(book.ActiveSheet(), English)),
              (QStringList{"A1=name", "C1=3.5", "D1=007", "A2= lead", "B2=two\nlines", "C2=_x0041_",
                           QString("D2=ctl") + QChar(1), "A3=Ünïcödé 😀", "B3=-2"}));
}

TEST(XlsxWorkbook, RefusesWhatIsNoWorkbook)
{
    const QByteArray good = NewXlsxWorkbook("S", {{"a", "1"}}, English);
    QByteArray legacy("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    legacy.append(4096, '\0');
    QByteArray damaged = good;
    damaged[damaged.indexOf("xl/worksheets/sheet1.xml") + 40] ^= 0x55;   // inside the entry's compressed data
    for (const QByteArray& bytes : {legacy, good.left(good.size() / 2), damaged, QByteArray("PK\x03\x04"), QByteArray()})
        ExpectIncorrect(bytes);
}

TEST(ZipArchive, ZipBombsAreRefused)
{
    // One entry that unpacks past the limit; the header's size is not what stops it.
    const QByteArray big(Max_Zip_Entry_Size + 1, ' ');
    const QByteArray bomb = *NewZipArchive({{"xl/workbook.xml", big}, {"small", "ok"}});
    EXPECT_LT(bomb.size(), Max_Zip_Entry_Size / 100);
    TZipReader reader(bomb);
    ASSERT_TRUE(reader.IsOpen());
    EXPECT_FALSE(reader.Read("xl/workbook.xml"));
    EXPECT_EQ(reader.Read("small"), QByteArray("ok"));
    ExpectIncorrect(bomb);
}

TEST(ZipArchive, ArchivesOfTooManyEntriesAreRefused)
{
    TZipEntries many;
    for (int i = 0; i <= Max_Zip_Entries; ++i)
        many << qMakePair(QStringLiteral("e%1").arg(i), QByteArray());
    EXPECT_FALSE(TZipReader(*NewZipArchive(many)).IsOpen());
}

TEST(XlsxWorkbook, PuttingASheetKeepsEveryOtherPart)
{
    const QByteArray original = HandMadeWorkbook();
    const QByteArray added = PutXlsxSheet(original, "New", {{"x"}}, English);
    TXlsxWorkbook withNew(added);
    EXPECT_EQ(withNew.SheetNames(), (QStringList{"Data", "Second", "New"}));
    EXPECT_EQ(Texts(withNew.ReadSheet(2, English)), QStringList{"A1=x"});
    EXPECT_EQ(Texts(withNew.ReadSheet(1, English)), (QStringList{"A1=rich ", "A2=tab\tx_x0041_"}));

    const QByteArray replaced = PutXlsxSheet(added, "data", {{"1", "y"}}, English);
    TXlsxWorkbook book(replaced);
    EXPECT_EQ(book.SheetNames(), (QStringList{"Data", "Second", "New"}));
    EXPECT_EQ(Texts(book.ReadSheet(0, English)), (QStringList{"A1=1", "B1=y"}));
    TZipReader before(added), after(replaced);
    for (const char* part : {"xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/sharedStrings.xml",
                             "xl/worksheets/sheet2.xml", "xl/worksheets/sheet3.xml", "_rels/.rels"})
        EXPECT_EQ(before.Read(part), after.Read(part)) << part;

    EXPECT_THROW(PutXlsxSheet(original, "chart", {{"x"}}, English), std::runtime_error);
}
