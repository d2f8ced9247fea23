#include "grid/foundation/FilePicture.h"
#include "platform/Canvas.h"
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

    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    picture.DrawPicture(canvas, Rect(2, 2, 12, 8));
    canvas.Release();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(11, 7), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(12, 8), QColor(Qt::white));

    // Assigning copies without loading: the copy keeps the size even when the file is gone.
    QFile::remove(path);
    TFilePicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Filename(), path);
    EXPECT_EQ(copy.Width(), 4);
    TCanvas again(&image);
    image.fill(Qt::white);
    copy.DrawPicture(again, Rect(0, 0, 20, 20));   // the file is read at each draw: now nothing
    again.Release();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));

    TFilePicture missing;
    missing.SetFilename(dir.filePath("none.png"));
    EXPECT_EQ(missing.Width(), 0);
}
