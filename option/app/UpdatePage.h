#pragma once
// The update and support page: the software and firmware versions, and the
// links to the downloads page, the support page, the support form and the
// support mailbox, opened by the desktop (addresses: core/WebAddresses.h).
#include <QLabel>

#include <vector>

#include "option/app/Page.h"
#include "option/app/WebServices.h"
#include "option/core/WebAddresses.h"

namespace option::skin {
class SkinButton;
}

namespace option::app {

class UpdatePage final : public Page {
    Q_OBJECT
public:
    UpdatePage(QWidget* parent, PageHost& host, WebServices web);

    void refresh() override;
    void reloadTexts(const core::TextLibrary& texts) override;

    QString softwareVersionText() const { return software_->text(); }
    QString firmwareVersionText() const { return firmware_->text(); }

private:
    struct Link {
        skin::SkinButton* button;
        core::SupportLink link;
        core::TextId statusText;
    };
    void open(core::SupportLink link);

    WebServices web_;
    std::vector<Link> links_;
    QLabel* software_ = nullptr;
    QLabel* firmware_ = nullptr;
};

}  // namespace option::app
