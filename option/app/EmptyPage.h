#pragma once
// A tab's page before it has controls: its background picture alone.
#include <QString>

#include "option/app/Page.h"

namespace option::app {

class EmptyPage final : public Page {
    Q_OBJECT
public:
    // `art` is the page's folder under skin/ ("main_settings", ...).
    EmptyPage(QWidget* parent, PageHost& host, const QString& art);

    void refresh() override {}
    void reloadTexts(const core::TextLibrary&) override {}
};

}  // namespace option::app
