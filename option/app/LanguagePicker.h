#pragma once
// The language picker: 17 rows, each a language's flag and name, opening with
// its bottom on the language button's top. A click on a row ends it with the
// row's language index; a click elsewhere or Escape ends it with none.
#include <optional>

#include "option/app/SkinDialog.h"

namespace option::app {

class LanguagePicker final : public SkinDialog {
    Q_OBJECT
public:
    // The row of `currentLanguage` is marked.
    LanguagePicker(QWidget* parent, int currentLanguage);

    // The picker's top-left corner for a button whose top-left corner is at
    // `anchor` (global coordinates): the same left edge, 289 pixels higher.
    static QPoint placeAbove(const QPoint& anchor);

    // Shows the picker above `anchor` and waits for the choice.
    std::optional<int> pick(const QPoint& anchor);

private:
    std::optional<int> chosen_;
};

}  // namespace option::app
