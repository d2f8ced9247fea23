#include "grid/io/GridIniFile.h"
#include "grid/core/GridSettings.h"
#include "grid/core/VxStringGrid.h"

namespace {
QString Flag(bool b) { return b ? QStringLiteral("Y") : QStringLiteral("N"); }

int StyleBits(TFontStyles s) { return int(s.toInt()); }

constexpr int MaxPrintFontSize = 1000;   // points: taller than any page

// The print settings' entries: one reader and one writer per kind, so both sides keep the same names.
class TPrintIni {
public:
    TPrintIni(const QString& Key, const QString& Section) : FIni(Key), FSection(Section) {}
    void Put(const char* Name, const QString& v) { FIni.WriteString(FSection, QLatin1String(Name), v); }
    void Put(const char* Name, int v) { Put(Name, QString::number(v)); }
    QString Str(const char* Name, const QString& Default) const
    {
        return FIni.ReadString(FSection, QLatin1String(Name), Default);
    }
    int Int(const char* Name, int Default) const
    {
        bool ok = false;
        const int v = Str(Name, QString::number(Default)).toInt(&ok);
        return ok ? v : Default;
    }
    bool Flag(const char* Name, bool Default) const
    {
        return Str(Name, Default ? QStringLiteral("Y") : QStringLiteral("N")) == QLatin1String("Y");
    }
    void PutFont(const char* Prefix, const TFont& f)
    {
        const QString p = QLatin1String(Prefix);
        FIni.WriteString(FSection, p + QLatin1String("FontName"), f.Name());
        FIni.WriteInteger(FSection, p + QLatin1String("FontSize"), f.Size());
        FIni.WriteInteger(FSection, p + QLatin1String("FontStyle"), StyleBits(f.Style()));
        FIni.WriteInteger(FSection, p + QLatin1String("FontColor"), std::int32_t(f.Color()));
    }
    // The stored style replaces the font's style.
    TFont GetFont(const char* Prefix, TFont f) const
    {
        const QByteArray p(Prefix);
        f.SetName(Str((p + "FontName").constData(), QStringLiteral("Arial")));
        // A size no page could print is a damaged file: the default stands in for it.
        const int size = Int((p + "FontSize").constData(), 10);
        f.SetSize(size >= 1 && size <= MaxPrintFontSize ? size : 10);
        f.SetStyle(TFontStyles::fromInt(Int((p + "FontStyle").constData(), 0) & 0xF));
        f.SetColor(TColor(std::int32_t(Int((p + "FontColor").constData(), 0))));
        return f;
    }
    void Update() const { FIni.UpdateFile(); }

private:
    TGridIniFile FIni;
    QString FSection;
};

template <typename E>
void SetOrdinal(int v, int Count, E& Target)
{
    if (v >= 0 && v < Count)
        Target = E(v);
}
} // namespace

void TVxStringGrid::SavePrintSettings(const QString& Key, const QString& Section)
{
    const TPrintSettings& ps = PrintSettings();
    TPrintIni ini(Key, Section);
    ini.Put("ColumnSpacing", ps.ColumnSpacing());
    ini.Put("RowSpacing", ps.RowSpacing());
    ini.Put("TitleSpacing", ps.TitleSpacing());
    ini.Put("FixedHeight", ps.FixedHeight());
    ini.Put("FixedWidth", ps.FixedWidth());
    ini.Put("Centered", Flag(ps.Centered()));
    ini.Put("NoAutoSize", Flag(ps.NoAutoSize()));
    ini.Put("UseFixedHeight", Flag(ps.UseFixedHeight()));
    ini.Put("UseFixedWidth", Flag(ps.UseFixedWidth()));
    ini.Put("RepeatFixedRows", Flag(ps.RepeatFixedRows()));
    ini.Put("RepeatFixedCols", Flag(ps.RepeatFixedCols()));
    ini.Put("UseDisplFont", Flag(ps.UseDisplayFont()));
    ini.Put("UseDefOrientation", Flag(ps.UseDefaultOrientation()));
    ini.Put("Borders", int(ps.Borders()));
    ini.Put("BorderColor", std::int32_t(ps.BorderColor()));
    ini.Put("BorderStyle", int(ps.BorderStyle()));
    ini.Put("Date", int(ps.Date()));
    ini.Put("PageNr", int(ps.PageNr()));
    ini.Put("Title", int(ps.Title()));
    ini.Put("Time", int(ps.Time()));
    ini.Put("DateFormat", ps.DateFormat());
    ini.Put("TitleText", ps.TitleText());
    ini.Put("FooterSize", ps.FooterSize());
    ini.Put("HeaderSize", ps.HeaderSize());
    ini.Put("LeftSize", ps.LeftSize());
    ini.Put("RightSize", ps.RightSize());
    ini.Put("FitToPage", int(ps.FitToPage()));
    ini.PutFont("", ps.Font());
    ini.PutFont("Header", ps.HeaderFont());
    ini.PutFont("Footer", ps.FooterFont());
    ini.Put("PageNumSep", ps.PageNumSep());
    ini.Put("PageSuffix", ps.PageSuffix());
    ini.Put("PagePrefix", ps.PagePrefix());
    ini.Put("Orientation", int(ps.Orientation()));
    QString lines = ps.TitleLines().join(QLatin1String("\r\n"));
    lines.replace(QLatin1Char('\r'), QLatin1String("\\n")).remove(QLatin1Char('\n'));
    ini.Put("TitleLines", lines);
    ini.Put("PrintGraphics", Flag(ps.PrintGraphics()));
    ini.Update();
}

void TVxStringGrid::LoadPrintSettings(const QString& Key, const QString& Section)
{
    TPrintSettings& ps = PrintSettings();
    TPrintIni ini(Key, Section);
    ps.SetColumnSpacing(ini.Int("ColumnSpacing", 20));
    ps.SetRowSpacing(ini.Int("RowSpacing", 20));
    ps.SetTitleSpacing(ini.Int("TitleSpacing", 20));
    ps.SetFixedHeight(ini.Int("FixedHeight", 0));
    ps.SetFixedWidth(ini.Int("FixedWidth", 0));
    ps.SetCentered(ini.Flag("Centered", true));
    ps.SetNoAutoSize(ini.Flag("NoAutoSize", false));
    ps.SetUseFixedHeight(ini.Flag("UseFixedHeight", false));
    ps.SetUseFixedWidth(ini.Flag("UseFixedWidth", false));
    ps.SetRepeatFixedRows(ini.Flag("RepeatFixedRows", false));
    ps.SetRepeatFixedCols(ini.Flag("RepeatFixedCols", false));
    ps.SetUseDisplayFont(ini.Flag("UseDisplFont", false));
    ps.SetUseDefaultOrientation(ini.Flag("UseDefOrientation", false));
    TPrintBorders borders = ps.Borders();
    SetOrdinal(ini.Int("Borders", 0), 9, borders);
    ps.SetBorders(borders);
    ps.SetBorderColor(TColor(std::int32_t(ini.Int("BorderColor", 0))));
    TPenStyle penStyle = ps.BorderStyle();
    SetOrdinal(ini.Int("BorderStyle", 0), 7, penStyle);
    ps.SetBorderStyle(penStyle);
    auto position = [&](const char* Name) {
        TPrintPosition p = TPrintPosition::ppNone;
        SetOrdinal(ini.Int(Name, 0), 7, p);
        return p;
    };
    ps.SetDate(position("Date"));
    ps.SetPageNr(position("PageNr"));
    ps.SetTitle(position("Title"));
    ps.SetTime(position("Time"));
    ps.SetDateFormat(ini.Str("DateFormat", {}));
    ps.SetTitleText(ini.Str("TitleText", {}));
    ps.SetFooterSize(ini.Int("FooterSize", 100));
    ps.SetHeaderSize(ini.Int("HeaderSize", 100));
    ps.SetLeftSize(ini.Int("LeftSize", 100));
    ps.SetRightSize(ini.Int("RightSize", 100));
    TFitToPage fit = ps.FitToPage();
    SetOrdinal(ini.Int("FitToPage", 0), 5, fit);
    ps.SetFitToPage(fit);
    ps.SetFont(ini.GetFont("", ps.Font()));
    ps.SetHeaderFont(ini.GetFont("Header", ps.HeaderFont()));
    ps.SetFooterFont(ini.GetFont("Footer", ps.FooterFont()));
    ps.SetPageNumSep(ini.Str("PageNumSep", {}));
    ps.SetPageSuffix(ini.Str("PageSuffix", {}));
    ps.SetPagePrefix(ini.Str("PagePrefix", {}));
    TPrinterOrientation orientation = ps.Orientation();
    SetOrdinal(ini.Int("Orientation", 0), 2, orientation);
    ps.SetOrientation(orientation);
    const QString lines = ini.Str("TitleLines", {});
    ps.SetTitleLines(lines.isEmpty() ? QStringList() : lines.split(QLatin1String("\\n")));
    ps.SetPrintGraphics(ini.Flag("PrintGraphics", false));
}
