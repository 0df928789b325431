#include "upgrader/app/UpgraderIcon.h"

#include <QPixmap>

#include "option/layout/SkinPictures.h"
#include "option/skin/SkinImages.h"

namespace upgrader::app {

QIcon upgraderIcon()
{
    static const QIcon icon = [] {
        QIcon loaded;
        for (int size : option::layout::kIconSizes) {
            const QImage image = option::skin::loadCommonPicture(QStringLiteral("icon_%1").arg(size));
            if (!image.isNull())
                loaded.addPixmap(QPixmap::fromImage(image));
        }
        return loaded;
    }();
    return icon;
}

}  // namespace upgrader::app
