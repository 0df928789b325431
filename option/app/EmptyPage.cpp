#include "option/app/EmptyPage.h"

namespace option::app {

EmptyPage::EmptyPage(QWidget* parent, PageHost& host, const QString& art) : Page(parent, host)
{
    loadSkin(art, skin::ShapeMethod::Rectangle);
}

}  // namespace option::app
