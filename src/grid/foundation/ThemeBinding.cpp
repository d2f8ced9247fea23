#include "grid/foundation/ThemeBinding.h"
#include "grid/foundation/VxStyleIF.h"
#include "platform/Canvas.h"
#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

enum ThemeClass : HTHEME { tcNone, tcButton, tcComboBox, tcSpin, tcHeader, tcProgress };

QStyle* AppStyle()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

HTHEME OpenThemeData(QWidget*, const QString& ClassList)
{
    const QString name = ClassList.toLower();
    if (name == QLatin1String("button"))
        return tcButton;
    if (name == QLatin1String("combobox"))
        return tcComboBox;
    if (name == QLatin1String("spin"))
        return tcSpin;
    if (name == QLatin1String("header"))
        return tcHeader;
    if (name == QLatin1String("progress"))
        return tcProgress;
    return tcNone;
}

void CloseThemeData(HTHEME) {}

// States of push buttons and the like: 1 normal, 2 hot, 3 pressed, 4 disabled.
void ApplyState(QStyleOption& opt, int state)
{
    opt.state = QStyle::State_Active;
    if (state != 4)
        opt.state |= QStyle::State_Enabled;
    if (state == 2)
        opt.state |= QStyle::State_MouseOver;
    if (state == 3)
        opt.state |= QStyle::State_Sunken;
}

void PaintPart(QStyle* style, QPainter& p, HTHEME theme, int part, int state, const QRect& rect)
{
    QStyleOptionButton button;
    button.rect = rect;
    button.palette = style->standardPalette();
    switch (theme) {
    case tcButton:
        if (part == 1) {
            ApplyState(button, state);
            style->drawControl(QStyle::CE_PushButtonBevel, &button, &p);
        } else {
            // Check boxes and radio buttons: states 1-4 off, 5-8 on, 9-12 mixed, each normal, hot, pressed, disabled.
            ApplyState(button, (state - 1) % 4 + 1);
            button.state |= state > 8 ? QStyle::State_NoChange : state > 4 ? QStyle::State_On : QStyle::State_Off;
            style->drawPrimitive(part == 2 ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &button, &p);
        }
        break;
    case tcComboBox:
    case tcSpin:
        ApplyState(button, state);
        style->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &p);
        style->drawPrimitive(theme == tcComboBox ? QStyle::PE_IndicatorArrowDown
                             : part == 1         ? QStyle::PE_IndicatorSpinUp
                                                 : QStyle::PE_IndicatorSpinDown,
                             &button, &p);
        break;
    case tcHeader: {
        QStyleOptionHeader header;
        header.rect = rect;
        header.palette = button.palette;
        ApplyState(header, state);
        style->drawControl(QStyle::CE_HeaderSection, &header, &p);
        break;
    }
    case tcProgress: {
        QStyleOptionProgressBar bar;
        bar.rect = rect;
        bar.palette = button.palette;
        bar.state = QStyle::State_Enabled | QStyle::State_Horizontal;
        bar.minimum = 0;
        bar.maximum = 100;
        bar.progress = 100;
        style->drawControl(part == 1 ? QStyle::CE_ProgressBarGroove : QStyle::CE_ProgressBarContents, &bar, &p);
        break;
    }
    default:
        break;
    }
}

void DrawThemeBackground(HTHEME Theme, TCanvas& DC, int PartId, int StateId, const TRect& Rect)
{
    QStyle* style = AppStyle();
    if (Theme == tcNone || !style || Rect.IsEmpty())
        return;
    QImage image(Rect.Width(), Rect.Height(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        PaintPart(style, p, Theme, PartId, StateId, QRect(0, 0, Rect.Width(), Rect.Height()));
    }
    // The canvas draws without antialiasing: a pixel is the part's or the background's, by its coverage.
    constexpr QRgb key = qRgb(1, 2, 3);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qAlpha(c) < 128 ? key : (qRgb(qRed(c), qGreen(c), qBlue(c)) == key ? qRgb(1, 2, 4) : c | 0xFF000000);
        }
    }
    TBitmap part;
    part.SetImage(image);
    part.SetTransparent(true);
    part.SetTransparentMode(TTransparentMode::tmFixed);
    part.SetTransparentColor(FromQColor(QColor(key)));
    DC.Draw(Rect.Left, Rect.Top, part);
}

bool IsThemeActive() { return AppStyle() != nullptr; }

QString GetCurrentThemeName()
{
    QStyle* style = AppStyle();
    return style ? style->name() : QString();
}

} // namespace

void TThemeBinding::BindThemeApi()
{
    if (FLoaded || !AppStyle())
        return;
    FApi.OpenThemeData = OpenThemeData;
    FApi.CloseThemeData = CloseThemeData;
    FApi.DrawThemeBackground = DrawThemeBackground;
    FApi.IsThemeActive = IsThemeActive;
    FApi.GetCurrentThemeName = GetCurrentThemeName;
    FLoaded = true;
}

void TThemeBinding::FreeThemeApi() { FLoaded = false; }

bool TThemeBinding::ThemeApiLoaded()
{
    BindThemeApi();
    return FLoaded;
}

bool TThemeBinding::ThemedDrawing()
{
    return WindowsAtLeastXP() && CommonControlsAtLeastV6() && ThemeApiLoaded() && FApi.IsThemeActive();
}

TThemeBinding& VxXPVS()
{
    static TThemeBinding binding;
    return binding;
}
