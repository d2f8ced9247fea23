#include "grid/io/XlsxWorkbook.h"
#include "grid/io/NumberText.h"
#include "grid/io/OfficePackage.h"
#include "grid/io/ZipArchive.h"
#include <QLocale>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <stdexcept>

namespace {

constexpr int Max_Sheet_Cols = 16384;      // XFD
constexpr int Max_Sheet_Rows = 1048576;

const QString Worksheet_Type =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet");
const QString Worksheet_Content_Type =
    QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml");
const QString Main_Namespace = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString Relationships_Namespace =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

[[noreturn]] void Incorrect()
{
    throw std::runtime_error(Incorrect_XLS_File);
}

QByteArray Need(std::optional<QByteArray> Bytes)
{
    if (!Bytes)
        Incorrect();
    return *Bytes;
}

// "B3" -> column 2, row 3.
bool ParseCellRef(QStringView Ref, int& Col, int& Row)
{
    qsizetype letters = 0;
    while (letters < Ref.size() && Ref[letters].isLetter())
        ++letters;
    bool ok = false;
    Col = ColumnNumber(Ref.left(letters));
    Row = Ref.mid(letters).toInt(&ok);
    return ok && Col > 0 && Row >= 1 && Row <= Max_Sheet_Rows && Ref.mid(letters).front().isDigit();
}

// Spreadsheet strings carry characters XML cannot hold as "_xHHHH_"; a literal "_x" sequence escapes its "_".
bool IsEscapeAt(QStringView Text, qsizetype I)
{
    if (I + 7 > Text.size() || Text[I] != u'_' || Text[I + 1] != u'x' || Text[I + 6] != u'_')
        return false;
    return std::all_of(Text.begin() + I + 2, Text.begin() + I + 6,
                       [](QChar ch) { return (ch >= u'0' && ch <= u'9') || (ch.toLower() >= u'a' && ch.toLower() <= u'f'); });
}

QString DecodeXString(const QString& Text)
{
    if (!Text.contains(QLatin1String("_x")))
        return Text;
    QString out;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (IsEscapeAt(Text, i)) {
            out += QChar(char16_t(Text.mid(i + 2, 4).toUShort(nullptr, 16)));
            i += 6;
        } else {
            out += Text[i];
        }
    }
    return out;
}

QString EncodeXString(const QString& Text)
{
    QString out;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar ch = Text[i];
        const bool pairStart = ch.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate();
        const bool pairEnd = ch.isLowSurrogate() && i > 0 && Text[i - 1].isHighSurrogate();
        const bool invalid = ch.isSurrogate() ? !pairStart && !pairEnd : !IsXmlChar(ch.unicode());
        if (invalid || IsEscapeAt(Text, i))
            out += QStringLiteral("_x") + QString::number(ch.unicode(), 16).toUpper().rightJustified(4, u'0') + u'_';
        else
            out += ch;
    }
    return out;
}

// Every <t> of a string item, leaving out phonetic runs.
QString ReadStringItem(QXmlStreamReader& Xml)
{
    QString text;
    int depth = 1, phonetic = 0;
    while (depth > 0 && !Xml.atEnd()) {
        const auto token = Xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (Xml.name() == QLatin1String("rPh"))
                phonetic = depth;
            else if (Xml.name() == QLatin1String("t") && !phonetic) {
                text += Xml.readElementText();
                --depth;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == phonetic)
                phonetic = 0;
            --depth;
        }
    }
    return DecodeXString(text);
}

QByteArray SheetXml(const TTextTable& Cells, const QLocale& Locale)
{
    // One part of the package, in memory; the workbook reaches the disk whole through WriteGridFile.
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("worksheet"));
    xml.writeDefaultNamespace(Main_Namespace);
    qsizetype width = 0;
    for (const QStringList& row : Cells)
        width = std::max(width, row.size());
    if (!Cells.isEmpty() && width > 0) {
        xml.writeEmptyElement(QStringLiteral("dimension"));
        xml.writeAttribute(QStringLiteral("ref"), QStringLiteral("A1:%1%2").arg(ColumnLetters(int(width))).arg(Cells.size()));
    }
    xml.writeStartElement(QStringLiteral("sheetData"));
    for (qsizetype r = 0; r < Cells.size(); ++r) {
        xml.writeStartElement(QStringLiteral("row"));
        xml.writeAttribute(QStringLiteral("r"), QString::number(r + 1));
        for (qsizetype c = 0; c < Cells[r].size(); ++c) {
            const QString& text = Cells[r][c];
            if (text.isEmpty())
                continue;
            xml.writeStartElement(QStringLiteral("c"));
            xml.writeAttribute(QStringLiteral("r"), ColumnLetters(int(c + 1)) + QString::number(r + 1));
            if (const std::optional<double> number = CanonicalNumber(text, Locale)) {
                xml.writeTextElement(QStringLiteral("v"), QString::number(*number, 'g', QLocale::FloatingPointShortest));
            } else {
                xml.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
                xml.writeStartElement(QStringLiteral("is"));
                xml.writeStartElement(QStringLiteral("t"));
                if (text.front().isSpace() || text.back().isSpace())
                    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
                xml.writeCharacters(EncodeXString(text));
                xml.writeEndElement();
                xml.writeEndElement();
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

} // namespace

QString ColumnLetters(int Column)
{
    QString letters;
    for (; Column > 0; Column = (Column - 1) / 26)
        letters.prepend(QChar(u'A' + (Column - 1) % 26));
    return letters;
}

int ColumnNumber(QStringView Letters)
{
    if (Letters.isEmpty() || Letters.size() > 3)
        return 0;
    int n = 0;
    for (const QChar ch : Letters) {
        const char16_t u = ch.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            return 0;
        n = n * 26 + (u - u'A' + 1);
    }
    return n <= Max_Sheet_Cols ? n : 0;
}

TXlsxWorkbook::TXlsxWorkbook(const QByteArray& Bytes) : FZip(std::make_unique<TZipReader>(Bytes))
{
    if (!FZip->IsOpen())
        Incorrect();   // a legacy binary workbook, a truncated file or no archive at all
    FWorkbookPart = MainDocumentPart(*FZip, QStringLiteral("xl/workbook.xml"));
    const std::optional<QList<TRelationship>> rels = ReadRelationships(*FZip, FWorkbookPart);
    if (!rels)
        Incorrect();
    QXmlStreamReader xml(Need(FZip->Read(FWorkbookPart)));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("workbookView") && FSheets.isEmpty()) {
            FActiveTab = std::max(0, AttributeByLocalName(xml, u"activeTab").toInt());
        } else if (xml.name() == QLatin1String("sheet")) {
            TSheet sheet;
            sheet.Name = AttributeByLocalName(xml, u"name");
            const QString id = AttributeByLocalName(xml, u"id");
            for (const TRelationship& r : *rels)
                if (r.Id == id) {
                    sheet.Part = r.Target;
                    sheet.Worksheet = IsRelationshipType(r, u"worksheet");
                }
            FSheets << sheet;
        }
    }
    if (xml.hasError() || FSheets.isEmpty())
        Incorrect();
    for (const TRelationship& r : *rels)
        if (IsRelationshipType(r, u"sharedStrings"))
            FSharedStringsPart = r.Target;
}

TXlsxWorkbook::~TXlsxWorkbook() = default;

QList<TXlsxWorkbook::TSheet> TXlsxWorkbook::Worksheets() const
{
    QList<TSheet> sheets;
    std::copy_if(FSheets.cbegin(), FSheets.cend(), std::back_inserter(sheets), [](const TSheet& s) { return s.Worksheet; });
    return sheets;
}

QStringList TXlsxWorkbook::SheetNames() const
{
    QStringList names;
    for (const TSheet& s : Worksheets())
        names << s.Name;
    return names;
}

int TXlsxWorkbook::ActiveSheet() const
{
    if (FActiveTab >= FSheets.size() || !FSheets[FActiveTab].Worksheet)
        return -1;
    return int(std::count_if(FSheets.cbegin(), FSheets.cbegin() + FActiveTab, [](const TSheet& s) { return s.Worksheet; }));
}

const QStringList& TXlsxWorkbook::SharedStrings()
{
    if (FSharedStrings)
        return *FSharedStrings;
    FSharedStrings.emplace();
    if (FSharedStringsPart.isEmpty())
        return *FSharedStrings;
    QXmlStreamReader xml(Need(FZip->Read(FSharedStringsPart)));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            *FSharedStrings << ReadStringItem(xml);
    if (xml.hasError())
        Incorrect();
    return *FSharedStrings;
}

TSheetCells TXlsxWorkbook::ReadSheet(int Index, const QLocale& Locale)
{
    const QList<TSheet> sheets = Worksheets();
    if (Index < 0 || Index >= sheets.size())
        Incorrect();
    QXmlStreamReader xml(Need(FZip->Read(sheets[Index].Part)));
    TSheetCells result;
    int row = 0, col = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("row")) {
            const QString r = AttributeByLocalName(xml, u"r");
            row = r.isEmpty() ? row + 1 : r.toInt();
            col = 0;
            if (row < 1 || row > Max_Sheet_Rows)
                Incorrect();
            continue;
        }
        if (xml.name() != QLatin1String("c"))
            continue;
        const QString ref = AttributeByLocalName(xml, u"r");
        const QString type = AttributeByLocalName(xml, u"t");
        int cellRow = row;
        if (ref.isEmpty() ? ++col > Max_Sheet_Cols || row < 1 : !ParseCellRef(ref, col, cellRow))
            Incorrect();
        std::optional<QString> value, inlineText;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("v"))
                value = xml.readElementText();
            else if (xml.name() == QLatin1String("is"))
                inlineText = ReadStringItem(xml);
            else
                xml.skipCurrentElement();
        }
        if (!value && !inlineText)
            continue;   // formatting only
        TSheetCell cell{col, cellRow, QString()};
        bool ok = true;
        if (type == QLatin1String("inlineStr"))
            cell.Text = inlineText.value_or(QString());
        else if (!value)
            ok = false;
        else if (type == QLatin1String("s")) {
            const int i = value->toInt(&ok);
            ok = ok && i >= 0 && i < SharedStrings().size();
            if (ok)
                cell.Text = SharedStrings()[i];
        } else if (type == QLatin1String("str") || type == QLatin1String("d"))
            cell.Text = DecodeXString(*value);
        else if (type == QLatin1String("b"))
            cell.Text = value->trimmed() == QLatin1String("0") ? QStringLiteral("False") : QStringLiteral("True");
        else if (type == QLatin1String("e"))
            cell.Text.reset();
        else {
            const double number = value->trimmed().toDouble(&ok);
            if (ok)
                cell.Text = NumberText(number, Locale);
        }
        if (!ok)
            Incorrect();
        result.Cells << cell;
    }
    if (xml.hasError())
        Incorrect();
    std::stable_sort(result.Cells.begin(), result.Cells.end(),
                     [](const TSheetCell& a, const TSheetCell& b) { return std::pair(a.Row, a.Col) < std::pair(b.Row, b.Col); });
    if (!result.Cells.isEmpty()) {
        result.Left = result.Right = result.Cells.front().Col;
        result.Top = result.Cells.front().Row;
        result.Bottom = result.Cells.back().Row;
        for (const TSheetCell& c : result.Cells) {
            result.Left = std::min(result.Left, c.Col);
            result.Right = std::max(result.Right, c.Col);
        }
    }
    return result;
}

QByteArray NewXlsxWorkbook(const QString& SheetName, const TTextTable& Cells, const QLocale& Locale)
{
    const std::optional<QByteArray> bytes = NewOfficePackage(
        QStringLiteral("xl/workbook.xml"),
        {{QStringLiteral("xl/workbook.xml"),
          QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"),
          XmlPart(QStringLiteral("<workbook xmlns=\"%1\" xmlns:r=\"%2\"><bookViews><workbookView activeTab=\"0\"/>"
                                 "</bookViews><sheets><sheet name=\"%3\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>")
                      .arg(Main_Namespace, Relationships_Namespace, XmlEscaped(SheetName)))},
         {QStringLiteral("xl/_rels/workbook.xml.rels"), QString(),
          XmlPart(QStringLiteral("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                                 "<Relationship Id=\"rId1\" Type=\"%1\" Target=\"worksheets/sheet1.xml\"/>"
                                 "</Relationships>").arg(Worksheet_Type))},
         {QStringLiteral("xl/worksheets/sheet1.xml"), Worksheet_Content_Type, SheetXml(Cells, Locale)}});
    if (!bytes)
        throw std::runtime_error("The workbook cannot be put together");
    return *bytes;
}

QByteArray PutXlsxSheet(const QByteArray& Workbook, const QString& SheetName, const TTextTable& Cells,
                        const QLocale& Locale)
{
    TXlsxWorkbook book(Workbook);
    const QByteArray sheetXml = SheetXml(Cells, Locale);
    TZipEntries entries;
    const auto same = std::find_if(book.FSheets.cbegin(), book.FSheets.cend(), [&](const TXlsxWorkbook::TSheet& s) {
        return s.Name.compare(SheetName, Qt::CaseInsensitive) == 0;
    });
    if (same != book.FSheets.cend()) {
        if (!same->Worksheet || same->Part.isEmpty())
            Incorrect();   // a chart sheet of that name cannot take cells
        entries << qMakePair(same->Part, sheetXml);
    } else {
        // A new part, relationship and sheet id that nothing in the workbook uses yet.
        int n = 1;
        while (book.FZip->Contains(QStringLiteral("xl/worksheets/sheet%1.xml").arg(n)))
            ++n;
        const QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(n);
        const std::optional<QList<TRelationship>> rels = ReadRelationships(*book.FZip, book.FWorkbookPart);
        QStringList ids;
        for (const TRelationship& r : *rels)
            ids << r.Id;
        int id = int(ids.size()) + 1;
        while (ids.contains(QStringLiteral("rId%1").arg(id)))
            ++id;
        const QString relId = QStringLiteral("rId%1").arg(id);

        QString workbookXml = XmlPartText(Need(book.FZip->Read(book.FWorkbookPart)));
        QXmlStreamReader xml(workbookXml);
        int sheetId = 0;
        qsizetype sheetsEnd = -1;
        QString prefix, relPrefix;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("sheet")) {
                sheetId = std::max(sheetId, AttributeByLocalName(xml, u"sheetId").toInt());
                prefix = PrefixOf(xml.qualifiedName());
                for (const QXmlStreamAttribute& a : xml.attributes())
                    if (a.name() == QLatin1String("id"))
                        relPrefix = PrefixOf(a.qualifiedName());
            } else if (xml.isEndElement() && xml.name() == QLatin1String("sheets")) {
                sheetsEnd = TagStart(workbookXml, xml);
            }
        }
        if (xml.hasError() || sheetsEnd < 0 || relPrefix.isEmpty() || workbookXml.mid(sheetsEnd, 2) != QLatin1String("</"))
            Incorrect();
        workbookXml.insert(sheetsEnd, QStringLiteral("<%1sheet name=\"%2\" sheetId=\"%3\" %4id=\"%5\"/>")
                                          .arg(prefix, XmlEscaped(SheetName), QString::number(sheetId + 1), relPrefix, relId));

        const QString relsPart = RelationshipsPartOf(book.FWorkbookPart);
        const QString folder = book.FWorkbookPart.left(book.FWorkbookPart.lastIndexOf(QLatin1Char('/')) + 1);
        const QString target = part.startsWith(folder) ? part.mid(folder.size()) : QLatin1Char('/') + part;
        const std::optional<QString> relsXml = InsertBeforeRootEnd(
            XmlPartText(Need(book.FZip->Read(relsPart))),
            QStringLiteral("<Relationship Id=\"%1\" Type=\"%2\" Target=\"%3\"/>").arg(relId, Worksheet_Type, target));
        const std::optional<QString> typesXml = InsertBeforeRootEnd(
            XmlPartText(Need(book.FZip->Read(QStringLiteral("[Content_Types].xml")))),
            QStringLiteral("<Override PartName=\"/%1\" ContentType=\"%2\"/>").arg(part, Worksheet_Content_Type));
        if (!relsXml || !typesXml)
            Incorrect();
        entries << qMakePair(QStringLiteral("[Content_Types].xml"), typesXml->toUtf8())
                << qMakePair(relsPart, relsXml->toUtf8()) << qMakePair(book.FWorkbookPart, workbookXml.toUtf8())
                << qMakePair(part, sheetXml);
    }
    const std::optional<QByteArray> bytes = ReplaceZipEntries(Workbook, entries);
    if (!bytes)
        Incorrect();
    return *bytes;
}
