#pragma once
// Five small settings objects of the string grid: node look, growing cells while typing, column-width
// persistence and stretching, HTML export and print layout. Assign copies what the grid's Assign needs.
#include "grid/foundation/GridTypes.h"
#include "platform/Canvas.h"
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class TIntList;
class TVxStringGrid;

// A value kept in the object's value record F and only stored when written.
#define VX_SETTING(Type, Name) \
    Type Name() const { return F.Name; } \
    void Set##Name(Type value) { F.Name = value; }

enum class TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode : public QObject {
public:
    explicit TCellNode(TVxStringGrid* AOwner);
    ~TCellNode() override;

    VX_SETTING(TColor, Color)
    VX_SETTING(bool, ExpandOne)
    TNodeType NodeType() const { return F.NodeType; }
    void SetNodeType(TNodeType value) { SetProperty(F.NodeType, value, [this] { Repaint(); }); }
    VX_SETTING(TColor, NodeColor)
    int NodeIndent() const { return F.NodeIndent; }
    void SetNodeIndent(int value) { SetProperty(F.NodeIndent, value, [this] { Repaint(); }); }
    const TBitmap& ExpandGlyph() const { return *FExpandGlyph; }
    void SetExpandGlyph(const TBitmap& value) { FExpandGlyph->Assign(value); }
    const TBitmap& ContractGlyph() const { return *FContractGlyph; }
    void SetContractGlyph(const TBitmap& value) { FContractGlyph->Assign(value); }
    bool ShowTree() const { return F.ShowTree; }
    void SetShowTree(bool value) { SetProperty(F.ShowTree, value, [this] { Repaint(); }); }
    bool ShowTreeFull() const { return F.ShowTreeFull; }
    void SetShowTreeFull(bool value) { SetProperty(F.ShowTreeFull, value, [this] { Repaint(); }); }
    TColor TreeColor() const { return F.TreeColor; }
    void SetTreeColor(TColor value) { SetProperty(F.TreeColor, value, [this] { Repaint(); }); }

    // From a TCellNode only; anything else is ignored.
    void Assign(const QObject* Source);

private:
    void Repaint();

    TVxStringGrid* FOwner;
    struct Values {
        TColor Color = clSilver;
        bool ExpandOne = false;
        TNodeType NodeType = TNodeType::cnXP;
        TColor NodeColor = clBlack;
        int NodeIndent = 12;
        bool ShowTree = true;
        bool ShowTreeFull = true;
        TColor TreeColor = clGray;
    } F;
    std::unique_ptr<TBitmap> FExpandGlyph;
    std::unique_ptr<TBitmap> FContractGlyph;
};

// No Assign of its own: the grid's Assign leaves it alone.
class TSizeWhileTyping : public QObject {
public:
    bool Height() const { return FHeight; }
    void SetHeight(bool value) { FHeight = value; }
    bool Width() const { return FWidth; }
    void SetWidth(bool value) { FWidth = value; }

private:
    bool FHeight = false;
    bool FWidth = false;
};

// The balloon tool tips of the grid's cells.
class TBalloonSettings : public QObject {
public:
    VX_SETTING(int, AutoHideDelay)   // -1: the system's delay
    VX_SETTING(TColor, BackgroundColor)
    bool Enable() const { return F.Enable; }
    void SetEnable(bool value)
    {
        F.Enable = value;
        if (OnEnableChange)
            OnEnableChange(this);
    }
    VX_SETTING(int, InitialDelay)
    VX_SETTING(int, ReshowDelay)
    VX_SETTING(TColor, TextColor)
    VX_SETTING(std::uint8_t, Transparency)
    std::function<void(QObject* Sender)> OnEnableChange;

    // From a TBalloonSettings only; Transparency stays, and Enable is copied without the event.
    void Assign(const QObject* Source);

private:
    struct Values {
        int AutoHideDelay = -1;
        TColor BackgroundColor = clNone;
        bool Enable = false;
        int InitialDelay = -1;
        int ReshowDelay = -1;
        TColor TextColor = clNone;
        std::uint8_t Transparency = 0;
    } F;
};

enum class TAutoSizeRows { arAll, arNormal, arFixed };
enum class TColumnSizeLocation { clRegistry, clIniFile };

class TColumnSize : public QObject {
public:
    explicit TColumnSize(TVxStringGrid* AOwner) : FOwner(AOwner) {}
    TVxStringGrid* Owner() const { return FOwner; }

    VX_SETTING(TAutoSizeRows, Rows)
    VX_SETTING(bool, Save)
    VX_SETTING(QString, Key)
    VX_SETTING(QString, Section)
    bool Stretch() const { return F.Stretch; }
    void SetStretch(bool value);     // switching it on stretches at once
    VX_SETTING(int, StretchColumn)   // -1: the last column
    VX_SETTING(bool, SynchWithGrid)
    VX_SETTING(bool, SynchNormalCellsOnly)
    VX_SETTING(TColumnSizeLocation, Location)

    // From a TColumnSize only, Stretch without stretching; anything else is ignored.
    void Assign(const QObject* Source);

private:
    TVxStringGrid* FOwner;
    struct Values {
        TAutoSizeRows Rows = TAutoSizeRows::arAll;
        bool Save = false;
        QString Key;
        QString Section;
        bool Stretch = false;
        int StretchColumn = -1;
        bool SynchWithGrid = false;
        bool SynchNormalCellsOnly = false;
        TColumnSizeLocation Location = TColumnSizeLocation::clRegistry;
    } F;
};

class THTMLSettings : public QObject {
public:
    THTMLSettings();
    ~THTMLSettings() override;

    VX_SETTING(bool, AutoPreview)
    VX_SETTING(int, BorderSize)
    VX_SETTING(int, CellSpacing)
    VX_SETTING(int, CellPadding)
    VX_SETTING(bool, ConvertSpecialChars)
    bool ExportImages() const { return FExportImages; }
    void SetExportImages(bool value) { FExportImages = value; }
    VX_SETTING(QString, FooterFile)
    VX_SETTING(QString, HeaderFile)
    VX_SETTING(bool, NonBreakingText)
    VX_SETTING(QString, PrefixTag)
    VX_SETTING(bool, SaveColor)
    VX_SETTING(bool, SaveFonts)
    VX_SETTING(QString, SuffixTag)
    VX_SETTING(QString, Summary)
    VX_SETTING(QString, TableStyle)
    VX_SETTING(int, Width)   // percent of the page
    VX_SETTING(bool, XHTML)
    // Cell widths the HTML export writes, per column.
    TIntList& ColWidths() const { return *FColWidths; }

    // From a THTMLSettings only; ExportImages and ColWidths stay. Anything else is ignored.
    void Assign(const QObject* Source);

private:
    struct Values {
        bool AutoPreview = false;
        int BorderSize = 1;
        int CellSpacing = 0;
        int CellPadding = 0;
        bool ConvertSpecialChars = false;
        QString FooterFile;
        QString HeaderFile;
        bool NonBreakingText = false;
        QString PrefixTag;
        bool SaveColor = true;
        bool SaveFonts = true;
        QString SuffixTag;
        QString Summary;
        QString TableStyle;
        int Width = 100;
        bool XHTML = false;
    } F;
    bool FExportImages = true;
    std::unique_ptr<TIntList> FColWidths;
};

enum class TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum class TPrintBorders {
    pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical, pbAroundHorizontal, pbCustom
};
enum class TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum class TPrinterOrientation { poPortrait, poLandscape };

class TPrintSettings : public QObject {
public:
    explicit TPrintSettings(TVxStringGrid* AOwner) : FOwner(AOwner) {}

    VX_SETTING(int, FooterSize)
    VX_SETTING(int, HeaderSize)
    VX_SETTING(TPrintPosition, Time)
    VX_SETTING(TPrintPosition, Date)
    VX_SETTING(TPrintPosition, PageNr)
    VX_SETTING(TPrintPosition, Title)
    VX_SETTING(QString, DateFormat)
    VX_SETTING(QString, TitleText)
    const QStringList& TitleLines() const { return F.TitleLines; }
    void SetTitleLines(const QStringList& value) { F.TitleLines = value; }
    const TFont& Font() const { return F.Font; }
    void SetFont(const TFont& value) { F.Font = value; }
    const TFont& FixedFont() const { return F.FixedFont; }
    void SetFixedFont(const TFont& value) { F.FixedFont = value; }
    const TFont& HeaderFont() const { return F.HeaderFont; }
    void SetHeaderFont(const TFont& value) { F.HeaderFont = value; }
    const TFont& FooterFont() const { return F.FooterFont; }
    void SetFooterFont(const TFont& value) { F.FooterFont = value; }
    VX_SETTING(TPrintBorders, Borders)
    VX_SETTING(TPenStyle, BorderStyle)
    VX_SETTING(TColor, BorderColor)
    VX_SETTING(bool, Centered)
    VX_SETTING(bool, RepeatFixedRows)
    VX_SETTING(bool, RepeatFixedCols)
    VX_SETTING(int, LeftSize)
    VX_SETTING(int, RightSize)
    VX_SETTING(int, ColumnSpacing)
    VX_SETTING(int, RowSpacing)
    VX_SETTING(int, TitleSpacing)
    VX_SETTING(TPrinterOrientation, Orientation)
    VX_SETTING(QString, PagePrefix)
    VX_SETTING(QString, PageSuffix)
    VX_SETTING(int, PageNumberOffset)
    VX_SETTING(int, MaxPagesOffset)
    VX_SETTING(int, FixedWidth)
    VX_SETTING(int, FixedHeight)
    VX_SETTING(bool, UseFixedHeight)
    VX_SETTING(bool, UseFixedWidth)
    VX_SETTING(TFitToPage, FitToPage)
    VX_SETTING(QString, JobName)
    VX_SETTING(QString, PageNumSep)
    VX_SETTING(bool, NoAutoSize)
    VX_SETTING(bool, NoAutoSizeRow)
    VX_SETTING(bool, PrintGraphics)
    VX_SETTING(bool, UseDisplayFont)
    VX_SETTING(bool, UseDefaultOrientation)
    bool FixedCellsAlways() const { return FFixedCellsAlways; }
    void SetFixedCellsAlways(bool value) { FFixedCellsAlways = value; }

    // Everything but FixedCellsAlways; a source of another class raises EInvalidCast.
    void Assign(const QObject* Source);

private:
    TVxStringGrid* FOwner;
    struct Values {
        int FooterSize = 0;
        int HeaderSize = 0;
        TPrintPosition Time = TPrintPosition::ppNone;
        TPrintPosition Date = TPrintPosition::ppNone;
        TPrintPosition PageNr = TPrintPosition::ppNone;
        TPrintPosition Title = TPrintPosition::ppNone;
        QString DateFormat = QStringLiteral("dd/mm/yyyy");
        QString TitleText;
        QStringList TitleLines;
        TFont Font;
        TFont FixedFont;
        TFont HeaderFont;
        TFont FooterFont;
        TPrintBorders Borders = TPrintBorders::pbSingle;
        TPenStyle BorderStyle = TPenStyle::psSolid;
        TColor BorderColor = clBlack;
        bool Centered = true;
        bool RepeatFixedRows = false;
        bool RepeatFixedCols = false;
        int LeftSize = 0;
        int RightSize = 0;
        int ColumnSpacing = 0;
        int RowSpacing = 0;
        int TitleSpacing = 0;
        TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
        QString PagePrefix;
        QString PageSuffix;
        int PageNumberOffset = 0;
        int MaxPagesOffset = 0;
        int FixedWidth = 0;
        int FixedHeight = 0;
        bool UseFixedHeight = false;
        bool UseFixedWidth = false;
        TFitToPage FitToPage = TFitToPage::fpNever;
        QString JobName;
        QString PageNumSep = QStringLiteral("/");
        bool NoAutoSize = false;
        bool NoAutoSizeRow = false;
        bool PrintGraphics = false;
        bool UseDisplayFont = true;
        bool UseDefaultOrientation = false;
    } F;
    bool FFixedCellsAlways = false;
};

#undef VX_SETTING
