#include "option/app/LanguagePicker.h"

#include <string>

#include "option/core/TextLibrary.h"
#include "option/layout/NoticeDialogsLayout.h"

namespace option::app {
namespace {

constexpr int kDistanceAboveAnchor = 289;

}  // namespace

LanguagePicker::LanguagePicker(QWidget* parent, int currentLanguage)
    : SkinDialog(parent, layout::language_picker::kWindow)
{
    // A popup closes itself on a click outside it.
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    for (int language = 0; language < core::kLanguageCount; ++language) {
        const std::string name = "L" + std::to_string(language + 1);
        skin::SkinButton* button = addButton(row(name), [this, language] {
            chosen_ = language;
            accept();
        });
        button->setHandCursor(true);
        button->setOn(language == currentLanguage);
    }
}

QPoint LanguagePicker::placeAbove(const QPoint& anchor)
{
    return anchor - QPoint(0, kDistanceAboveAnchor);
}

std::optional<int> LanguagePicker::pick(const QPoint& anchor)
{
    chosen_.reset();
    move(placeAbove(anchor));
    exec();
    return chosen_;
}

}  // namespace option::app
