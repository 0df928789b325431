#include "option/app/TimelinePanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "option/app/LayoutRows.h"
#include "option/layout/MacroManagerLayout.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinMessageEvent.h"
#include "settings/KeyNames.h"

namespace option::app {
namespace {

namespace panel = layout::macro_timeline;
enum Control { kAdd = 1, kDelete, kZoomIn, kZoomOut };

// Within this many pixels of a bar's end the end can be dragged.
constexpr int kGrabZone = 3;
const QColor kTextColour(224, 224, 224);
const QColor kBarColour(53, 160, 222);
const QColor kSelectedBarColour(68, 191, 255);
const QColor kRowLine(40, 44, 52);
const QColor kSelectedRow(30, 52, 70);

}  // namespace

TimelinePanel::TimelinePanel(QWidget* parent, core::KeySource& keys, const platform::KeyboardLayout& layout,
                             Owner owner)
    : SkinWindow(parent),
      observed_(keys, [this] { afterCapturedKey(); }),
      owner_(std::move(owner)),
      editor_(observed_)
{
    loadSkin(QStringLiteral("macro_timeline"), skin::ShapeMethod::Rectangle);
    const std::pair<std::string_view, int> buttons[] = {
        {"BUTTON_ADD", kAdd}, {"BUTTON_DELETE", kDelete}, {"BUTTON_ZOOM_IN", kZoomIn}, {"BUTTON_ZOOM_OUT", kZoomOut}};
    for (const auto& [name, id] : buttons) {
        auto* button = new skin::SkinButton(this, layoutRect(layoutRow(panel::kWindow.controls, name)), id);
        button->setBitmaps(button->geometry(), stateImages());
        button->setFocusPolicy(Qt::NoFocus);
    }
    rows_ = new TimelineRows(*this, editor_, layout);
    rows_->setGeometry(layoutRect(layoutRow(panel::kWindow.controls, "Bar rows")));
    vertical_ = new QScrollBar(Qt::Vertical, this);
    vertical_->setGeometry(layoutRect(layoutRow(panel::kWindow.controls, "Vertical scroll bar")));
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    horizontal_->setGeometry(layoutRect(layoutRow(panel::kWindow.controls, "Horizontal scroll bar")));
    connect(vertical_, &QScrollBar::valueChanged, this, [this](int value) {
        if (syncing_)
            return;
        editor_.view().scrollRowsTo(value, static_cast<int>(editor_.bars().size()));
        viewChanged();
    });
    connect(horizontal_, &QScrollBar::actionTriggered, this, [this](int action) {
        const int latest = editor_.latestTime();
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: editor_.view().scrollLines(1, latest); break;
        case QAbstractSlider::SliderSingleStepSub: editor_.view().scrollLines(-1, latest); break;
        case QAbstractSlider::SliderPageStepAdd: editor_.view().scrollPages(1, latest); break;
        case QAbstractSlider::SliderPageStepSub: editor_.view().scrollPages(-1, latest); break;
        default: editor_.view().scrollTo(horizontal_->sliderPosition(), latest); break;
        }
        // The view decides where the window stands; the bar follows it.
        QMetaObject::invokeMethod(this, [this] { viewChanged(); }, Qt::QueuedConnection);
    });
    setFocusPolicy(Qt::StrongFocus);
    showMacro(nullptr);
}

void TimelinePanel::showMacro(settings::MacroRecord* macro)
{
    editor_.cancelCapture();
    macro_ = macro;
    edited_ = false;
    editor_.load(macro ? *macro : settings::MacroRecord{});
    viewChanged();
}

bool TimelinePanel::writeBack()
{
    if (!macro_ || !edited_)
        return false;
    editor_.writeTo(*macro_);
    edited_ = false;
    owner_.edited();
    return true;
}

void TimelinePanel::add()
{
    settings::MacroRecord* macro = owner_.macroForCommand();
    if (!macro || editor_.capturing())
        return;
    if (macro != macro_)
        showMacro(macro);
    if (!editor_.add())
        return;
    barsChanged();
    if (owner_.capturing)
        owner_.capturing(true);
    setEnabled(false);
}

void TimelinePanel::afterCapturedKey()
{
    if (editor_.capturing())
        return;
    setEnabled(true);
    if (owner_.capturing)
        owner_.capturing(false);
    barsChanged();
}

void TimelinePanel::removeSelected()
{
    if (editor_.capturing() || !editor_.removeSelected())
        return;
    barsChanged();
}

void TimelinePanel::zoom(bool in)
{
    if (in)
        editor_.view().zoomIn();
    else
        editor_.view().zoomOut(editor_.latestTime());
    viewChanged();
}

void TimelinePanel::barsChanged()
{
    edited_ = true;
    viewChanged();
}

void TimelinePanel::viewChanged()
{
    syncScrollBars();
    rows_->update();
    update();
}

void TimelinePanel::syncScrollBars()
{
    syncing_ = true;
    const core::TimelineView& view = editor_.view();
    const int bars = static_cast<int>(editor_.bars().size());
    vertical_->setRange(0, core::TimelineView::verticalRange(bars) - core::kTimelineRows);
    vertical_->setPageStep(core::kTimelineRows);
    vertical_->setValue(view.topRow());
    const int range = view.horizontalRange(editor_.latestTime());
    horizontal_->setRange(0, std::max(0, range - view.span()));
    horizontal_->setPageStep(view.span());
    horizontal_->setSingleStep(core::timelineLineStep(view.span()));
    horizontal_->setValue(view.start());
    syncing_ = false;
}

bool TimelinePanel::event(QEvent* event)
{
    if (const auto* message = skin::SkinMessageEvent::from(event); message && message->message() == skin::kCommandMessage) {
        switch (message->wParam()) {
        case kAdd: add(); break;
        case kDelete: removeSelected(); break;
        case kZoomIn: zoom(true); break;
        case kZoomOut: zoom(false); break;
        default: break;
        }
        return true;
    }
    return SkinWindow::event(event);
}

void TimelinePanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        removeSelected();
        return;
    }
    SkinWindow::keyPressEvent(event);
}

void TimelinePanel::paintEvent(QPaintEvent* event)
{
    SkinWindow::paintEvent(event);
    QPainter painter(this);
    painter.setFont(skin::skinFont(skin::kArialFace, 11));
    painter.setPen(kTextColour);
    for (const core::RulerLabel& label : editor_.view().ruler())
        painter.drawText(QPoint(label.x, core::kTimelineRulerY + 11), QString::number(label.milliseconds));
}

TimelineRows::TimelineRows(TimelinePanel& panel, core::MacroTimelineEditor& editor,
                           const platform::KeyboardLayout& layout)
    : QWidget(&panel), panel_(panel), editor_(editor), layout_(layout)
{
    setMouseTracking(true);
}

void TimelineRows::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(14, 16, 20));
    painter.setFont(skin::menuItemFont());
    const core::TimelineView& view = editor_.view();
    const int bars = static_cast<int>(editor_.bars().size());
    for (int row = 0; row < core::kTimelineRows; ++row) {
        const int top = row * core::kTimelineRowSpacing;
        const int index = view.barAtRow(row, bars);
        if (index >= 0 && index == editor_.selected())
            painter.fillRect(QRect(0, top, width(), core::kTimelineRowSpacing), kSelectedRow);
        painter.setPen(kRowLine);
        painter.drawLine(0, top + core::kTimelineRowSpacing - 1, width(), top + core::kTimelineRowSpacing - 1);
        if (index < 0)
            continue;
        const core::TimelineBar& bar = editor_.bars()[static_cast<std::size_t>(index)];
        painter.setPen(kTextColour);
        const QString name = bar.key < 0 ? QStringLiteral("?")
                                         : QString::fromStdString(settings::macroKeyName(
                                               static_cast<std::uint8_t>(bar.key), layout_));
        painter.drawText(QRect(2, top, kTrackLeft - 4, core::kTimelineRowSpacing), Qt::AlignVCenter, name);
        int left = view.pixelOfTime(bar.start);
        int right = view.pixelOfTime(bar.end);
        if (dragging_ != Grab::None && row == dragRow_) {
            (dragging_ == Grab::Start ? left : right) = dragPixel_;
        }
        if (right < 0 || left > core::kTimelineTrackWidth)
            continue;  // out of the time window
        left = std::clamp(left, 0, core::kTimelineTrackWidth);
        right = std::clamp(right, 0, core::kTimelineTrackWidth);
        // A press and release at the same time still shows as a thin bar.
        painter.fillRect(QRect(kTrackLeft + left, top + 3, std::max(2, right - left), core::kTimelineRowSpacing - 6),
                         index == editor_.selected() ? kSelectedBarColour : kBarColour);
    }
}

TimelineRows::Grab TimelineRows::grabAt(int row, int x) const
{
    const int index = editor_.view().barAtRow(row, static_cast<int>(editor_.bars().size()));
    if (index < 0)
        return Grab::None;
    const core::TimelineBar& bar = editor_.bars()[static_cast<std::size_t>(index)];
    const int pixel = x - kTrackLeft;
    const bool nearStart = std::abs(pixel - editor_.view().pixelOfTime(bar.start)) <= kGrabZone;
    const bool nearEnd = std::abs(pixel - editor_.view().pixelOfTime(bar.end)) <= kGrabZone;
    if (nearStart && nearEnd)
        return Grab::Either;
    return nearStart ? Grab::Start : nearEnd ? Grab::End : Grab::None;
}

void TimelineRows::mousePressEvent(QMouseEvent* event)
{
    const int row = event->position().toPoint().y() / core::kTimelineRowSpacing;
    const int x = event->position().toPoint().x();
    editor_.selectRow(row);
    const Grab grab = grabAt(row, x);
    if (grab != Grab::None) {
        dragging_ = grab;
        dragRow_ = row;
        pressX_ = x;
        dragPixel_ = x - kTrackLeft;
    }
    panel_.setFocus();
    panel_.viewChanged();
}

void TimelineRows::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (dragging_ == Grab::None) {
        const int row = position.y() / core::kTimelineRowSpacing;
        setCursor(grabAt(row, position.x()) != Grab::None ? Qt::SizeHorCursor : Qt::ArrowCursor);
        return;
    }
    if (dragging_ == Grab::Either && position.x() != pressX_)
        dragging_ = position.x() < pressX_ ? Grab::Start : Grab::End;  // the first movement decides
    const int index = editor_.view().barAtRow(dragRow_, static_cast<int>(editor_.bars().size()));
    if (index < 0 || dragging_ == Grab::Either)
        return;
    const core::TimelineBar& bar = editor_.bars()[static_cast<std::size_t>(index)];
    const int pixel = position.x() - kTrackLeft;
    dragPixel_ = dragging_ == Grab::Start ? core::TimelineView::dragStartPixel(pixel, editor_.view().pixelOfTime(bar.end))
                                          : core::TimelineView::dragEndPixel(pixel, editor_.view().pixelOfTime(bar.start));
    update();
}

void TimelineRows::mouseReleaseEvent(QMouseEvent*)
{
    if (dragging_ == Grab::Start || dragging_ == Grab::End) {
        if (editor_.dropEnd(dragRow_, dragPixel_, dragging_ == Grab::Start))
            panel_.barsChanged();
    }
    dragging_ = Grab::None;
    dragRow_ = -1;
    update();
}

}  // namespace option::app
