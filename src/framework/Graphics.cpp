// Drawing into a picture, with QPainter.

#include "framework/Graphics.h"

#include "framework/Picture.h"

#include <QImage>
#include <QPainter>

namespace framework {

namespace {

int givenOr(int size, int ownSize) {
    return size == Graphics::sizeNotGiven ? ownSize : size;
}

} // namespace

void Graphics::DrawPicture(const Picture* picture, int x, int y, int destinationWidth,
                           int destinationHeight, int sourceX, int sourceY, int sourceWidth,
                           int sourceHeight) {
    if (picture == nullptr) {
        return;
    }
    const QRect source(sourceX, sourceY, givenOr(sourceWidth, picture->Width()),
                       givenOr(sourceHeight, picture->Height()));
    const QRect destination(x, y, givenOr(destinationWidth, source.width()),
                            givenOr(destinationHeight, source.height()));
    QPainter painter(&target_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(destination, picture->image(), source);
}

} // namespace framework
