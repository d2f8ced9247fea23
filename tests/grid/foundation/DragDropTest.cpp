#include "grid/foundation/DragDrop.h"
#include <QCoreApplication>
#include <QDropEvent>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

struct RtfSwitch {
    explicit RtfSwitch(bool on) { SetRTFDropEnabled(on); }
    ~RtfSwitch() { SetRTFDropEnabled(false); }
};

TEST(DragFormats, CellsBlockLayout)
{
    const QByteArray stream("0123456789");
    const QByteArray block = MakeGridCellsBlock(stream);
    EXPECT_EQ(block, Bytes({10, 0, 0, 0, 0, 0, 0, 0}) + stream);
    EXPECT_EQ(ReadGridCellsBlock(block), std::optional<QByteArray>(stream));
    EXPECT_EQ(ReadGridCellsBlock(Bytes({0, 0, 0, 0, 0, 0, 0, 0})), std::optional<QByteArray>(QByteArray()));
    // Blocks from other programs that do not hold what they claim are absent.
    EXPECT_FALSE(ReadGridCellsBlock(Bytes({11, 0, 0, 0, 0, 0, 0, 0}) + stream).has_value());
    EXPECT_FALSE(ReadGridCellsBlock(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}) + stream).has_value());
    EXPECT_FALSE(ReadGridCellsBlock(Bytes({0, 0, 0, 0, 0, 0, 0})).has_value());
    EXPECT_EQ(DragFormatMimeType(CF_GRIDCELLS_NAME), "application/x-qt-windows-mime;value=\"TVxStringGrid Cells\"");
}

TEST(DragFormats, SourceDataObjectOffers)
{
    const QByteArray stream("abc");
    {
        RtfSwitch rtf(false);
        TSourceDataObject text("Hello", &stream, -1, "{\\rtf1 x}");
        EXPECT_EQ(text.formats(), QStringList({"text/plain", DragFormatMimeType(CF_GRIDCELLS_NAME)}));
        EXPECT_EQ(text.text(), "Hello");
        EXPECT_EQ(text.data("text/plain"), "Hello");
        EXPECT_EQ(text.data(DragFormatMimeType(CF_GRIDCELLS_NAME)), Bytes({3, 0, 0, 0, 0, 0, 0, 0}) + "abc");
        EXPECT_TRUE(text.data(DragFormatMimeType(CF_RTF_NAME)).isEmpty());
    }
    {
        RtfSwitch rtf(true);
        TSourceDataObject text("Hello", nullptr, -1, QString::fromLatin1("{\\rtf1 \xE9}"));
        EXPECT_EQ(text.formats(), QStringList({"text/plain", DragFormatMimeType(CF_RTF_NAME)}));
        EXPECT_EQ(text.data(DragFormatMimeType(CF_RTF_NAME)), QByteArray("{\\rtf1 \xE9}", 9) + '\0');
        TSourceDataObject noRtf("Hello", nullptr, -1, "");
        EXPECT_EQ(noRtf.data(DragFormatMimeType(CF_RTF_NAME)), QByteArray(1, '\0'));
        TSourceDataObject empty("", &stream, -1, "{\\rtf1}");   // no text: neither text nor rich text
        EXPECT_EQ(empty.formats(), QStringList({DragFormatMimeType(CF_GRIDCELLS_NAME)}));
    }
    TSourceDataObject column("", nullptr, 258, "");
    EXPECT_EQ(column.formats(), QStringList({DragFormatMimeType(CF_GRIDCOLUMN_NAME)}));
    EXPECT_EQ(column.data(DragFormatMimeType(CF_GRIDCOLUMN_NAME)), Bytes({2, 1, 0, 0}));
    const TEnumFormats reader(&column);
    EXPECT_TRUE(reader.HasCol());
    EXPECT_EQ(reader.Col(), 258);
    EXPECT_FALSE(reader.HasText());
}

TEST(DragFormats, ReaderChecksForeignBlocks)
{
    QMimeData data;
    data.setData(DragFormatMimeType(CF_GRIDCOLUMN_NAME), Bytes({1, 0, 0}));
    data.setData(DragFormatMimeType(CF_GRIDCELLS_NAME), Bytes({200, 0, 0, 0, 0, 0, 0, 0, 1, 2}));
    data.setData(DragFormatMimeType(CF_RTF_NAME), QByteArray("{\\rtf1}\0junk", 12));
    data.setText(QString("line") + QChar(0) + "rest");
    const TEnumFormats reader(&data);
    EXPECT_FALSE(reader.HasCol());
    EXPECT_EQ(reader.Col(), -1);
    EXPECT_FALSE(reader.HasGridCells());
    EXPECT_FALSE(reader.Stream().has_value());
    EXPECT_EQ(reader.RTF(), "{\\rtf1}");
    EXPECT_EQ(reader.Text(), "line");

    QMimeData links;
    links.setUrls({QUrl::fromLocalFile("/tmp/a.txt"), QUrl("https://example.org/"), QUrl::fromLocalFile("/tmp/b")});
    const TEnumFormats linkReader(&links);
    EXPECT_EQ(linkReader.Files(), QStringList({"/tmp/a.txt", "/tmp/b"}));
    EXPECT_TRUE(linkReader.HasURL());
    EXPECT_EQ(linkReader.URL(), "https://example.org/");
}

// ---- Drops fed as the platform would ----

class RecordingTarget : public TVXGDropTarget {
public:
    QStringList calls;
    bool allowMove = true;
    TDropFormats seen;

protected:
    void DropText(QPoint, const QString& s) override { calls << "text:" + s; }
    void DropStream(QPoint, const QByteArray& stream) override { calls << "stream:" + QString::fromLatin1(stream); }
    void DropCol(QPoint, int col) override { calls << "col:" + QString::number(col); }
    void DropRTF(QPoint, const QString& s) override { calls << "rtf:" + s; }
    void DropFiles(QPoint, const QStringList& files) override { calls << "files:" + files.join(','); }
    void DropURL(QPoint, const QString& s) override { calls << "url:" + s; }
    void DragMouseMove(QPoint, bool& Allow, TDropFormats formats) override
    {
        seen = formats;
        if (!allowMove)
            Allow = false;
    }
    void DragMouseEnter() override { calls << "enter"; }
    void DragMouseLeave() override { calls << "leave"; }
};

struct DropFixture : ::testing::Test {
    QWidget widget;
    RecordingTarget target;
    void SetUp() override
    {
        widget.resize(100, 100);
        target.Register(&widget);
    }
    // Enter, move and drop with the same data; returns the effect of the drop (IgnoreAction when refused).
    Qt::DropAction DragAndDrop(QMimeData* data, Qt::DropActions allowed, Qt::KeyboardModifiers keys = {},
                               Qt::DropAction* overEffect = nullptr)
    {
        QDragEnterEvent enter(QPoint(5, 5), allowed, data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(&widget, &enter);
        QDragMoveEvent move(QPoint(6, 6), allowed, data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(&widget, &move);
        if (overEffect)
            *overEffect = move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
        QDropEvent drop(QPointF(6, 6), allowed, data, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(&widget, &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
};

TEST_F(DropFixture, ColumnWinsOverCellsTextComesBeforeFiles)
{
    target.SetAcceptCols(true);
    const QByteArray stream("xy");
    TSourceDataObject both("", &stream, 3, "");
    DragAndDrop(&both, Qt::CopyAction | Qt::MoveAction);
    EXPECT_EQ(target.calls, QStringList({"enter", "col:3"}));
    EXPECT_TRUE(target.seen.Contains(TDropFormat::dfCol));
    EXPECT_TRUE(target.seen.Contains(TDropFormat::dfGridCells));

    target.calls.clear();
    QMimeData mixed;
    mixed.setText("hello");
    mixed.setUrls({QUrl::fromLocalFile("/tmp/f1")});
    DragAndDrop(&mixed, Qt::CopyAction);
    EXPECT_EQ(target.calls, QStringList({"enter", "text:hello", "files:/tmp/f1"}));

    target.calls.clear();
    TSourceDataObject cells("ignored", &stream, -1, "");
    DragAndDrop(&cells, Qt::CopyAction);
    EXPECT_EQ(target.calls, QStringList({"enter", "stream:xy"}));
}

TEST_F(DropFixture, EffectRule)
{
    QMimeData text;
    text.setText("t");
    EXPECT_EQ(DragAndDrop(&text, Qt::CopyAction | Qt::MoveAction, Qt::ControlModifier), Qt::CopyAction);
    EXPECT_EQ(DragAndDrop(&text, Qt::CopyAction | Qt::MoveAction), Qt::MoveAction);
    // Copy is asked for when the source offers only a link; Qt then falls back to what the source offers.
    EXPECT_NE(DragAndDrop(&text, Qt::LinkAction), Qt::IgnoreAction);

    Qt::DropAction over = Qt::CopyAction;
    target.allowMove = false;                 // the grid refuses this spot
    DragAndDrop(&text, Qt::CopyAction, {}, &over);
    EXPECT_EQ(over, Qt::IgnoreAction);
}

TEST_F(DropFixture, RefusedDataHasNoEffect)
{
    target.SetAcceptText(false);
    QMimeData text;
    text.setText("t");
    EXPECT_EQ(DragAndDrop(&text, Qt::CopyAction), Qt::IgnoreAction);
    EXPECT_EQ(target.calls, QStringList({"enter"}));

    // A column block under 4 bytes and a cells block that claims too much are absent: nothing to take.
    target.SetAcceptCols(true);
    QMimeData broken;
    broken.setData(DragFormatMimeType(CF_GRIDCOLUMN_NAME), Bytes({1, 0}));
    broken.setData(DragFormatMimeType(CF_GRIDCELLS_NAME), Bytes({9, 0, 0, 0, 0, 0, 0, 0, 1}));
    target.calls.clear();
    EXPECT_EQ(DragAndDrop(&broken, Qt::CopyAction), Qt::IgnoreAction);
    EXPECT_TRUE(target.DropFormats().IsEmpty());

    // Rich text is taken only while the switch is on, and then instead of the text.
    target.SetAcceptText(true);
    QMimeData rich;
    rich.setText("plain");
    rich.setData(DragFormatMimeType(CF_RTF_NAME), QByteArray("{\\rtf1}", 7) + '\0');
    target.calls.clear();
    DragAndDrop(&rich, Qt::CopyAction);
    EXPECT_EQ(target.calls, QStringList({"enter", "text:plain"}));
    RtfSwitch on(true);
    target.calls.clear();
    DragAndDrop(&rich, Qt::CopyAction);
    EXPECT_EQ(target.calls, QStringList({"enter", "rtf:{\\rtf1}"}));
}

TEST_F(DropFixture, LinksComeWithTheirText)
{
    QMimeData link;
    link.setText("https://example.org/page");
    link.setData(DragFormatMimeType(CF_URL_NAME), QByteArray("https://example.org/page"));
    DragAndDrop(&link, Qt::CopyAction);
    EXPECT_EQ(target.calls, QStringList({"enter", "text:https://example.org/page", "url:https://example.org/page"}));
}

} // namespace
