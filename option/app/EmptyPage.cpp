#include "option/app/EmptyPage.h"

namespace option::app {

EmptyPage::EmptyPage(QWidget* parent, PageHost& host, const QString& art) : Page(parent, host)
{
    // Without controls the page needs no state images.
    setSkin(skin::loadWindowBackground(art), {}, skin::ShapeMethod::Rectangle);
}

}  // namespace option::app
