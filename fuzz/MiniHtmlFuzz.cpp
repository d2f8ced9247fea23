// Mini-HTML texts from anywhere: preparation, tag reading, controls, marking and the renderer on a small canvas.
#include "grid/foundation/MiniHtmlRender.h"
#include "grid/foundation/MiniHtml.h"
#include "platform/Canvas.h"
#include <QGuiApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    PrepareMiniHtml(text);
    MiniHtmlToPlainText(text);
    DecodeHtmlEntities(EncodeHtmlEntities(text, true), true);
    QString marked;
    MarkMatchesInHtml(text, text.left(2), QStringLiteral("hi"), marked, false);
    UnmarkMatchesInHtml(marked, QStringLiteral("hi"));
    QString edited = text;
    SetHtmlControlValue(edited, NextHtmlEditControl(text, QString()), QStringLiteral("<v>"));
    ResetHtmlRadioControls(text);

    QImage image(64, 48, QImage::Format_RGB32);
    TCanvas canvas(&image);
    TMiniHtmlParams params;
    params.Rect = Rect(0, 0, 64, 48);
    params.XPos = 10;
    params.YPos = 5;
    params.WordWrap = size % 2 == 0;
    TMiniHtmlResult result;
    RenderMiniHtml(canvas, text, params, result);
    params.CheckHotSpot = true;
    RenderMiniHtml(canvas, text, params, result);
    return 0;
}
