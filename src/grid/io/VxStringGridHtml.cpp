// The grid as one HTML table: a CSS class per look, merged cells as spans, links, and pictures as JPEG files
// beside the page.
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/JpegCodec.h"
#include "grid/foundation/MiniHtml.h"
#include "grid/io/GridFile.h"
#include "grid/io/GridTextFile.h"
#include "grid/io/WaitCursor.h"
#include "grid/model/CodePage.h"
#include "grid/model/GridText.h"
#include "grid/model/IntList.h"
#include "platform/ImageList.h"
#include "platform/LinkOpener.h"
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <stdexcept>

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Writes the export's pictures as "images/img<n>.jpg" in one folder, n counting from 1 per export.
class THtmlPictures {
public:
    explicit THtmlPictures(const QString& Folder) : FFolder(Folder) {}

    QString Tag(const QImage& Image)
    {
        if (!QDir().mkpath(FFolder + QStringLiteral("images")))
            throw std::runtime_error(("Cannot create " + FFolder + "images").toStdString());
        const QString name = QStringLiteral("images/img%1.jpg").arg(++FCount);
        QImage rgb = Image.convertToFormat(QImage::Format_RGB32);
        WriteGridFile(FFolder + name, EncodeJpeg(rgb));
        return QStringLiteral("<img src= \"file://%1%2\">").arg(FFolder, name);
    }

private:
    QString FFolder;
    int FCount = 0;
};

QImage ListImage(const TCustomImageList& List, int Index)
{
    QImage image(List.Width(), List.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    List.Draw(canvas, 0, 0, Index);
    return image;
}

QString Anchor(const QString& Text, bool Full)
{
    QString shown = Text;
    if (!Full) {
        StripUrlScheme(shown);
        shown.truncate(255);
    }
    return QStringLiteral("<a href=%1>%2</a>").arg(Text, shown);
}

} // namespace

QString TVxStringGrid::SaveToHTMLString(const QString& Dir)
{
    THTMLSettings& h = HTMLSettings();
    QString folder = Dir.isEmpty() ? QDir::currentPath() + QLatin1Char('/') : Dir;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    THtmlPictures pictures(folder);
    const int firstCol = SaveFixedCells() || SaveFixedCols() ? 0 : FixedCols();
    const int firstRow = SaveFixedCells() || SaveFixedRows() ? 0 : FixedRows();
    const bool header = FixedRows() > 0 && (SaveFixedCells() || SaveFixedRows());
    const int firstBody = header ? 1 : firstRow;
    QStringList styles, rows;
    ExportNotification(TGridExportState::esExportStart, firstBody);
    for (int r = header ? 0 : firstRow; r < RowCount(); ++r) {
        const bool isHeader = header && r == 0;
        if (!isHeader)
            ExportNotification(TGridExportState::esExportNextRow, r);
        rows << QStringLiteral("<TR>");
        for (int c = firstCol; c < ColCount(); ++c) {
            const int real = RealColIndex(c);
            if (!IsBaseCell(real, r))
                continue;
            QString text;
            SaveCellText(real, r, text);
            if (!isHeader) {
                if (h.ConvertSpecialChars())
                    text = EncodeHtmlEntities(text, true);
                if (h.NonBreakingText())
                    text = SpacesToNbsp(text);
            }
            text = CRToHtmlBreaks(text);
            if (URLShow() && HasUrlScheme(text) && !text.contains(QLatin1String("</")))
                text = Anchor(text, URLFull());
            if (isHeader ? text.isEmpty() : text.trimmed().isEmpty())
                text = QStringLiteral("&nbsp;");

            TGridDrawState state;
            TBrush brush;
            brush.SetColor(isHeader ? FixedColor() : clNone);
            TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
            TCellGradientDirection gd = TCellGradientDirection::GradientVertical;
            TFont font;
            font.SetColor(clNone);
            font.SetStyle({});
            TAlignment ha = TAlignment::taLeftJustify;
            TVAlignment va = TVAlignment::vtaTop;
            bool wrap = false;
            GetVisualProperties(c, r, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va, wrap,
                                gd);
            if (isHeader || (IsFixed(c, r)))
                brush.SetColor(FixedColor());
            QStringList style;
            if (h.SaveColor() && brush.Color() != clNone)
                style << QStringLiteral("background-color: #") + ColorToHtmlHex(ColorToRGB(brush.Color()));
            if (h.SaveColor() && font.Color() != clNone)
                style << QStringLiteral("color: #") + ColorToHtmlHex(ColorToRGB(font.Color()));
            style << QStringLiteral("font-size:%1pt").arg(font.Size());
            if (font.Style().testFlag(TFontStyle::fsItalic))
                style << QStringLiteral("font-style: italic");
            if (font.Style().testFlag(TFontStyle::fsBold))
                style << QStringLiteral("font-weight: bold");
            style << QStringLiteral("font-family: ") + font.Name();
            if (ha == TAlignment::taRightJustify)
                style << QStringLiteral("text-align: right");
            else if (ha == TAlignment::taCenter)
                style << QStringLiteral("text-align: center");
            style << (va == TVAlignment::vtaTop      ? QStringLiteral("vertical-align: top")
                      : va == TVAlignment::vtaCenter ? QStringLiteral("vertical-align: middle")
                                                     : QStringLiteral("vertical-align: bottom"));
            const QString styleText = style.join(QLatin1Char(';'));
            qsizetype cls = styles.indexOf(styleText);
            if (cls < 0) {
                cls = styles.size();
                styles << styleText;
            }

            QString content = text;
            const TCellGraphic* g = h.ExportImages() ? GetCellGraphic(real, r) : nullptr;
            TCustomImageList* images = GetImageList();
            const auto bitmap = [&](const TCellGraphic& G) -> const TBitmap* {
                const TBitmap* b = G.CellBitmap().As<TBitmap>();
                return b && !b->Empty() ? b : nullptr;
            };
            if (g) {
                switch (g->CellType()) {
                case TCellType::ctBitmap:
                case TCellType::ctPicture:
                case TCellType::ctInterface:
                    if (const TBitmap* b = bitmap(*g))
                        content = text + pictures.Tag(b->Image());
                    break;
                case TCellType::ctImageList:
                    if (images && g->CellIndex() >= 0 && g->CellIndex() < images->Count())
                        content = pictures.Tag(ListImage(*images, g->CellIndex())) + text;
                    break;
                case TCellType::ctDataImage: {
                    bool ok = false;
                    const int index = Cells(real, r).toInt(&ok);
                    content = images && ok && index >= 0 && index < images->Count()
                                  ? pictures.Tag(ListImage(*images, index))
                                  : QString();
                    break;
                }
                case TCellType::ctNode: content = QLatin1Char('+') + text; break;
                case TCellType::ctImages:
                    if (const TIntList* list = g->CellBitmap().As<TIntList>(); list && images) {
                        content.clear();
                        for (int i = 0; i < list->Count(); ++i)
                            if (list->Items(i) >= 0 && list->Items(i) < images->Count())
                                content += pictures.Tag(ListImage(*images, list->Items(i)));
                        content += text;
                    }
                    break;
                default: break;
                }
            }

            QString line = QStringLiteral("<TD class=\"c%1\"").arg(cls);
            const TPoint span = CellSpan(real, r);
            if (span.X > 0)
                line += QStringLiteral(" COLSPAN=\"%1\"").arg(span.X + 1);
            if (span.Y > 0)
                line += QStringLiteral(" ROWSPAN=\"%1\"").arg(span.Y + 1);
            if (!wrap)
                line += QStringLiteral(" nowrap");
            const int n = c - firstCol;
            if (n < h.ColWidths().Count() && (isHeader || !header))
                line += QString::fromLatin1(isHeader ? " WIDTH=%1" : " width=%1").arg(h.ColWidths().Items(n));
            rows << line + QLatin1Char('>') + content + QStringLiteral("</td>");
        }
        rows << QStringLiteral("</TR>");
    }
    ExportNotification(TGridExportState::esExportDone, -1);

    QString doc;
    if (h.XHTML())
        doc += QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + CRLF +
               QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"") + CRLF +
               QStringLiteral("\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">") + CRLF +
               QStringLiteral("<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">") + CRLF;
    doc += h.PrefixTag();
    doc += QStringLiteral("<style>") + CRLF;
    for (int i = 0; i < styles.size(); ++i)
        doc += QStringLiteral(".c%1 {%2}").arg(i).arg(styles[i]) + CRLF;
    doc += QStringLiteral("</style>") + CRLF;
    QString open = QStringLiteral("<TABLE BORDER=\"%1\" CELLSPACING=\"%2\" CELLPADDING=\"%3\" ")
                       .arg(h.BorderSize())
                       .arg(h.CellSpacing())
                       .arg(h.CellPadding());
    if (!h.Summary().isEmpty())
        open += QStringLiteral("SUMMARY=\"%1\" ").arg(h.Summary());
    if (!h.TableStyle().isEmpty())
        open += QLatin1Char(' ') + h.TableStyle() + QLatin1Char(' ');
    open += QStringLiteral(" WIDTH=\"%1%\">").arg(h.Width());
    doc += open + CRLF;
    for (const QString& line : rows)
        doc += line + CRLF;
    doc += QStringLiteral("</TABLE>") + CRLF;
    if (!h.SuffixTag().isEmpty())
        doc += h.SuffixTag() + CRLF;
    if (h.XHTML())
        doc += QStringLiteral("</HTML>") + CRLF;
    return doc;
}

namespace {

void WriteHtmlFile(TVxStringGrid& G, const QString& FileName, bool Show, bool Unicode, bool Append)
{
    TWaitCursor wait;
    THTMLSettings& h = G.HTMLSettings();
    QString text;
    if (Append && QFileInfo::exists(FileName)) {
        try {
            text = JoinGridLines(SplitGridLines(ReadGridTextFile(FileName)));
        } catch (const std::exception&) {   // an unreadable file is started afresh
        }
    }
    if (!h.HeaderFile().isEmpty())
        text += JoinGridLines(SplitGridLines(ReadGridTextFile(h.HeaderFile())));
    QString folder = QFileInfo(FileName).absolutePath() + QLatin1Char('/');
    text += G.SaveToHTMLString(folder);
    if (!h.FooterFile().isEmpty())
        text += JoinGridLines(SplitGridLines(ReadGridTextFile(h.FooterFile())));
    WriteGridFile(FileName, Unicode ? Utf16LeWithBom(text) : EncodeCodePageWithReferences(text, TCodePage::cpAscii));
    if (Show || h.AutoPreview())
        OpenLink(QUrl::fromLocalFile(QFileInfo(FileName).absoluteFilePath()).toString());
}

} // namespace

void TVxStringGrid::SaveToHTML(const QString& FileName, bool Show, bool Unicode)
{
    WriteHtmlFile(*this, FileName, Show, Unicode, false);
}

void TVxStringGrid::AppendToHTML(const QString& FileName, bool Show, bool Unicode)
{
    WriteHtmlFile(*this, FileName, Show, Unicode, true);
}
