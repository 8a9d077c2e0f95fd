#pragma once
// A picture in memory that can be drawn into and drawn from.

#include "framework/Graphics.h"

#include <memory>

class QImage;

namespace framework {

class Picture final {
  public:
    // A new picture, fully transparent; nil when none can be made (a side
    // below 1, or no memory). Only depth 32 (colour with alpha) exists here:
    // any other depth gives nil.
    static std::shared_ptr<Picture> New(int width, int height, int depth);
    // A picture holding a copy of the image; nil for a null image.
    static std::shared_ptr<Picture> fromImage(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const;
    int Height() const;
    // Draws into this picture.
    framework::Graphics Graphics();

    const QImage& image() const { return *image_; }

  private:
    explicit Picture(std::unique_ptr<QImage> image);

    std::unique_ptr<QImage> image_;
};

} // namespace framework
