// Pictures in memory, on QImage.

#include "framework/Picture.h"

#include <QImage>

namespace framework {

namespace {

constexpr int supportedDepth = 32;

} // namespace

Picture::Picture(std::unique_ptr<QImage> image) : image_(std::move(image)) {}

Picture::~Picture() = default;

std::shared_ptr<Picture> Picture::New(int width, int height, int depth) {
    if (width < 1 || height < 1 || depth != supportedDepth) {
        return nullptr;
    }
    auto image = std::make_unique<QImage>(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image->isNull()) {
        return nullptr;
    }
    image->fill(Qt::transparent);
    return std::shared_ptr<Picture>(new Picture(std::move(image)));
}

std::shared_ptr<Picture> Picture::fromImage(const QImage& image) {
    if (image.isNull()) {
        return nullptr;
    }
    return std::shared_ptr<Picture>(new Picture(
        std::make_unique<QImage>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied))));
}

int Picture::Width() const {
    return image_->width();
}

int Picture::Height() const {
    return image_->height();
}

framework::Graphics Picture::Graphics() {
    return framework::Graphics(*image_);
}

} // namespace framework
