#include "grid/foundation/ColorText.h"
#include "grid/foundation/GridTypes.h"
#include <cstdint>

namespace {
struct TColorName {
    TColor Value;
    const char* Name;
};
// In the toolkit's order: the first name of a value wins.
constexpr TColorName kColorNames[] = {
    {0x000000, "clBlack"}, {0x000080, "clMaroon"}, {0x008000, "clGreen"}, {0x008080, "clOlive"},
    {0x800000, "clNavy"}, {0x800080, "clPurple"}, {0x808000, "clTeal"}, {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"}, {0x0000FF, "clRed"}, {0x00FF00, "clLime"}, {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"}, {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"}, {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"}, {0xF0CAA6, "clSkyBlue"}, {0xF0FBFF, "clCream"}, {0xA4A0A0, "clMedGray"},
    {0xFF00000A, "clActiveBorder"}, {0xFF000002, "clActiveCaption"}, {0xFF00000C, "clAppWorkSpace"},
    {0xFF000001, "clBackground"}, {0xFF00000F, "clBtnFace"}, {0xFF000014, "clBtnHighlight"},
    {0xFF000010, "clBtnShadow"}, {0xFF000012, "clBtnText"}, {0xFF000009, "clCaptionText"},
    {0x20000000, "clDefault"}, {0xFF00001B, "clGradientActiveCaption"}, {0xFF00001C, "clGradientInactiveCaption"},
    {0xFF000011, "clGrayText"}, {0xFF00000D, "clHighlight"}, {0xFF00000E, "clHighlightText"},
    {0xFF00001A, "clHotLight"}, {0xFF00000B, "clInactiveBorder"}, {0xFF000003, "clInactiveCaption"},
    {0xFF000013, "clInactiveCaptionText"}, {0xFF000018, "clInfoBk"}, {0xFF000017, "clInfoText"},
    {0xFF000004, "clMenu"}, {0xFF00001E, "clMenuBar"}, {0xFF00001D, "clMenuHighlight"}, {0xFF000007, "clMenuText"},
    {0x1FFFFFFF, "clNone"}, {0xFF000000, "clScrollBar"}, {0xFF000015, "cl3DDkShadow"}, {0xFF000016, "cl3DLight"},
    {0xFF000005, "clWindow"}, {0xFF000006, "clWindowFrame"}, {0xFF000008, "clWindowText"},
};
} // namespace

QString ColorToIdent(TColor Color)
{
    for (const TColorName& n : kColorNames)
        if (n.Value == Color)
            return QLatin1String(n.Name);
    return {};
}

bool IdentToColor(const QString& Ident, TColor& Color)
{
    for (const TColorName& n : kColorNames)
        if (Ident.compare(QLatin1String(n.Name), Qt::CaseInsensitive) == 0) {
            Color = n.Value;
            return true;
        }
    return false;
}

QString ColorToString(TColor Color)
{
    const QString name = ColorToIdent(Color);
    return name.isEmpty() ? QStringLiteral("$%1").arg(Color, 8, 16, QLatin1Char('0')).toUpper() : name;
}

TColor StringToColor(const QString& Text)
{
    TColor color = 0;
    if (IdentToColor(Text, color))
        return color;
    const QString t = Text.trimmed();
    bool ok = false;
    qint64 value = 0;
    if (t.startsWith(QLatin1Char('$')) && t.size() > 1 && t.size() <= 9)
        value = t.mid(1).toLongLong(&ok, 16);
    else
        value = t.toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > UINT32_MAX)
        throw EConvertError(("'" + Text + "' is not a valid integer value").toStdString());
    return TColor(std::uint32_t(value));
}
