#include "DropDownFixture.h"
#include "PickerTestSupport.h"
#include "platform/ImageList.h"
#include "support/QStringPrinter.h"
#include "widgets/dropdown/VxImagePickerDropDown.h"
#include <QDir>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
QImage Filled(int w, int h, Qt::GlobalColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

struct ImageWindow : DropDownWindow<TVxImagePickerDropDown> {
    TVxImagePickerDropDown& d = *edit;
    TCustomImageList images{16, 16};
    int selects = 0;
    int changes = 0;
    explicit ImageWindow(int count = 8)
    {
        for (int i = 0; i < count; ++i)
            images.Add(Filled(16, 16, i % 2 ? Qt::blue : Qt::green));
        d.SetImages(&images);
        d.AddImagesFromImageList();
        d.OnSelect = [this](QObject*) { ++selects; };
        d.OnChange = [this](QObject*) { ++changes; };
    }
    void Open() { QTest::mouseClick(&d, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10)); }
    QWidget* Popup() const { return d.DropDownForm(); }
};
} // namespace

TEST(ImagePicker, ItemsFromTheImageList)
{
    ImageWindow none(0);
    none.d.SetImages(nullptr);
    none.d.AddImagesFromImageList();
    EXPECT_EQ(none.d.Items().Count(), 0);

    ImageWindow w(16);
    w.d.Items().Insert(0)->SetCaption(QStringLiteral("first"));
    w.d.AddImagesFromImageList();
    ASSERT_EQ(w.d.Items().Count(), 33);
    EXPECT_EQ(w.d.Items()[0].Caption(), QStringLiteral("first"));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(w.d.Items()[17 + i].ImageIndex(), i);
}

TEST(ImagePicker, ItemsFromAFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(Filled(8, 6, Qt::red).save(dir.filePath(QStringLiteral("a.png"))));
    ASSERT_TRUE(Filled(4, 4, Qt::blue).save(dir.filePath(QStringLiteral("b.png"))));
    QFile text(dir.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no picture");
    text.close();

    ImageWindow pictures(0);
    pictures.d.AddImagesFromFolder(dir.path() + QStringLiteral("/*.png"), true);
    ASSERT_EQ(pictures.d.Items().Count(), 2);
    EXPECT_EQ(pictures.d.Items()[0].Caption(), QStringLiteral("a.png"));
    EXPECT_EQ(pictures.d.Items()[0].Image().Width(), 8);
    EXPECT_EQ(pictures.d.Items()[1].Caption(), QStringLiteral("b.png"));

    // Every entry the mask matches, the folder's own "." and ".." included, in a Windows-spelt path.
    ImageWindow all(0);
    all.d.AddImagesFromFolder(QDir::toNativeSeparators(dir.path()).replace(u'/', u'\\') + QStringLiteral("\\*.*"),
                              true);
    ASSERT_EQ(all.d.Items().Count(), 5);
    const struct {
        const char* caption;
        bool picture;
    } expected[] = {{"", false}, {"", false}, {"a.png", true}, {"b.png", true}, {"", false}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(all.d.Items()[i].Caption(), QString::fromLatin1(expected[i].caption));
        EXPECT_EQ(!all.d.Items()[i].Image().Empty(), expected[i].picture);
    }
    ImageWindow untitled(0);
    untitled.d.AddImagesFromFolder(dir.path() + QStringLiteral("/a.png"), false);
    ASSERT_EQ(untitled.d.Items().Count(), 1);
    EXPECT_TRUE(untitled.d.Items()[0].Caption().isEmpty());
}

TEST(ImagePicker, ItemIndexAndImageIndex)
{
    ImageWindow w;
    w.d.SetImageIndex(3);
    EXPECT_EQ(w.d.ItemIndex(), 3);
    EXPECT_EQ(w.changes, 1);
    EXPECT_EQ(w.selects, 1);
    w.d.SetImageIndex(40);   // no item carries it
    EXPECT_EQ(w.d.ItemIndex(), -1);
    EXPECT_EQ(w.changes, 2);
    EXPECT_EQ(w.selects, 2);
    w.d.SetItemIndex(8);   // at the count: ignored
    EXPECT_EQ(w.d.ItemIndex(), -1);
    w.d.SetItemIndex(-5);
    EXPECT_EQ(w.d.ItemIndex(), -5);
    EXPECT_EQ(w.d.ImageIndex(), -1);
    EXPECT_EQ(w.selects, 3);
    EXPECT_EQ(w.d.Text(), QString());
}

TEST(ImagePicker, UpAndDownMoveByARowInTheOpenPopup)
{
    ImageWindow w;
    w.d.SetColumns(4);
    w.d.SetItemIndex(1);
    w.Open();
    ASSERT_TRUE(w.d.DroppedDown());
    TypeKey(w.Popup(), Qt::Key_Down);
    EXPECT_EQ(w.d.ItemIndex(), 5);
    EXPECT_TRUE(w.d.DroppedDown());
    TypeKey(w.Popup(), Qt::Key_Up);
    EXPECT_EQ(w.d.ItemIndex(), 1);
    TypeKey(w.Popup(), Qt::Key_Up);   // a row above the first: nothing
    EXPECT_EQ(w.d.ItemIndex(), 1);
    TypeKey(w.Popup(), Qt::Key_Right);
    EXPECT_EQ(w.d.ItemIndex(), 2);
    TypeKey(w.Popup(), Qt::Key_End);
    EXPECT_EQ(w.d.ItemIndex(), 7);
    EXPECT_TRUE(w.d.DroppedDown());
    SaveScreenshot(w.Popup(), QStringLiteral("image_picker_dropdown"));
    TypeKey(w.Popup(), Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 1);   // as before the opening
}

TEST(ImagePicker, WheelMovesTheHotItemAndEnterTakesIt)
{
    ImageWindow w;
    w.d.SetColumns(4);
    w.Open();
    ASSERT_TRUE(w.d.DroppedDown());
    // The pop-up sizes itself to the selector's panel: two rows of four 24-pixel cells.
    EXPECT_EQ(w.d.ItemSelector()->GetSelectorSize(), (TSize{2 + 4 * 24 + 2, 2 + 2 * 24 + 2}));
    // The list passes the wheel on to the pop-up (a wheel sent by hand is not passed on, so it goes there).
    for (int i = 0; i < 3; ++i) {
        QWheelEvent wheel(QPointF(5, 5), w.Popup()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.Popup(), &wheel);
    }
    EXPECT_EQ(w.d.ItemSelector()->ItemHot(), 2);
    EXPECT_EQ(w.d.ItemIndex(), -1);
    EXPECT_EQ(w.selects, 0);
    TypeKey(w.Popup(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 2);
    EXPECT_EQ(w.selects, 1);   // the pick's, none of the key's own
    TypeKey(&w.d, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(w.selects, 2);   // no hot item: Enter tells
}

TEST(ImagePicker, ClickPicksAndTypeAheadFindsCaptions)
{
    ImageWindow w(0);
    for (const char* c : {"Circle", "Cross", "Square"}) {
        TImageItem* item = w.d.Items().Add();
        item->SetCaption(QString::fromLatin1(c));
        TBitmap picture;
        picture.SetImage(Filled(10, 10, Qt::darkCyan));
        item->SetImage(picture);
    }
    const auto clock = MakeManualClock();
    w.d.SetTypeAheadClock(clock);
    w.Open();
    ASSERT_TRUE(w.d.DroppedDown());
    TypeChars(w.Popup(), QStringLiteral("cr"));
    EXPECT_EQ(w.d.ItemIndex(), 1);
    EXPECT_TRUE(w.d.DroppedDown());
    clock->Now += 500;
    TypeChars(w.Popup(), QStringLiteral("s"));
    EXPECT_EQ(w.d.ItemIndex(), 2);
    const TRect cell = w.d.ItemSelector()->Panel()->GetItemRect(0);
    QTest::mouseClick(w.d.ItemSelector()->Panel(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.Left + 3, cell.Top + 3));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 0);
}

TEST(ImagePicker, TheEditShowsThePictureBeforeTheListImage)
{
    ImageWindow w(1);   // one green list image
    w.d.resize(100, 30);
    TBitmap picture;
    picture.SetImage(Filled(8, 8, Qt::red));
    w.d.Items()[0].SetImage(picture);
    w.d.SetItemIndex(0);
    // The edit's text area runs from 1 to the button, less 3; the picture stands in its middle.
    const TRect area = Rect(1, 1, 100 - w.d.DropDownButtonWidth() - 3, 29);
    const QPoint centre(area.Left + area.Width() / 2, area.Top + area.Height() / 2);
    EXPECT_EQ(w.d.grab().toImage().pixelColor(centre), QColor(Qt::red));
    w.d.Items()[0].SetImage(TBitmap());
    w.d.update();
    EXPECT_EQ(w.d.grab().toImage().pixelColor(centre), QColor(Qt::green));
    w.d.SetItemIndex(-1);
    EXPECT_NE(w.d.grab().toImage().pixelColor(centre), QColor(Qt::green));
}
