#pragma once
// A print surface that keeps what was drawn, page by page, and measures text by a fixed rule (every
// character half as wide as the font is high), so page layouts come out as exact numbers.
#include "grid/io/PrintCanvas.h"
#include <QStringList>
#include <cstdlib>
#include <vector>

struct RecordedText {
    int Page;
    TRect Box;
    QString Text;
    unsigned Format;
};

struct RecordedTurnedText {
    int Page;
    TPoint Origin;
    QString Text;
    int Angle;
};

struct RecordedLine {
    int Page;
    TPoint From;
    TPoint To;
    int Width;
};

class RecordingPrintCanvas : public TPrintCanvas {
public:
    QSize TextExtent(const TFont& Font, const QString& Text) override
    {
        const int h = std::abs(Font.Height());
        return {int(Text.size()) * h / 2, h};
    }
    int WrappedTextHeight(const TFont& Font, const QString& Text, int Width) override
    {
        const int w = TextExtent(Font, Text).width();
        const int lines = Width > 0 ? std::max(1, (w + Width - 1) / Width) : 1;
        return lines * std::abs(Font.Height());
    }
    void FillRect(const TRect&, TColor) override {}
    void Line(TPoint From, TPoint To, const TPen& Pen) override { Lines.push_back({Page, From, To, Pen.Width()}); }
    void DrawText(const TRect& R, const QString& Text, const TFont&, unsigned Format) override
    {
        Texts.push_back({Page, R, Text, Format});
    }
    void DrawRotatedText(TPoint Origin, const TRect&, const QString& Text, const TFont&, int Angle) override
    {
        Turned.push_back({Page, Origin, Text, Angle});
    }
    void NewPage() override { ++Page; }

    // The texts of one output page (from 0), in drawing order.
    QStringList TextsOn(int page) const
    {
        QStringList out;
        for (const RecordedText& t : Texts)
            if (t.Page == page)
                out << t.Text;
        return out;
    }
    const RecordedText* Find(const QString& text) const
    {
        for (const RecordedText& t : Texts)
            if (t.Text == text)
                return &t;
        return nullptr;
    }

    int Page = 0;
    std::vector<RecordedText> Texts;
    std::vector<RecordedLine> Lines;
    std::vector<RecordedTurnedText> Turned;
};
