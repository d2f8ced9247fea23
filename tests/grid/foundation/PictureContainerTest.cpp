#include "grid/foundation/JpegCodec.h"
#include "grid/foundation/PictureContainer.h"
#include "support/PaintSurface.h"
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <stdexcept>

namespace {

struct GifFrame {
    int left, top, width, height;
    int delay;          // hundredths of a second
    int colorIndex;     // 0 black, 1 red, 2 green, 3 blue
    bool control = true; // preceded by a graphic control extension
};

void PutLE16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

// LZW data of a frame in one colour: 3-bit codes, a clear code before every second pixel so that the code width
// never grows.
QByteArray LzwSolid(int pixels, int colorIndex)
{
    QByteArray out;
    unsigned acc = 0;
    int bits = 0;
    auto put = [&](unsigned code) {
        acc |= code << bits;
        bits += 3;
        while (bits >= 8) {
            out.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            put(4);  // clear
        put(unsigned(colorIndex));
    }
    put(5);  // end of information
    if (bits > 0)
        out.append(char(acc & 0xFF));
    return out;
}

QByteArray MakeGif(int screenW, int screenH, const std::vector<GifFrame>& frames)
{
    QByteArray b("GIF89a");
    PutLE16(b, screenW);
    PutLE16(b, screenH);
    b.append(char(0x81));  // global colour table of 4 entries
    b.append(char(0));
    b.append(char(0));
    b.append(QByteArray::fromHex("000000FF000000FF000000FF"));
    for (const GifFrame& f : frames) {
        if (f.control) {
            b.append(QByteArray::fromHex("21F904"));
            b.append(char(0));
            PutLE16(b, f.delay);
            b.append(char(0));
            b.append(char(0));
        }
        b.append(char(0x2C));
        PutLE16(b, f.left);
        PutLE16(b, f.top);
        PutLE16(b, f.width);
        PutLE16(b, f.height);
        b.append(char(0));
        b.append(char(2));  // minimum code size
        const QByteArray lzw = LzwSolid(f.width * f.height, f.colorIndex);
        for (qsizetype at = 0; at < lzw.size(); at += 255) {
            const QByteArray block = lzw.mid(at, 255);
            b.append(char(block.size()));
            b.append(block);
        }
        b.append(char(0));
    }
    b.append(char(0x3B));
    return b;
}

void LoadBytes(THTMLPicture& p, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    p.LoadFromStream(&buffer);
}

// What the picture draws at its natural size on a white image.
QImage Drawn(const THTMLPicture& p, int w, int h, const TRect& r)
{
    PaintSurface s(w, h);
    p.Draw(s.canvas, r);
    s.canvas.Release();
    return s.image;
}

const std::vector<GifFrame> kThreeFrames = {
    {0, 0, 6, 4, 30, 1},
    {2, 1, 3, 2, 20, 2},
    {1, 2, 4, 1, 10, 3},
};

TEST(HTMLPicture, GifTestAndFrameScan)
{
    THTMLPicture p;
    LoadBytes(p, MakeGif(6, 4, kThreeFrames));
    EXPECT_TRUE(p.IsGIF());
    EXPECT_EQ(p.FrameCount(), 3);
    EXPECT_EQ(p.FrameTime(1), 30);
    EXPECT_EQ(p.FrameTime(3), 10);
    EXPECT_EQ(p.FrameTime(4), -1);
    EXPECT_EQ(p.FrameTime(0), -1);

    THTMLPicture four;
    EXPECT_THROW(LoadBytes(four, "GIF8"), std::runtime_error);  // not a GIF, and no picture
    EXPECT_FALSE(four.IsGIF());
    EXPECT_EQ(four.FrameCount(), -1);

    // Without a graphic control extension before the descriptor there are no frames; loaded unchanged.
    THTMLPicture still;
    LoadBytes(still, MakeGif(5, 3, {{0, 0, 5, 3, 0, 3, false}}));
    EXPECT_EQ(still.FrameCount(), 0);
    EXPECT_EQ(still.Width(), 5);
    EXPECT_EQ(still.MaxWidth(), 5);
    EXPECT_EQ(Drawn(still, 8, 8, Rect(0, 0, 8, 8)).pixelColor(4, 2), QColor(0, 0, 255));
}

TEST(HTMLPicture, SelectedFrameIsLoadedAlone)
{
    THTMLPicture p;
    LoadBytes(p, MakeGif(6, 4, kThreeFrames));
    int frameChanges = 0;
    p.OnFrameChange = [&](THTMLPicture*) { ++frameChanges; };
    p.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(p.FrameXPos(), 2);
    EXPECT_EQ(p.FrameYPos(), 1);
    EXPECT_EQ(p.Width(), 3);          // the frame
    EXPECT_EQ(p.Height(), 2);
    EXPECT_EQ(p.MaxWidth(), 6);       // the logical screen
    EXPECT_EQ(p.MaxHeight(), 4);
    const QImage img = Drawn(p, 8, 8, Rect(0, 0, 8, 8));
    EXPECT_EQ(img.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(2, 1), QColor(0, 255, 0));
    EXPECT_EQ(img.pixelColor(3, 0), QColor(Qt::white));

    p.FrameNext();
    EXPECT_EQ(p.Frame(), 3);
    p.FrameNext();
    EXPECT_EQ(p.Frame(), 1);
    p.FramePrev();
    EXPECT_EQ(p.Frame(), 3);
}

TEST(HTMLPicture, StepFollowsTheFrameDelays)
{
    THTMLPicture p;
    LoadBytes(p, MakeGif(6, 4, kThreeFrames));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(p.Step()) << i;
    EXPECT_TRUE(p.Step());             // the tick counter starts at -1
    EXPECT_EQ(p.Frame(), 2);
    EXPECT_EQ(p.FrameXPos(), 2);
    EXPECT_FALSE(p.Step());
    EXPECT_TRUE(p.Step());             // 20 more hundredths
    EXPECT_EQ(p.Frame(), 3);

    THTMLPicture still;
    LoadBytes(still, MakeGif(2, 2, {{0, 0, 2, 2, 5, 1}}));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(still.Step());    // a single frame never moves
}

TEST(HTMLPicture, TruncatedFrameIsNeverReadPastTheEnd)
{
    // A control extension and the descriptor's first byte, then the data ends: the frame counts, but its
    // descriptor is not there to read.
    QByteArray cut = MakeGif(6, 4, {}).chopped(1);
    cut.append(QByteArray::fromHex("21F904000A0000002C0100"));
    THTMLPicture p;
    EXPECT_THROW(LoadBytes(p, cut), std::runtime_error);
    EXPECT_EQ(p.FrameCount(), 1);
    EXPECT_EQ(p.FrameTime(1), 10);
    EXPECT_EQ(p.FrameXPos(), 0);
    EXPECT_TRUE(p.Empty());
}

TEST(HTMLPicture, JpegDecodedAndEncoded)
{
    QImage source(16, 8, QImage::Format_RGB32);
    source.fill(QColor(200, 30, 30));
    for (int y = 0; y < 8; ++y)
        for (int x = 8; x < 16; ++x)
            source.setPixelColor(x, y, QColor(20, 40, 220));
    const QByteArray jpeg = EncodeJpeg(source, 95);
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8"));

    const QImage decoded = DecodeJpeg(jpeg);
    ASSERT_EQ(decoded.size(), source.size());
    auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
               std::abs(a.blue() - b.blue()) < 12;
    };
    EXPECT_TRUE(near(decoded.pixelColor(2, 4), QColor(200, 30, 30)));
    EXPECT_TRUE(near(decoded.pixelColor(13, 4), QColor(20, 40, 220)));

    THTMLPicture p;
    LoadBytes(p, jpeg);
    EXPECT_EQ(p.Width(), 16);
    EXPECT_EQ(p.Height(), 8);
    EXPECT_TRUE(near(Drawn(p, 20, 10, Rect(2, 1, 20, 10)).pixelColor(15, 5), QColor(20, 40, 220)));

    EXPECT_TRUE(DecodeJpeg(jpeg.left(20)).isNull());   // the header ends early
    EXPECT_TRUE(DecodeJpeg(QByteArray("\xFF\xD8\xFF\xE0garbage", 11)).isNull());
    EXPECT_TRUE(EncodeJpeg(QImage()).isEmpty());
}

TEST(HTMLPicture, FilesStretchAndFailures)
{
    QTemporaryDir dir;
    QImage png(4, 2, QImage::Format_RGB32);
    png.fill(QColor(255, 0, 0));
    const QString path = dir.filePath("red.png");
    ASSERT_TRUE(png.save(path));
    const QString junk = dir.filePath("junk.png");
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }

    THTMLPicture p;
    int changes = 0;
    p.OnChange = [&](THTMLPicture*) { ++changes; };
    p.LoadFromFile(path);
    EXPECT_FALSE(p.Empty());
    EXPECT_EQ(changes, 1);
    QImage img = Drawn(p, 10, 10, Rect(1, 1, 9, 9));
    EXPECT_EQ(img.pixelColor(4, 2), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(5, 2), QColor(Qt::white));  // natural size
    p.SetStretch(true);
    img = Drawn(p, 10, 10, Rect(1, 1, 9, 9));
    EXPECT_EQ(img.pixelColor(8, 8), QColor(255, 0, 0));

    p.LoadFromFile(junk);                 // raises nothing
    EXPECT_TRUE(p.Empty());
    EXPECT_EQ(Drawn(p, 4, 4, Rect(0, 0, 4, 4)).pixelColor(1, 1), QColor(Qt::white));
    p.LoadFromFile(dir.filePath("missing.png"));
    EXPECT_TRUE(p.Empty());
    // A FIFO named like a picture once blocked the reader for good.
    const QString fifo = dir.filePath("pipe.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    p.LoadFromFile(path);
    p.LoadFromFile(fifo);
    EXPECT_TRUE(p.Empty());
    THTMLPicture q;
    EXPECT_THROW(LoadBytes(q, "not a picture"), std::runtime_error);
    EXPECT_THROW(q.LoadFromResourceID(4711), std::runtime_error);
    q.LoadFromResourceName("no-such-resource");  // nothing happens
    EXPECT_TRUE(q.Empty());

    // Assign copies the bytes; no source empties.
    THTMLPicture r;
    p.LoadFromFile(path);
    r.Assign(&p);
    EXPECT_EQ(r.Data(), p.Data());
    EXPECT_EQ(r.Width(), 4);
    r.Assign(nullptr);
    EXPECT_TRUE(r.Empty());
    EXPECT_TRUE(r.Data().isEmpty());
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    p.SaveToStream(&saved);
    EXPECT_EQ(saved.data(), p.Data());
}

TEST(HTMLPictureCache, AddressesAndLookups)
{
    QTemporaryDir dir;
    QImage png(3, 3, QImage::Format_RGB32);
    png.fill(Qt::blue);
    ASSERT_TRUE(png.save(dir.filePath("b.png")));

    THTMLPictureCache cache;
    THTMLPicture* p = cache.AddPicture();
    const QString url = "file://" + dir.filePath("b.png");
    p->LoadFromURL(url);
    EXPECT_FALSE(p->Empty());
    EXPECT_EQ(cache.FindPicture(url), p);
    EXPECT_EQ(cache.FindPicture("FILE://" + dir.filePath("b.png")), nullptr);  // exact text only

    THTMLPicture* web = cache.AddPicture();
    web->LoadFromURL("http://example.org/x.png");   // never loads
    EXPECT_TRUE(web->Empty());
    EXPECT_TRUE(web->Busy());
    THTMLPicture* sync = cache.AddPicture();
    sync->SetAsynch(false);
    sync->LoadFromURL("http://example.org/y.png");
    EXPECT_FALSE(sync->Busy());
    EXPECT_EQ(cache.FindPicture("http://example.org/y.png"), sync);
    EXPECT_EQ(cache.Count(), 3);
    EXPECT_FALSE(cache.Animate());
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(PictureContainer, FindsByNameIgnoringCase)
{
    TPictureContainer c;
    TPictureItem* first = c.Items().Add();
    first->SetName("Logo");
    TPictureItem* second = c.Items().Add();
    second->SetName("LOGO");
    c.Items().Insert(0)->SetName("other");
    EXPECT_EQ(c.FindPicture("logo"), &first->Picture());
    EXPECT_EQ(c.FindPicture("OTHER"), &c.Items().Items(0)->Picture());
    EXPECT_EQ(c.FindPicture("none"), nullptr);

    LoadBytes(second->Picture(), MakeGif(6, 4, kThreeFrames));
    TPictureItem copy;
    copy.Assign(*second);
    EXPECT_EQ(copy.Name(), "LOGO");
    EXPECT_EQ(copy.Picture().FrameCount(), 3);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(c.Items().Animate());
    EXPECT_TRUE(c.Items().Animate());
}

} // namespace
