#pragma once
// Pictures that keep the bytes of their image file (BMP, PNG, GIF with its frames, JPEG, icons), the cache the
// mini-HTML renderer keeps for pictures given by address, and the container of named pictures.
#include "platform/Types.h"
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class TBitmap;
class TCanvas;

class THTMLPicture {
public:
    THTMLPicture();
    ~THTMLPicture();
    THTMLPicture(const THTMLPicture&) = delete;
    THTMLPicture& operator=(const THTMLPicture&) = delete;

    // A file that cannot be read or decoded leaves the picture empty and raises nothing.
    void LoadFromFile(const QString& FileName);
    // The whole device from its start; a failure to decode raises std::runtime_error.
    void LoadFromStream(QIODevice* Stream);
    void SaveToStream(QIODevice* Stream) const;
    // A resource of the program (":/" + name); nothing happens when there is none.
    void LoadFromResourceName(const QString& ResName);
    // A resource named by its number; a missing one raises std::runtime_error.
    void LoadFromResourceID(int ResID);
    // "RES://name" and "FILE://path" load (prefix in any case); other addresses never load.
    void LoadFromURL(const QString& url);
    // Copies Source's bytes; no source empties the picture.
    void Assign(const THTMLPicture* Source);

    void Draw(TCanvas& Canvas, const TRect& Rect) const;

    bool Empty() const { return FIsEmpty; }
    int Width() const;
    int Height() const;
    int MaxWidth() const { return FAnimMaxX ? FAnimMaxX : Width(); }
    int MaxHeight() const { return FAnimMaxY ? FAnimMaxY : Height(); }
    const QByteArray& Data() const { return FData; }

    bool Stretch() const { return FStretched; }
    void SetStretch(bool value) { FStretched = value; }
    QString ID() const { return FID; }
    QString URL() const { return FURL; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool value) { FIsDB = value; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool value) { FAsynch = value; }
    bool Busy() const { return FThreadBusy; }

    // GIF frames, counted from 1.
    bool IsGIF() const;
    int FrameCount();                  // -1 when not a GIF
    int FrameTime(int Frame) const;    // delay in hundredths of a second; -1 without that frame
    int Frame() const { return FFrame; }
    void SetFrame(int Value);
    void FrameNext();
    void FramePrev();
    // One 100 ms tick; true when the picture moved on to its next frame.
    bool Step();
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }

    std::function<void(THTMLPicture* Sender)> OnChange;
    std::function<void(THTMLPicture* Sender)> OnFrameChange;

private:
    void SetData(const QByteArray& data);
    void LoadPictureData();
    std::vector<int> FrameStarts() const;
    void Changed();

    QByteArray FData;
    bool FIsEmpty = true;
    bool FStretched = false;
    std::unique_ptr<TBitmap> FPicture;  // the decoded picture (the selected frame of a GIF)
    int FLogPixX = 96;
    int FLogPixY = 96;
    QString FURL;
    QString FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    int FFrameXPos = 0;
    int FFrameYPos = 0;
    int FFrameXSize = 0;
    int FFrameYSize = 0;
    int FAnimMaxX = 0;
    int FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};

// The renderer's pictures given by address, per grid; it owns them.
class THTMLPictureCache {
public:
    THTMLPicture* AddPicture();
    // Exact comparison, letter case included.
    THTMLPicture* FindPicture(const QString& ID) const;
    void ClearPictures() { FItems.clear(); }
    int Count() const { return int(FItems.size()); }
    THTMLPicture* Items(int Index) const { return FItems.at(size_t(Index)).get(); }
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

class TPictureItem {
public:
    TPictureItem() = default;
    THTMLPicture& Picture() { return FPicture; }
    const THTMLPicture& Picture() const { return FPicture; }
    void SetPicture(const THTMLPicture& value) { FPicture.Assign(&value); }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    QString Name() const { return FName; }
    void SetName(const QString& value) { FName = value; }
    void Assign(const TPictureItem& Source);

private:
    THTMLPicture FPicture;
    int FTag = 0;
    QString FName;
};

class TPictureCollection {
public:
    TPictureItem* Add();
    TPictureItem* Insert(int Index);
    int Count() const { return int(FItems.size()); }
    TPictureItem* Items(int Index) const { return FItems.at(size_t(Index)).get(); }
    bool Animate();

private:
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

// Named pictures that mini-HTML refers to by name.
class TPictureContainer : public QObject {
    Q_OBJECT
public:
    explicit TPictureContainer(QObject* AOwner = nullptr);
    ~TPictureContainer() override;
    TPictureCollection& Items() { return FItems; }
    // The picture of the first item whose name matches, letter case ignored; none when no item does.
    virtual THTMLPicture* FindPicture(const QString& s);

private:
    TPictureCollection FItems;
};
