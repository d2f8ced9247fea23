#include "grid/foundation/FilePicture.h"
#include "support/PaintSurface.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TFilePicture, SizeFromTheFileAndDrawnStretched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.png");
    QImage source(4, 2, QImage::Format_RGB32);
    source.fill(Qt::red);
    ASSERT_TRUE(source.save(path));

    TFilePicture picture;
    picture.SetFilename(path);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 2);

    PaintSurface s(20, 20);
    picture.DrawPicture(s.canvas, Rect(2, 2, 12, 8));
    EXPECT_EQ(s.Pixel(2, 2), clRed);
    EXPECT_EQ(s.Pixel(11, 7), clRed);
    EXPECT_EQ(s.Pixel(12, 8), clWhite);

    // Assigning copies without loading: the copy keeps the size even when the file is gone.
    QFile::remove(path);
    TFilePicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Filename(), path);
    EXPECT_EQ(copy.Width(), 4);
    PaintSurface again(20, 20);
    copy.DrawPicture(again.canvas, Rect(0, 0, 20, 20));   // the file is read at each draw: now nothing
    EXPECT_EQ(again.Pixel(5, 5), clWhite);

    TFilePicture missing;
    missing.SetFilename(dir.filePath("none.png"));
    EXPECT_EQ(missing.Width(), 0);
}
