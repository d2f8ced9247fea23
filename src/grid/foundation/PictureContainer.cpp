#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/JpegCodec.h"
#include "platform/Canvas.h"
#include "platform/UserFile.h"
#include <QFile>
#include <QImage>
#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kHiMetricPerInch = 2540;

int MulDiv(int a, int b, int c)
{
    const long long p = static_cast<long long>(a) * b;
    return int((p + (p >= 0 ? c / 2 : -c / 2)) / c);
}

int ReadLE16(const QByteArray& d, qsizetype at)
{
    return static_cast<unsigned char>(d[at]) | (static_cast<unsigned char>(d[at + 1]) << 8);
}

// The platform's picture loader: JPEG through libjpeg, the other formats through Qt's readers.
QImage DecodePicture(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xD8"))
        return DecodeJpeg(bytes);
    QImage image;
    image.loadFromData(bytes);
    return image;
}

} // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::SetData(const QByteArray& data)
{
    FData = data;
    FFrameCount = -1;  // counted again for the new bytes
}

void THTMLPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

void THTMLPicture::LoadFromFile(const QString& FileName)
{
    // A FIFO or a file past the limit on a user's file is no picture, as a missing one.
    QByteArray bytes;
    if (!Read_User_File(FileName, bytes)) {
        FIsEmpty = true;
        return;
    }
    SetData(bytes);
    FIsEmpty = false;
    try {
        LoadPictureData();
    } catch (const std::runtime_error&) {
        FIsEmpty = true;
        return;
    }
    Changed();
}

void THTMLPicture::LoadFromStream(QIODevice* Stream)
{
    if (!Stream)
        return;
    if (!Stream->isSequential())
        Stream->seek(0);
    SetData(Stream->readAll());
    FIsEmpty = false;
    try {
        LoadPictureData();
    } catch (...) {
        FIsEmpty = true;
        throw;
    }
    Changed();
}

void THTMLPicture::SaveToStream(QIODevice* Stream) const
{
    if (Stream)
        Stream->write(FData);
}

void THTMLPicture::LoadFromResourceName(const QString& ResName)
{
    QFile f(QStringLiteral(":/") + ResName);
    if (f.open(QIODevice::ReadOnly))
        LoadFromStream(&f);
}

void THTMLPicture::LoadFromResourceID(int ResID)
{
    QFile f(QStringLiteral(":/") + QString::number(ResID));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("Resource " + std::to_string(ResID) + " not found");
    LoadFromStream(&f);
}

void THTMLPicture::LoadFromURL(const QString& url)
{
    const QString up = url.toUpper();
    if (up.startsWith(QStringLiteral("RES://"))) {
        FID = url;
        if (url.size() > 6)
            LoadFromResourceName(url.mid(6));
    } else if (up.startsWith(QStringLiteral("FILE://"))) {
        FID = url;
        if (url.size() > 7)
            LoadFromFile(url.mid(7));
    } else if (!FAsynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        // Downloading is not offered: the picture stays empty and busy, as it always did.
        FURL = url;
        FThreadBusy = true;
    }
}

void THTMLPicture::Assign(const THTMLPicture* Source)
{
    FIsEmpty = true;
    FPicture.reset();
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
    FFrame = 1;
    if (!Source) {
        FData.clear();
        return;
    }
    SetData(Source->FData);
    FIsEmpty = false;
    LoadPictureData();
    Changed();
}

bool THTMLPicture::IsGIF() const
{
    return FData.size() > 4 && FData.startsWith("GIF8");
}

std::vector<int> THTMLPicture::FrameStarts() const
{
    // A graphic control extension directly followed by an image descriptor; every position counts, also inside
    // image data.
    std::vector<int> starts;
    const auto* d = reinterpret_cast<const unsigned char*>(FData.constData());
    for (qsizetype j = 0; j + 9 < FData.size(); ++j)
        if (d[j] == 0x21 && d[j + 1] == 0xF9 && d[j + 2] == 0x04 && d[j + 8] == 0x2C)
            starts.push_back(int(j));
    return starts;
}

int THTMLPicture::FrameCount()
{
    if (FFrameCount == -1 && IsGIF())
        FFrameCount = int(FrameStarts().size());
    return FFrameCount;
}

int THTMLPicture::FrameTime(int Frame) const
{
    if (!IsGIF())
        return -1;
    const std::vector<int> starts = FrameStarts();
    if (Frame < 1 || Frame > int(starts.size()))
        return -1;
    return ReadLE16(FData, starts[size_t(Frame - 1)] + 4);
}

void THTMLPicture::LoadPictureData()
{
    FFrameXPos = FFrameYPos = FAnimMaxX = FAnimMaxY = 0;
    QByteArray bytes = FData;
    bool framed = false;
    if (IsGIF() && FrameCount() > 0) {
        if (FData.size() >= 10) {
            FAnimMaxX = ReadLE16(FData, 6);
            FAnimMaxY = ReadLE16(FData, 8);
        }
        // The frames before the selected one are left out, so that the loader shows it as the file's first.
        const std::vector<int> starts = FrameStarts();
        if (FFrame > 1)
            bytes = FData.left(starts.front()) +
                    (FFrame <= int(starts.size()) ? FData.mid(starts[size_t(FFrame - 1)]) : QByteArray());
        if (FFrame >= 1 && FFrame <= int(starts.size())) {
            const qsizetype d = starts[size_t(FFrame - 1)] + 9;  // after the descriptor's $2C
            if (d + 8 <= FData.size()) {
                FFrameXPos = ReadLE16(FData, d);
                FFrameYPos = ReadLE16(FData, d + 2);
                FFrameXSize = ReadLE16(FData, d + 4);
                FFrameYSize = ReadLE16(FData, d + 6);
                framed = true;
            }
        }
    }
    QImage image = DecodePicture(bytes);
    if (image.isNull()) {
        FPicture.reset();
        throw std::runtime_error("Could not load image. Invalid format");
    }
    // Qt's reader places the frame on the whole logical screen; the picture is the frame alone, drawn at its
    // position by the renderer.
    if (framed && image.width() == FAnimMaxX && image.height() == FAnimMaxY) {
        const QRect frame = QRect(FFrameXPos, FFrameYPos, FFrameXSize, FFrameYSize).intersected(image.rect());
        if (!frame.isEmpty())
            image = image.copy(frame);
    }
    if (!FPicture)
        FPicture = std::make_unique<TBitmap>();
    FPicture->SetImage(image);
}

int THTMLPicture::Width() const
{
    if (!FPicture)
        return 0;
    return MulDiv(MulDiv(FPicture->Width(), kHiMetricPerInch, 96), FLogPixX, kHiMetricPerInch);
}

int THTMLPicture::Height() const
{
    if (!FPicture)
        return 0;
    return MulDiv(MulDiv(FPicture->Height(), kHiMetricPerInch, 96), FLogPixY, kHiMetricPerInch);
}

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& Rect) const
{
    if (FIsEmpty || !FPicture)
        return;
    if (FStretched) {
        Canvas.StretchDraw(Rect, *FPicture);
        return;
    }
    const int w = MulDiv(MulDiv(FPicture->Width(), kHiMetricPerInch, 96), kPixelsPerInch, kHiMetricPerInch);
    const int h = MulDiv(MulDiv(FPicture->Height(), kHiMetricPerInch, 96), kPixelsPerInch, kHiMetricPerInch);
    Canvas.StretchDraw(::Rect(Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h), *FPicture);
}

void THTMLPicture::SetFrame(int Value)
{
    FFrame = Value;
    if (FData.isEmpty())
        return;
    LoadPictureData();
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    FFrame = FFrame < FrameCount() ? FFrame + 1 : 1;
}

void THTMLPicture::FramePrev()
{
    FFrame = FFrame >= 2 ? FFrame - 1 : FrameCount();
}

bool THTMLPicture::Step()
{
    if (FrameCount() < 2 || FIsEmpty)
        return false;
    if (FNextCount == -1)
        FNextCount = FrameTime(FFrame);
    bool moved = false;
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        LoadPictureData();
        FNextCount += FrameTime(FFrame);
        moved = true;
    }
    ++FTimerCount;
    return moved;
}

THTMLPicture* THTMLPictureCache::AddPicture()
{
    FItems.push_back(std::make_unique<THTMLPicture>());
    return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const
{
    for (const auto& p : FItems)
        if (p->ID() == ID)
            return p.get();
    return nullptr;
}

bool THTMLPictureCache::Animate()
{
    bool moved = false;
    for (const auto& p : FItems)
        moved = p->Step() || moved;
    return moved;
}

void TPictureItem::Assign(const TPictureItem& Source)
{
    FName = Source.FName;
    FTag = Source.FTag;
    FPicture.Assign(&Source.FPicture);
}

TPictureItem* TPictureCollection::Add()
{
    FItems.push_back(std::make_unique<TPictureItem>());
    return FItems.back().get();
}

TPictureItem* TPictureCollection::Insert(int Index)
{
    const size_t at = Index < 0 ? 0 : std::min(size_t(Index), FItems.size());
    return FItems.insert(FItems.begin() + std::ptrdiff_t(at), std::make_unique<TPictureItem>())->get();
}

bool TPictureCollection::Animate()
{
    bool moved = false;
    for (const auto& item : FItems)
        moved = item->Picture().Step() || moved;
    return moved;
}

TPictureContainer::TPictureContainer(QObject* AOwner) : QObject(AOwner) {}
TPictureContainer::~TPictureContainer() = default;

THTMLPicture* TPictureContainer::FindPicture(const QString& s)
{
    const QString name = s.toUpper();
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.Items(i)->Name().toUpper() == name)
            return &FItems.Items(i)->Picture();
    return nullptr;
}
