#include "grid/foundation/DragDrop.h"
#include <QDrag>
#include <QDropEvent>
#include <QUrl>
#include <QWidget>
#include <memory>

const char* const CF_GRIDCELLS_NAME = "TVxStringGrid Cells";
const char* const CF_GRIDCOLUMN_NAME = "Grid Column";
const char* const CF_RTF_NAME = "Rich Text Format";
const char* const CF_URL_NAME = "UniformResourceLocator";

namespace {

bool gRTFDropEnabled = false;

const QString kTextMime = QStringLiteral("text/plain");

quint32 ReadLE32(const QByteArray& b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

void PutLE32(QByteArray& b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

QString UpToNul(const QString& s)
{
    const qsizetype nul = s.indexOf(QChar(0));
    return nul < 0 ? s : s.left(nul);
}

// Copy when the key state holds Ctrl; else move when the source allows it, else copy.
Qt::DropAction EffectRule(Qt::KeyboardModifiers keys, Qt::DropActions allowed)
{
    if (keys & Qt::ControlModifier)
        return Qt::CopyAction;
    return (allowed & Qt::MoveAction) ? Qt::MoveAction : Qt::CopyAction;
}

void SetEffect(QDropEvent* e, Qt::DropAction effect)
{
    if (effect == Qt::IgnoreAction) {
        e->setDropAction(Qt::IgnoreAction);
        e->ignore();
    } else {
        e->setDropAction(effect);
        e->accept();
    }
}

QPoint ScreenPoint(QWidget* target, const QDropEvent* e)
{
    return target->mapToGlobal(e->position().toPoint());
}

} // namespace

QString DragFormatMimeType(const char* FormatName)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(FormatName));
}

void SetRTFDropEnabled(bool Value) { gRTFDropEnabled = Value; }
bool RTFDropEnabled() { return gRTFDropEnabled; }

QByteArray MakeGridCellsBlock(const QByteArray& Stream)
{
    QByteArray b;
    PutLE32(b, quint32(Stream.size()));
    PutLE32(b, 0);
    return b + Stream;
}

std::optional<QByteArray> ReadGridCellsBlock(const QByteArray& Block)
{
    if (Block.size() < 8)
        return std::nullopt;
    const quint32 n = ReadLE32(Block, 0);
    if (n > quint64(Block.size() - 8))
        return std::nullopt;
    return Block.mid(8, qsizetype(n));
}

// ---- TSourceDataObject ----

TSourceDataObject::TSourceDataObject(const QString& stxt, const QByteArray* stream, int sidx, const QString& srtf)
    : textdata(stxt), rtfdata(srtf), scolidx(sidx)
{
    if (stream)
        memstr = *stream;
}

QStringList TSourceDataObject::formats() const
{
    QStringList list;
    if (!textdata.isEmpty())
        list << kTextMime;
    if (!textdata.isEmpty() && gRTFDropEnabled)
        list << DragFormatMimeType(CF_RTF_NAME);
    if (scolidx != -1)
        list << DragFormatMimeType(CF_GRIDCOLUMN_NAME);
    if (memstr)
        list << DragFormatMimeType(CF_GRIDCELLS_NAME);
    return list;
}

bool TSourceDataObject::hasFormat(const QString& mimeType) const
{
    return formats().contains(mimeType);
}

QVariant TSourceDataObject::retrieveData(const QString& mimeType, QMetaType type) const
{
    if (!hasFormat(mimeType))
        return {};
    if (mimeType == kTextMime)
        return type.id() == QMetaType::QByteArray ? QVariant(textdata.toUtf8()) : QVariant(textdata);
    if (mimeType == DragFormatMimeType(CF_RTF_NAME))
        return rtfdata.toLatin1() + '\0';
    if (mimeType == DragFormatMimeType(CF_GRIDCOLUMN_NAME)) {
        QByteArray b;
        PutLE32(b, quint32(scolidx));
        return b;
    }
    return MakeGridCellsBlock(*memstr);
}

// ---- TEnumFormats ----

TEnumFormats::TEnumFormats(const QMimeData* DataObject) : FDataObject(DataObject) {}

bool TEnumFormats::HasText() const
{
    return FDataObject && FDataObject->hasFormat(kTextMime);
}

bool TEnumFormats::HasFile() const
{
    return !Files().isEmpty();
}

bool TEnumFormats::HasRTF() const
{
    return FDataObject && FDataObject->hasFormat(DragFormatMimeType(CF_RTF_NAME));
}

bool TEnumFormats::HasCol() const
{
    return FDataObject && FDataObject->data(DragFormatMimeType(CF_GRIDCOLUMN_NAME)).size() >= 4;
}

bool TEnumFormats::HasURL() const
{
    if (!FDataObject)
        return false;
    if (FDataObject->hasFormat(DragFormatMimeType(CF_URL_NAME)))
        return true;
    for (const QUrl& u : FDataObject->urls())
        if (!u.isLocalFile())
            return true;
    return false;
}

bool TEnumFormats::HasGridCells() const
{
    return Stream().has_value();
}

QString TEnumFormats::Text() const
{
    return HasText() ? UpToNul(FDataObject->text()) : QString();
}

QString TEnumFormats::RTF() const
{
    if (!FDataObject)
        return {};
    const QByteArray b = FDataObject->data(DragFormatMimeType(CF_RTF_NAME));
    const qsizetype nul = b.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? b : b.left(nul));
}

int TEnumFormats::Col() const
{
    if (!FDataObject)
        return -1;
    const QByteArray b = FDataObject->data(DragFormatMimeType(CF_GRIDCOLUMN_NAME));
    return b.size() < 4 ? -1 : int(ReadLE32(b, 0));
}

std::optional<QByteArray> TEnumFormats::Stream() const
{
    if (!FDataObject || !FDataObject->hasFormat(DragFormatMimeType(CF_GRIDCELLS_NAME)))
        return std::nullopt;
    return ReadGridCellsBlock(FDataObject->data(DragFormatMimeType(CF_GRIDCELLS_NAME)));
}

QString TEnumFormats::URL() const
{
    const QString text = Text();
    if (!text.isEmpty() || !FDataObject)
        return text;
    for (const QUrl& u : FDataObject->urls())
        if (!u.isLocalFile())
            return u.toString();
    return {};
}

QStringList TEnumFormats::Files() const
{
    QStringList files;
    if (FDataObject)
        for (const QUrl& u : FDataObject->urls())
            if (u.isLocalFile())
                files << u.toLocalFile();
    return files;
}

// ---- TVXGDropTarget ----

TVXGDropTarget::TVXGDropTarget(QObject* parent) : QObject(parent) {}

void TVXGDropTarget::Register(QWidget* Target)
{
    Target->setAcceptDrops(true);
    Target->installEventFilter(this);
}

void TVXGDropTarget::DropText(QPoint, const QString&) {}
void TVXGDropTarget::DropStream(QPoint, const QByteArray&) {}
void TVXGDropTarget::DropCol(QPoint, int) {}
void TVXGDropTarget::DropRTF(QPoint, const QString&) {}
void TVXGDropTarget::DropFiles(QPoint, const QStringList&) {}
void TVXGDropTarget::DropURL(QPoint, const QString&) {}
void TVXGDropTarget::DragMouseMove(QPoint, bool&, TDropFormats) {}
void TVXGDropTarget::DragMouseEnter() {}
void TVXGDropTarget::DragMouseLeave() {}

bool TVXGDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
        DragEnter(target, static_cast<QDragEnterEvent*>(event));
        return true;
    case QEvent::DragMove:
        DragOver(target, static_cast<QDragMoveEvent*>(event));
        return true;
    case QEvent::DragLeave:
        DragMouseLeave();
        return true;
    case QEvent::Drop:
        Drop(target, static_cast<QDropEvent*>(event));
        return true;
    default:
        return false;
    }
}

void TVXGDropTarget::DragEnter(QWidget*, QDragEnterEvent* e)
{
    const TEnumFormats formats(e->mimeData());
    const bool text = formats.HasText(), files = formats.HasFile(), rtf = formats.HasRTF(), col = formats.HasCol(),
               url = formats.HasURL(), cells = formats.HasGridCells();
    FOk = (text && FAcceptText) || (files && FAcceptFiles) || (rtf && gRTFDropEnabled && FAcceptText) ||
          (col && FAcceptCols) || (url && FAcceptURLs) || cells;
    FDropFormats = {};
    if (text)
        FDropFormats.Include(TDropFormat::dfText);
    if (files)
        FDropFormats.Include(TDropFormat::dfFile);
    if (rtf)
        FDropFormats.Include(TDropFormat::dfRTF);
    if (col)
        FDropFormats.Include(TDropFormat::dfCol);
    if (url)
        FDropFormats.Include(TDropFormat::dfURL);
    if (cells)
        FDropFormats.Include(TDropFormat::dfGridCells);
    SetEffect(e, FOk ? EffectRule(e->modifiers(), e->possibleActions()) : Qt::IgnoreAction);
    DragMouseEnter();
}

void TVXGDropTarget::DragOver(QWidget* target, QDragMoveEvent* e)
{
    Qt::DropAction effect = FOk ? EffectRule(e->modifiers(), e->possibleActions()) : Qt::IgnoreAction;
    bool allow = effect != Qt::IgnoreAction;
    DragMouseMove(ScreenPoint(target, e), allow, FDropFormats);
    if (!allow)
        effect = Qt::IgnoreAction;
    SetEffect(e, effect);
}

void TVXGDropTarget::Drop(QWidget* target, QDropEvent* e)
{
    if (!FOk) {
        SetEffect(e, Qt::IgnoreAction);
        return;
    }
    const TEnumFormats formats(e->mimeData());
    const QPoint pt = ScreenPoint(target, e);
    if (formats.HasCol()) {
        DropCol(pt, formats.Col());
    } else {
        if (const std::optional<QByteArray> stream = formats.Stream())
            DropStream(pt, *stream);
        else if (formats.HasRTF() && gRTFDropEnabled)
            DropRTF(pt, formats.RTF());
        else if (formats.HasText())
            DropText(pt, formats.Text());
        if (formats.HasFile())
            DropFiles(pt, formats.Files());
        if (formats.HasURL())
            DropURL(pt, formats.URL());
    }
    SetEffect(e, EffectRule(e->modifiers(), e->possibleActions()));
}

// ---- Drop source and starting a drag ----

void TVXGDropSource::GiveFeedback(Qt::DropAction dwEffect)
{
    FNoAccept = dwEffect == Qt::IgnoreAction;
    CurrentEffect(dwEffect);
}

namespace {
TDragRunner* gDragRunner = nullptr;
}

void SetDragRunner(TDragRunner* Runner)
{
    gDragRunner = Runner;
}

long RunDrag(QWidget* owner, TVXGDropSource& source, TSourceDataObject* data, Qt::DropActions okEffects,
             Qt::DropAction& effect)
{
    if (gDragRunner) {
        const std::unique_ptr<TSourceDataObject> owned(data);
        if (!source.FDragImage.isNull())
            gDragRunner->DragImage(source.FDragImage, source.FDragImageHotSpot);
        effect = gDragRunner->Exec(owner, data, okEffects, [&source](Qt::DropAction a) { source.GiveFeedback(a); });
    } else {
        auto* drag = new QDrag(owner);  // Qt deletes a drag when its loop ends
        drag->setMimeData(data);
        if (!source.FDragImage.isNull()) {
            drag->setPixmap(source.FDragImage);
            drag->setHotSpot(source.FDragImageHotSpot);
        }
        QObject::connect(drag, &QDrag::actionChanged, drag, [&source](Qt::DropAction a) { source.GiveFeedback(a); });
        effect = drag->exec(okEffects);
    }
    source.FNoAccept = effect == Qt::IgnoreAction;
    source.DragStopped();
    source.QueryDrag();
    return source.FNoAccept ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
}

long BeginTextDrag(QWidget* Owner, TVXGDropSource& DropSource, const QString& Text, const QString& RTF,
                   Qt::DropAction& Effect, Qt::DropActions OKEffects, const QByteArray* Stream)
{
    return RunDrag(Owner, DropSource, new TSourceDataObject(Text, Stream, -1, RTF), OKEffects, Effect);
}

long BeginColumnDrag(QWidget* Owner, TVXGDropSource& DropSource, int Column, Qt::DropActions OKEffects,
                     Qt::DropAction& Effect)
{
    return RunDrag(Owner, DropSource, new TSourceDataObject(QString(), nullptr, Column, QString()), OKEffects,
                   Effect);
}
