// Pictures: making them, drawing one into another, and the application's own.

#include "framework/Picture.h"
#include "framework/ResourceFork.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

namespace {

using framework::Graphics;
using framework::Picture;

std::shared_ptr<Picture> filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return Picture::fromImage(image);
}

int alphaAt(const Picture& picture, int x, int y) {
    return picture.image().pixelColor(x, y).alpha();
}

TEST(Picture, NewIsTransparentAndNilWhenItCannotBeMade) {
    const auto picture = Picture::New(18, 18, 32);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 18);
    EXPECT_EQ(picture->Height(), 18);
    EXPECT_EQ(alphaAt(*picture, 0, 0), 0);
    EXPECT_EQ(alphaAt(*picture, 17, 17), 0);
    EXPECT_FALSE(Picture::New(0, 18, 32));
    EXPECT_FALSE(Picture::New(18, -1, 32));
    EXPECT_FALSE(Picture::New(18, 18, 24));
}

TEST(Graphics, SizesNotGivenDrawTheWholePictureUnscaled) {
    const auto target = Picture::New(18, 18, 32);
    target->Graphics().DrawPicture(filled(4, 3, Qt::red).get(), 0, 0, Graphics::sizeNotGiven,
                                   Graphics::sizeNotGiven, 0, 0, Graphics::sizeNotGiven,
                                   Graphics::sizeNotGiven);
    EXPECT_EQ(target->image().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(target->image().pixelColor(3, 2), QColor(Qt::red));
    EXPECT_EQ(alphaAt(*target, 4, 0), 0);
    EXPECT_EQ(alphaAt(*target, 0, 3), 0);
}

TEST(Graphics, GivenSizesCropAndScale) {
    const auto target = Picture::New(18, 18, 32);
    // The 2 x 2 top-left of a 10 x 10 picture, stretched to 6 x 6 at (5, 5).
    target->Graphics().DrawPicture(filled(10, 10, Qt::blue).get(), 5, 5, 6, 6, 0, 0, 2, 2);
    EXPECT_EQ(alphaAt(*target, 4, 4), 0);
    EXPECT_EQ(target->image().pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(target->image().pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(alphaAt(*target, 11, 11), 0);
}

TEST(Graphics, ANilPictureDrawsNothing) {
    const auto target = Picture::New(2, 2, 32);
    target->Graphics().DrawPicture(nullptr, 0, 0);
    EXPECT_EQ(alphaAt(*target, 0, 0), 0);
}

TEST(ResourceFork, GivesTheApplicationsPicturesByNumber) {
    const auto icon = framework::appResourceFork().GetPicture(168);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->Width(), 18);
    EXPECT_EQ(icon->Height(), 18);
    EXPECT_FALSE(framework::appResourceFork().GetPicture(1));
}

} // namespace
