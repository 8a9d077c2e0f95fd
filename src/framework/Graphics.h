#pragma once
// Drawing into a picture.

class QImage;

namespace framework {

class Picture;

class Graphics final {
  public:
    // The framework's value for a size that is not given: the drawn
    // picture's own width or height.
    static constexpr int sizeNotGiven = -10000;

    explicit Graphics(QImage& target) : target_(target) {}

    // Draws the part of the picture at (sourceX, sourceY) of the source size
    // at (x, y), scaled to the destination size. A nil picture draws nothing.
    void DrawPicture(const Picture* picture, int x, int y, int destinationWidth = sizeNotGiven,
                     int destinationHeight = sizeNotGiven, int sourceX = 0, int sourceY = 0,
                     int sourceWidth = sizeNotGiven, int sourceHeight = sizeNotGiven);

  private:
    QImage& target_;
};

} // namespace framework
