// The visual-properties file: one "name=value" line per colour, flag, size, font part and look of the grid, in
// a fixed order, in the ANSI code page.
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/SortSettings.h"
#include "grid/core/VxStringGrid.h"
#include "grid/foundation/ColorText.h"
#include "grid/foundation/GridOptionGroups.h"
#include "grid/model/CodePage.h"
#include "grid/io/GridFile.h"
#include "grid/io/GridIniFile.h"
#include "grid/model/GridGrouping.h"
#include "grid/model/GridText.h"
#include "grid/paint/ControlLook.h"
#include "platform/UserFile.h"
#include <functional>
#include <vector>

namespace {

using G = TVxStringGrid;

// One line of the file: how its value is written and how a read value is applied.
struct TVisualProp {
    QString Name;
    std::function<QString(const G&)> Get;
    std::function<void(G&, const QString&)> Set;
};

QString BoolText(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

// An empty value is no colour.
TColor ColorValue(const QString& Value) { return Value.isEmpty() ? clNone : StringToColor(Value); }

int IntValue(const QString& Value, int Min, int Max)
{
    bool ok = false;
    const int v = Value.trimmed().toInt(&ok);
    if (!ok)
        throw EConvertError(("'" + Value + "' is not a valid integer value").toStdString());
    // A value no grid could draw comes from a damaged file.
    if (v < Min || v > Max)
        throw EConvertError(("'" + Value + "' is out of range").toStdString());
    return v;
}

constexpr int kMaxSize = 1000;   // pixels or points: far past any cell

TVisualProp Color(const char* Name, std::function<TColor(const G&)> Get, std::function<void(G&, TColor)> Set)
{
    return {QLatin1String(Name), [Get](const G& g) { return ColorToString(Get(g)); },
            [Set](G& g, const QString& v) { Set(g, ColorValue(v)); }};
}

TVisualProp Bool(const char* Name, std::function<bool(const G&)> Get, std::function<void(G&, bool)> Set)
{
    return {QLatin1String(Name), [Get](const G& g) { return BoolText(Get(g)); },
            [Set](G& g, const QString& v) { Set(g, v.toUpper() == QLatin1String("TRUE")); }};
}

TVisualProp Int(const char* Name, int Min, int Max, std::function<int(const G&)> Get,
                std::function<void(G&, int)> Set)
{
    return {QLatin1String(Name), [Get](const G& g) { return QString::number(Get(g)); },
            [Set, Min, Max](G& g, const QString& v) { Set(g, IntValue(v, Min, Max)); }};
}

// Enumerations by their names; an unknown name leaves the property as it is.
template <typename E>
TVisualProp Enum(const char* Name, QStringList Names, std::function<E(const G&)> Get, std::function<void(G&, E)> Set)
{
    return {QLatin1String(Name), [Get, Names](const G& g) { return Names.value(int(Get(g))); },
            [Set, Names](G& g, const QString& v) {
                for (int i = 0; i < Names.size(); ++i)
                    if (!Names[i].isEmpty() && v.toUpper() == Names[i].toUpper()) {
                        Set(g, E(i));
                        return;
                    }
            }};
}

const QList<std::pair<TFontStyle, QString>> kFontStyles{{TFontStyle::fsBold, QStringLiteral("fsBold")},
                                                         {TFontStyle::fsItalic, QStringLiteral("fsItalic")},
                                                         {TFontStyle::fsUnderline, QStringLiteral("fsUnderline")},
                                                         {TFontStyle::fsStrikeOut, QStringLiteral("fsStrikeOut")}};

QString StyleText(TFontStyles Style)
{
    QStringList names;
    for (const auto& [style, name] : kFontStyles)
        if (Style.testFlag(style))
            names << name;
    return names.join(QLatin1Char(','));
}

TFontStyles StyleValue(const QString& Value)
{
    TFontStyles style;
    for (const auto& [s, name] : kFontStyles)
        if (Value.contains(name))
            style |= s;
    return style;
}

// The four lines of a font: each changes one part of a copy and sets the font through its setter.
void AddFont(std::vector<TVisualProp>& Props, const char* Name, std::function<const TFont&(const G&)> Get,
             std::function<void(G&, const TFont&)> Set)
{
    const QString name = QLatin1String(Name);
    const auto part = [Get, Set](std::function<void(TFont&, const QString&)> Change) {
        return [Get, Set, Change](G& g, const QString& v) {
            TFont f = Get(g);
            Change(f, v);
            Set(g, f);
        };
    };
    Props.push_back({name + ".Color", [Get](const G& g) { return ColorToString(Get(g).Color()); },
                     part([](TFont& f, const QString& v) { f.SetColor(ColorValue(v)); })});
    Props.push_back({name + ".Style", [Get](const G& g) { return StyleText(Get(g).Style()); },
                     part([](TFont& f, const QString& v) { f.SetStyle(StyleValue(v)); })});
    Props.push_back({name + ".Size", [Get](const G& g) { return QString::number(Get(g).Size()); },
                     part([](TFont& f, const QString& v) { f.SetSize(IntValue(v, 1, kMaxSize)); })});
    Props.push_back({name + ".Name", [Get](const G& g) { return Get(g).Name(); },
                     part([](TFont& f, const QString& v) { f.SetName(v); })});
}

// The lines in the order of the file.
const std::vector<TVisualProp>& VisualProps()
{
    static const std::vector<TVisualProp> props = [] {
        std::vector<TVisualProp> p;
        p.push_back(Color("Color", &G::Color, &G::SetColor));
        p.push_back(Color("HintColor", &G::HintColor, &G::SetHintColor));
        p.push_back(Color("SelectionColor", &G::SelectionColor, &G::SetSelectionColor));
        p.push_back(Color("SelectionColorTo", &G::SelectionColorTo, &G::SetSelectionColorTo));
        p.push_back(Color("SelectionMirrorColor", &G::SelectionMirrorColor, &G::SetSelectionMirrorColor));
        p.push_back(Color("SelectionMirrorColorTo", &G::SelectionMirrorColorTo, &G::SetSelectionMirrorColorTo));
        p.push_back(Color("SelectionTextColor", &G::SelectionTextColor, &G::SetSelectionTextColor));
        p.push_back(Color("URLColor", &G::URLColor, &G::SetURLColor));
        p.push_back(Bool("URLShow", &G::URLShow, &G::SetURLShow));
        p.push_back(Bool("URLShowInText", &G::URLShowInText, &G::SetURLShowInText));
        p.push_back(Color("ScrollColor", &G::ScrollColor, &G::SetScrollColor));
        p.push_back(Color("ActiveRowColor", &G::ActiveRowColor, &G::SetActiveRowColor));
        p.push_back(Bool("ActiveRowShow", &G::ActiveRowShow, &G::SetActiveRowShow));
        p.push_back(Bool("ActiveCellShow", &G::ActiveCellShow, &G::SetActiveCellShow));
        AddFont(p, "Font", &G::Font, &G::SetFont);
        p.push_back(Color("ActiveCellColor", &G::ActiveCellColor, &G::SetActiveCellColor));
        p.push_back(Color("ActiveCellColorTo", &G::ActiveCellColorTo, &G::SetActiveCellColorTo));
        AddFont(p, "ActiveCellFont", &G::ActiveCellFont, &G::SetActiveCellFont);
        AddFont(p, "FixedFont", &G::FixedFont, &G::SetFixedFont);
        p.push_back(Color(
            "Balloon.BackgroundColor", [](const G& g) { return g.Balloon().BackgroundColor(); },
            [](G& g, TColor v) { g.Balloon().SetBackgroundColor(v); }));
        p.push_back(Color(
            "Balloon.TextColor", [](const G& g) { return g.Balloon().TextColor(); },
            [](G& g, TColor v) { g.Balloon().SetTextColor(v); }));
        p.push_back(Int(
            "Balloon.Transparency", 0, 255, [](const G& g) { return int(g.Balloon().Transparency()); },
            [](G& g, int v) { g.Balloon().SetTransparency(std::uint8_t(v)); }));
        p.push_back(Color(
            "Bands.PrimaryColor", [](const G& g) { return g.Bands().PrimaryColor(); },
            [](G& g, TColor v) { g.Bands().SetPrimaryColor(v); }));
        p.push_back(Color(
            "Bands.SecondaryColor", [](const G& g) { return g.Bands().SecondaryColor(); },
            [](G& g, TColor v) { g.Bands().SetSecondaryColor(v); }));
        p.push_back(Bool(
            "Bands.Active", [](const G& g) { return g.Bands().Active(); },
            [](G& g, bool v) { g.Bands().SetActive(v); }));
        p.push_back(Color(
            "SortSettings.IndexColor", [](const G& g) { return g.SortSettings().IndexColor(); },
            [](G& g, TColor v) { g.SortSettings().SetIndexColor(v); }));
        p.push_back(Color(
            "FloatingFooter.Color", [](const G& g) { return g.FloatingFooter().Color(); },
            [](G& g, TColor v) { g.FloatingFooter().SetColor(v); }));
        p.push_back(Int(
            "ControlLook.CheckSize", 0, kMaxSize, [](const G& g) { return g.ControlLook().CheckSize(); },
            [](G& g, int v) { g.ControlLook().SetCheckSize(v); }));
        p.push_back(Color(
            "ControlLook.Color", [](const G& g) { return g.ControlLook().Color(); },
            [](G& g, TColor v) { g.ControlLook().SetColor(v); }));
        p.push_back(Color(
            "ControlLook.CommentColor", [](const G& g) { return g.ControlLook().CommentColor(); },
            [](G& g, TColor v) { g.ControlLook().SetCommentColor(v); }));
        p.push_back(Enum<TControlStyle>(
            "ControlLook.ControlStyle",
            {"csClassic", "csFlat", "csWinXP", "csBorland", "csZarn", "csGlyph", "csTheme"},
            [](const G& g) { return g.ControlLook().ControlStyle(); },
            [](G& g, TControlStyle v) { g.ControlLook().SetControlStyle(v); }));
        p.push_back(Color(
            "ControlLook.FixedGradientFrom", [](const G& g) { return g.ControlLook().FixedGradientFrom(); },
            [](G& g, TColor v) { g.ControlLook().SetFixedGradientFrom(v); }));
        p.push_back(Color(
            "ControlLook.FixedGradientTo", [](const G& g) { return g.ControlLook().FixedGradientTo(); },
            [](G& g, TColor v) { g.ControlLook().SetFixedGradientTo(v); }));
        p.push_back(Int(
            "ControlLook.RadioSize", 0, kMaxSize, [](const G& g) { return g.ControlLook().RadioSize(); },
            [](G& g, int v) { g.ControlLook().SetRadioSize(v); }));
        p.push_back(Bool(
            "ControlLook.FlatButton", [](const G& g) { return g.ControlLook().FlatButton(); },
            [](G& g, bool v) { g.ControlLook().SetFlatButton(v); }));
        p.push_back(Color(
            "ControlLook.ProgressBorderColor", [](const G& g) { return g.ControlLook().ProgressBorderColor(); },
            [](G& g, TColor v) { g.ControlLook().SetProgressBorderColor(v); }));
        p.push_back(Bool(
            "ControlLook.ProgressXP", [](const G& g) { return g.ControlLook().ProgressXP(); },
            [](G& g, bool v) { g.ControlLook().SetProgressXP(v); }));
        // glCustom has no name: written empty, never read back.
        p.push_back(Enum<TGridLook>("Look",
                                    {"glStandard", "glSoft", "glClassic", "glZarn", "glXP", "glListView", "glVista",
                                     "glWin7", "glOffice2007", ""},
                                    &G::Look, &G::SetLook));
        p.push_back(Color(
            "SearchFooter.Color", [](const G& g) { return g.SearchFooter().Color(); },
            [](G& g, TColor v) { g.SearchFooter().SetColor(v); }));
        p.push_back(Color(
            "SearchFooter.ColorTo", [](const G& g) { return g.SearchFooter().ColorTo(); },
            [](G& g, TColor v) { g.SearchFooter().SetColorTo(v); }));
        const auto groupColor = [&p](const char* Name, TColor (TGrouping::*Get)() const,
                                     void (TGrouping::*Set)(TColor)) {
            p.push_back(Color(
                Name, [Get](const G& g) { return (g.Grouping().*Get)(); },
                [Set](G& g, TColor v) { (g.Grouping().*Set)(v); }));
        };
        const auto groupBool = [&p](const char* Name, bool (TGrouping::*Get)() const, void (TGrouping::*Set)(bool)) {
            p.push_back(Bool(
                Name, [Get](const G& g) { return (g.Grouping().*Get)(); },
                [Set](G& g, bool v) { (g.Grouping().*Set)(v); }));
        };
        const auto groupInt = [&p](const char* Name, int (TGrouping::*Get)() const, void (TGrouping::*Set)(int)) {
            p.push_back(Int(
                Name, 0, kMaxSize, [Get](const G& g) { return (g.Grouping().*Get)(); },
                [Set](G& g, int v) { (g.Grouping().*Set)(v); }));
        };
        groupColor("Grouping.HeaderColor", &TGrouping::HeaderColor, &TGrouping::SetHeaderColor);
        groupColor("Grouping.HeaderColorTo", &TGrouping::HeaderColorTo, &TGrouping::SetHeaderColorTo);
        groupColor("Grouping.HeaderTextColor", &TGrouping::HeaderTextColor, &TGrouping::SetHeaderTextColor);
        groupBool("Grouping.HeaderUnderline", &TGrouping::HeaderUnderline, &TGrouping::SetHeaderUnderline);
        groupColor("Grouping.HeaderLineColor", &TGrouping::HeaderLineColor, &TGrouping::SetHeaderLineColor);
        groupInt("Grouping.HeaderLineWidth", &TGrouping::HeaderLineWidth, &TGrouping::SetHeaderLineWidth);
        groupColor("Grouping.SummaryColor", &TGrouping::SummaryColor, &TGrouping::SetSummaryColor);
        groupColor("Grouping.SummaryColorTo", &TGrouping::SummaryColorTo, &TGrouping::SetSummaryColorTo);
        groupColor("Grouping.SummaryTextColor", &TGrouping::SummaryTextColor, &TGrouping::SetSummaryTextColor);
        groupBool("Grouping.SummaryLine", &TGrouping::SummaryLine, &TGrouping::SetSummaryLine);
        groupColor("Grouping.SummaryLineColor", &TGrouping::SummaryLineColor, &TGrouping::SetSummaryLineColor);
        groupInt("Grouping.SummaryLineWidth", &TGrouping::SummaryLineWidth, &TGrouping::SetSummaryLineWidth);
        p.push_back(Color("GridLineColor", &G::GridLineColor, &G::SetGridLineColor));
        p.push_back(Color("GridFixedLineColor", &G::GridFixedLineColor, &G::SetGridFixedLineColor));
        p.push_back(Int(
            "BackGround.Top", -kMaxSize * 100, kMaxSize * 100, [](const G& g) { return g.BackGround().Top(); },
            [](G& g, int v) { g.BackGround().SetTop(v); }));
        p.push_back(Int(
            "BackGround.Left", -kMaxSize * 100, kMaxSize * 100, [](const G& g) { return g.BackGround().Left(); },
            [](G& g, int v) { g.BackGround().SetLeft(v); }));
        p.push_back(Enum<TBackGroundDisplay>(
            "BackGround.Display", {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"},
            [](const G& g) { return g.BackGround().Display(); },
            [](G& g, TBackGroundDisplay v) { g.BackGround().SetDisplay(v); }));
        p.push_back(Enum<TBackGroundCells>(
            "BackGround.Cells", {"bcNormal", "bcFixed", "bcAll"}, [](const G& g) { return g.BackGround().Cells(); },
            [](G& g, TBackGroundCells v) { g.BackGround().SetCells(v); }));
        p.push_back(Color(
            "BackGround.Color", [](const G& g) { return g.BackGround().Color(); },
            [](G& g, TColor v) { g.BackGround().SetColor(v); }));
        p.push_back(Color(
            "BackGround.ColorTo", [](const G& g) { return g.BackGround().ColorTo(); },
            [](G& g, TColor v) { g.BackGround().SetColorTo(v); }));
        return p;
    }();
    return props;
}

// Lines (from 1) in the order they are applied: Look after the colours before it, so that its setter may change
// them; the search footer, then the grid lines before the grouping.
std::vector<int> LoadOrder()
{
    std::vector<int> order;
    const auto run = [&order](int From, int To) {
        for (int i = From; i <= To; ++i)
            order.push_back(i);
    };
    run(1, 47);
    run(48, 49);
    run(62, 63);
    run(50, 61);
    run(64, 69);
    return order;
}

// The value of the first line named Name (without regard to case); empty when there is none.
QString ValueOf(const QStringList& Lines, const QString& Name)
{
    for (const QString& line : Lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).compare(Name, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return {};
}
} // namespace

void TVxStringGrid::SaveVisualProps(const QString& FileName)
{
    QString text;
    for (const TVisualProp& p : VisualProps())
        text += p.Name + QLatin1Char('=') + p.Get(*this) + QLatin1String("\r\n");
    WriteGridFile(FileName, EncodeCodePage(text, TCodePage::cpAnsi1252));
}

void TVxStringGrid::LoadVisualProps(const QString& FileName)
{
    QByteArray bytes;
    QString error;
    if (!Read_User_File(FileName, bytes, &error))
        throw EInOutError(error.toStdString());
    QStringList lines = DecodeCodePage(bytes, TCodePage::cpAnsi1252).split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    const std::vector<TVisualProp>& props = VisualProps();
    for (int row : LoadOrder()) {
        const TVisualProp& p = props[std::size_t(row - 1)];
        p.Set(*this, ValueOf(lines, p.Name));
    }
}
