// The grid's XML: a flat list of records written as text, and any document read back by walking its tree.
#include "grid/core/VxGridError.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/DragDrop.h"
#include "grid/io/GridFile.h"
#include "grid/io/GridFileProgress.h"
#include "grid/io/GridTextFile.h"
#include "grid/model/CodePage.h"
#include <QFileInfo>
#include <QXmlStreamReader>
#include <stdexcept>

namespace {

// The grid's own escape for "&" is "$amp;"; the other markup characters are XML's.
QString EncodeXmlValue(const QString& S)
{
    QString s = S;
    return s.replace(QLatin1Char('&'), QLatin1String("$amp;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

// The parser has decoded XML's entities already; only the grid's own "$amp;" is left.
QString DecodeXmlValue(const QString& S)
{
    QString s = S;
    return s.replace(QLatin1String("$amp;"), QLatin1String("&"));
}

// The file's bytes in its declared encoding; what that lacks is a character reference, which any reader
// decodes. An encoding not known here is written as UTF-8, which holds everything.
QByteArray XmlBytes(const QString& Text, const QString& Encoding)
{
    TCodePage page;
    if (CodePageOfName(Encoding, page))
        return EncodeCodePageWithReferences(Text, page);
    return Text.toUtf8();
}

// The document's tree as a DOM gives it: elements with their attributes in document order, and text nodes
// (whitespace-only ones left out). Qt's DOM orders attributes by hash, so the tree is built here.
struct TXmlNode {
    QString Name;
    QList<QPair<QString, QString>> Attributes;
    std::vector<TXmlNode> Children;
    QString Value;   // a text node's text
    bool IsText = false;

    // A node's text content: its own text, or all its descendants' joined.
    QString Text() const
    {
        if (IsText)
            return Value;
        QString text;
        for (const TXmlNode& child : Children)
            text += child.Text();
        return text;
    }
};

// False with the reader's error code and line when the bytes are no well-formed document.
bool ParseXmlTree(const QByteArray& Bytes, TXmlNode& Root, int& ErrorCode, qint64& ErrorLine)
{
    QXmlStreamReader in(Bytes);
    std::vector<TXmlNode*> open;
    bool rootSeen = false;
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement()) {
            TXmlNode* node = &Root;
            if (!open.empty()) {
                open.back()->Children.emplace_back();
                node = &open.back()->Children.back();
            } else {
                rootSeen = true;
            }
            node->Name = in.qualifiedName().toString();
            for (const QXmlStreamAttribute& a : in.attributes())
                node->Attributes.append({a.qualifiedName().toString(), a.value().toString()});
            open.push_back(node);
        } else if (in.isEndElement()) {
            open.pop_back();
        } else if (in.isCharacters() && !in.isWhitespace() && !open.empty()) {
            std::vector<TXmlNode>& siblings = open.back()->Children;
            if (!siblings.empty() && siblings.back().IsText) {
                siblings.back().Value += in.text();   // text around an entity or CDATA is one node
            } else {
                TXmlNode text;
                text.IsText = true;
                text.Value = in.text().toString();
                siblings.push_back(std::move(text));
            }
        }
    }
    ErrorCode = int(in.error());
    ErrorLine = in.lineNumber();
    return !in.hasError() && rootSeen;
}

class TXmlWalker {
public:
    TXmlWalker(TVxStringGrid& G, bool LevelToRow, bool LoadFieldDescr)
        : G(G), FLevelToRow(LevelToRow), FLoadFieldDescr(LoadFieldDescr),
          FHeader(G.SaveFixedCells() || G.SaveFixedRows())
    {
        StartCol = G.SaveStartCol();
        StartRow = !FHeader || LoadFieldDescr ? G.FixedRows() : 0;
        MaxCol = StartCol;
        MaxRow = StartRow;
    }

    void Load(const TXmlNode& Root)
    {
        for (std::size_t i = 0; i < Root.Children.size(); ++i) {
            const TXmlNode& record = Root.Children[i];
            Col = 0;
            Level = 1;
            if (FLevelToRow && i == 0 && record.Attributes.isEmpty())
                Row = -1;
            Walk(record, 0);
            if (!FLevelToRow)
                ++Row;
        }
        G.SetColCount(MaxCol + 1);
        G.SetRowCount(MaxRow + 1);
    }

private:
    // Nesting past this is left out: a hostile file cannot run the walk out of stack.
    static constexpr int MaxDepth = 512;

    // The current cell, the grid grown to hold it; false past what a grid takes.
    bool Grow(int& C, int& R)
    {
        C = StartCol + Col;
        R = StartRow + Row;
        if (C < 0 || R < 0 || C >= Max_Exchange_Cols || R >= Max_Exchange_Rows)
            return false;
        if (C >= G.ColCount())
            G.SetColCount(C + 1);
        if (R >= G.RowCount())
            G.SetRowCount(R + 1);
        return true;
    }

    void Store(const QString& Name, bool Named, const QString& Text, bool Noted)
    {
        int c = 0, r = 0;
        if (Grow(c, r)) {
            if (Named && FHeader && G.Cells(c, 0).isEmpty())
                G.LoadCellText(c, 0, Name);
            G.LoadCellText(c, r, Text);
            if (Noted) {
                MaxCol = std::max(MaxCol, c);
                MaxRow = std::max(MaxRow, r);
            }
        }
        ++Col;
    }

    void Walk(const TXmlNode& Node, int Depth)
    {
        if (Depth > MaxDepth)
            return;
        bool advanced = false;
        if (!Node.Attributes.isEmpty()) {
            for (const auto& a : Node.Attributes)
                Store(a.first, true, DecodeXmlValue(a.second), true);
            if (FLevelToRow) {
                ++Row;
                Col = Level;
                advanced = true;
            }
        }
        if (Node.Children.size() > 1) {
            if (FLevelToRow && !advanced) {
                ++Row;
                Col = 0;
            }
            ++Level;
            for (const TXmlNode& child : Node.Children)
                Walk(child, Depth + 1);
        } else if (Node.Children.empty()) {
            Store(QString(), false, QString(), false);
        } else {
            QString text = Node.Text();
            if (text == QLatin1String("\"\"") && G.QuoteEmptyCells())
                text.clear();
            Store(Node.Name, FLoadFieldDescr, DecodeXmlValue(text), true);
        }
    }

    TVxStringGrid& G;
    const bool FLevelToRow, FLoadFieldDescr, FHeader;
    int StartCol = 0, StartRow = 0, MaxCol = 0, MaxRow = 0;
    int Col = 0, Row = 0, Level = 1;
};

} // namespace

void TVxStringGrid::SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                              const QStringList* FieldDescr, bool ExportEmptyCells)
{
    QStringList lines;
    lines << QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\" ?>").arg(XMLEncoding())
          << QLatin1Char('<') + ListDescr + QLatin1Char('>');
    TFileProgress progress(OnFileProgress, this);
    const int lastCol = SaveEndCol() + (SaveHiddenCells() ? NumHiddenColumns() : 0);
    ExportNotification(TGridExportState::esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(TGridExportState::esExportNextRow, r);
        lines << QLatin1Char('<') + RecordDescr + QLatin1Char('>');
        for (int c = SaveStartCol(); c <= lastCol; ++c) {
            const int real = RealColIndex(c);
            if (!IsBaseCell(real, r))
                continue;
            QString text;
            SaveCellText(real, r, text);
            if (text.isEmpty() && !ExportEmptyCells)
                continue;
            if (text.isEmpty() && QuoteEmptyCells())
                text = QStringLiteral("\"\"");
            const int offset = c - SaveStartCol();
            const QString tag = FieldDescr && offset < FieldDescr->size() ? FieldDescr->at(offset)
                                                                           : QStringLiteral("FIELD%1").arg(offset);
            lines << QStringLiteral("<%1>%2</%1>").arg(tag, EncodeXmlValue(text));
        }
        lines << QStringLiteral("</") + RecordDescr + QLatin1Char('>');
        progress.Report(r - SaveStartRow(), SaveEndRow() - SaveStartRow());
    }
    lines << QStringLiteral("</") + ListDescr + QLatin1Char('>');
    ExportNotification(TGridExportState::esExportDone, -1);
    try {
        WriteGridFile(FileName, XmlBytes(JoinGridLines(lines), XMLEncoding()));
    } catch (const EVxGridError&) {
        throw EVxGridError(("Cannot Create file " + FileName).toStdString());
    }
}

void TVxStringGrid::LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr)
{
    if (!QFileInfo(FileName).isFile())
        throw std::runtime_error("XML file not found");
    TXmlNode root;
    int code = 0;
    qint64 line = 0;
    if (!ParseXmlTree(ReadGridFile(FileName), root, code, line))
        throw std::runtime_error(
            QStringLiteral("XMLDOM Parsing error %1 on line %2").arg(code).arg(line).toStdString());
    BeginUpdate();
    TXmlWalker(*this, LevelToRow, LoadFieldDescr).Load(root);
    EndUpdate();
    CellsLoaded();
}
