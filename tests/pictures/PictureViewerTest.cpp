// The picture viewer shows an item's picture, or nothing when there is none.
#include "pictures/TfrmPic_V.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PictureViewer, ShowsTheItemsJpegOrStaysEmpty)
{
    QTemporaryDir imageDir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(imageDir.filePath("12.jpg"), "JPG"));
    QFile damaged(imageDir.filePath("13.jpg"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a picture");
    damaged.close();

    EXPECT_EQ(itemPictureFile(imageDir.path(), "12"), imageDir.path() + "/12.jpg");
    const struct { const char *id; bool shown; } cases[] = {{"12", true}, {"13", false}, {"14", false}};
    for (const auto &c : cases) {
        TfrmPic_V viewer("A001 A4纸", itemPictureFile(imageDir.path(), c.id));
        EXPECT_EQ(viewer.hasPicture(), c.shown) << c.id;
        EXPECT_EQ(viewer.windowTitle(), "A001 A4纸");
    }
}

} // namespace
