#pragma once
// Drag-and-drop formats of the grids: the data a drag offers, a reader of dropped data, the drop target whose
// virtual operations a grid overrides, the drop source, and the two operations that start a drag.
#include "grid/foundation/GridTypes.h"
#include <QByteArray>
#include <QMimeData>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <optional>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QWidget;

// The library's named formats, each carried under its own MIME type.
extern const char* const CF_GRIDCELLS_NAME;   // "TVxStringGrid Cells"
extern const char* const CF_GRIDCOLUMN_NAME;  // "Grid Column"
extern const char* const CF_RTF_NAME;         // "Rich Text Format"
extern const char* const CF_URL_NAME;         // "UniformResourceLocator"
QString DragFormatMimeType(const char* FormatName);

// Off at start: drop targets then take no rich text and data objects give none out.
void SetRTFDropEnabled(bool Value);
bool RTFDropEnabled();

// The most rows and columns a paste, a drop or a read file may grow a grid to (what a spreadsheet holds):
// past that, time and memory run away while nothing more could be worked with.
constexpr int Max_Exchange_Rows = 1048576;
constexpr int Max_Exchange_Cols = 16384;

// "TVxStringGrid Cells": n (unsigned 32-bit little-endian), four zero bytes, then the n bytes of the cell stream.
QByteArray MakeGridCellsBlock(const QByteArray& Stream);
// None when the block is shorter than its header or claims more bytes than it holds.
std::optional<QByteArray> ReadGridCellsBlock(const QByteArray& Block);

enum class TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TEnumSet<TDropFormat>;

// The data a drag offers: text (also as rich text while the switch is on), a column (-1: none) and a cell stream.
class TSourceDataObject : public QMimeData {
    Q_OBJECT
public:
    TSourceDataObject(const QString& stxt, const QByteArray* stream, int sidx, const QString& srtf);
    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    QString textdata;
    QString rtfdata;
    int scolidx = -1;
    std::optional<QByteArray> memstr;
};

// Reads the formats of dropped data; blocks that do not hold what their layout promises count as absent.
class TEnumFormats {
public:
    explicit TEnumFormats(const QMimeData* DataObject);
    const QMimeData* DataObject() const { return FDataObject; }

    bool HasText() const;
    bool HasFile() const;
    bool HasRTF() const;
    bool HasCol() const;
    bool HasURL() const;
    bool HasGridCells() const;

    QString Text() const;                     // up to its first NUL; empty when absent
    QString RTF() const;
    int Col() const;                          // -1 when absent
    std::optional<QByteArray> Stream() const;
    QString URL() const;                      // the text, or the first address that is not a file
    QStringList Files() const;                // local files, in order

private:
    const QMimeData* FDataObject;
};

// Takes the drag-and-drop events of the widgets it is registered with. Points are screen coordinates.
class TVXGDropTarget : public QObject {
    Q_OBJECT
public:
    explicit TVXGDropTarget(QObject* parent = nullptr);
    void Register(QWidget* Target);

    bool AcceptText() const { return FAcceptText; }
    void SetAcceptText(bool value) { FAcceptText = value; }
    bool AcceptFiles() const { return FAcceptFiles; }
    void SetAcceptFiles(bool value) { FAcceptFiles = value; }
    bool AcceptCols() const { return FAcceptCols; }
    void SetAcceptCols(bool value) { FAcceptCols = value; }
    bool AcceptURLs() const { return FAcceptURLs; }
    void SetAcceptURLs(bool value) { FAcceptURLs = value; }
    TDropFormats DropFormats() const { return FDropFormats; }

protected:
    virtual void DropText(QPoint pt, const QString& s);
    virtual void DropStream(QPoint pt, const QByteArray& Stream);
    virtual void DropCol(QPoint pt, int col);
    virtual void DropRTF(QPoint pt, const QString& s);
    virtual void DropFiles(QPoint pt, const QStringList& files);
    virtual void DropURL(QPoint pt, const QString& s);
    virtual void DragMouseMove(QPoint pt, bool& Allow, TDropFormats DropFormats);
    virtual void DragMouseEnter();
    virtual void DragMouseLeave();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DragEnter(QWidget* target, QDragEnterEvent* e);
    void DragOver(QWidget* target, QDragMoveEvent* e);
    void Drop(QWidget* target, QDropEvent* e);

    bool FOk = false;
    bool FAcceptText = true;
    bool FAcceptFiles = true;
    bool FAcceptCols = false;
    bool FAcceptURLs = true;
    TDropFormats FDropFormats;
};

// The platform's drag results.
constexpr long DRAGDROP_S_DROP = 0x00040100;
constexpr long DRAGDROP_S_CANCEL = 0x00040101;

// Follows a drag it started; the hooks are empty here.
class TVXGDropSource {
public:
    virtual ~TVXGDropSource() = default;
    // The effect the target under the mouse offers now; none leaves the drag to be cancelled.
    void GiveFeedback(Qt::DropAction dwEffect);
    bool NoAccept() const { return FNoAccept; }
    // The picture that follows the pointer while dragging, HotSpot being the pointer's place on it; none: the
    // system's.
    void SetDragImage(const QPixmap& Image, QPoint HotSpot)
    {
        FDragImage = Image;
        FDragImageHotSpot = HotSpot;
    }

protected:
    virtual void DragStopped() {}
    virtual void CurrentEffect(Qt::DropAction) {}
    virtual void QueryDrag() {}

private:
    friend long RunDrag(QWidget*, TVXGDropSource&, TSourceDataObject*, Qt::DropActions, Qt::DropAction&);
    bool FNoAccept = false;
    QPixmap FDragImage;
    QPoint FDragImageHotSpot;
};

// The modal drag loop. A real one needs a pointer and a window system; tests put their own in its place.
class TDragRunner {
public:
    virtual ~TDragRunner() = default;
    // What the target did; Feedback hears each effect the target under the pointer offers.
    virtual Qt::DropAction Exec(QWidget* Source, QMimeData* Data, Qt::DropActions OKEffects,
                                const std::function<void(Qt::DropAction)>& Feedback) = 0;
    // The drag's picture, told before Exec when the source has one.
    virtual void DragImage(const QPixmap&, QPoint) {}
};
// nullptr restores the system's loop. The runner is not owned.
void SetDragRunner(TDragRunner* Runner);

// Each runs the modal drag loop; Effect receives what the target did. The result is DRAGDROP_S_CANCEL when the
// last feedback had no effect, else DRAGDROP_S_DROP.
long BeginTextDrag(QWidget* Owner, TVXGDropSource& DropSource, const QString& Text, const QString& RTF,
                   Qt::DropAction& Effect, Qt::DropActions OKEffects, const QByteArray* Stream);
long BeginColumnDrag(QWidget* Owner, TVXGDropSource& DropSource, int Column, Qt::DropActions OKEffects,
                     Qt::DropAction& Effect);
