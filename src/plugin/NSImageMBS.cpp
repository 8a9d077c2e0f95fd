// Native images, as QIcon.

#include "plugin/NSImageMBS.h"

#include "framework/Picture.h"

#include <QIcon>
#include <QPixmap>

namespace plugin {

NSImageMBS::NSImageMBS(const framework::Picture& image)
    : icon_(std::make_unique<QIcon>(QPixmap::fromImage(image.image()))) {}

NSImageMBS::~NSImageMBS() = default;

} // namespace plugin
