// The application's resources: pictures are Qt resources named
// ":/pictures/<number>.png", which the application compiles in.

#include "framework/ResourceFork.h"

#include "framework/Picture.h"

#include <QImage>
#include <QString>

namespace framework {

std::shared_ptr<Picture> ResourceFork::GetPicture(int number) const {
    return Picture::fromImage(QImage(QStringLiteral(":/pictures/%1.png").arg(number)));
}

ResourceFork appResourceFork() {
    return ResourceFork();
}

} // namespace framework
