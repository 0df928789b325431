#include "option/app/Page.h"

#include <QString>

#include "option/app/AdvancedPage.h"
#include "option/app/ButtonPage.h"
#include "option/app/EmptyPage.h"
#include "option/app/LightingPage.h"
#include "option/app/MainSettingsPage.h"
#include "option/app/StatisticsPage.h"
#include "option/app/UpdatePage.h"
#include "option/app/WebServices.h"
#include "option/layout/MainWindowLayout.h"
#include "option/layout/SkinPictures.h"

namespace option::app {

PageFactories defaultPageFactories()
{
    // The art folders of the pages, in tab order, as the layout table names them.
    const std::vector<std::string_view> arts = layout::splitPictureList(layout::main_window::kPages);
    PageFactories factories;
    for (std::size_t i = 0; i < factories.size() && i < arts.size(); ++i) {
        const QString art = QString::fromUtf8(arts[i].data(), static_cast<qsizetype>(arts[i].size()));
        factories[i] = [art](QWidget* parent, PageHost& host) -> Page* { return new EmptyPage(parent, host, art); };
    }
    factories[static_cast<std::size_t>(PageId::Buttons)] = [](QWidget* parent, PageHost& host) -> Page* {
        return new ButtonPage(parent, host);
    };
    factories[static_cast<std::size_t>(PageId::MainSettings)] = [](QWidget* parent, PageHost& host) -> Page* {
        return new MainSettingsPage(parent, host);
    };
    factories[static_cast<std::size_t>(PageId::Advanced)] = [](QWidget* parent, PageHost& host) -> Page* {
        return new AdvancedPage(parent, host);
    };
    factories[static_cast<std::size_t>(PageId::Lighting)] = [](QWidget* parent, PageHost& host) -> Page* {
        return new LightingPage(parent, host);
    };
    factories[static_cast<std::size_t>(PageId::Statistics)] = [](QWidget* parent, PageHost& host) -> Page* {
        return new StatisticsPage(parent, host, systemWebServices());
    };
    factories[static_cast<std::size_t>(PageId::Update)] = [](QWidget* parent, PageHost& host) -> Page* {
        return new UpdatePage(parent, host, systemWebServices());
    };
    return factories;
}

}  // namespace option::app
