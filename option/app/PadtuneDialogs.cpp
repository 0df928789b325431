#include "option/app/PadtuneDialogs.h"

#include <QPainter>

#include <algorithm>

#include "option/layout/PadtuneLayout.h"
#include "option/skin/AnimationControl.h"
#include "option/skin/SkinFonts.h"

namespace option::app {
namespace {

constexpr int kCountdownTextHeight = 14;

QColor colourOf(core::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString rowPicture(const layout::ControlLayout& row)
{
    return QString::fromUtf8(row.picture.data(), static_cast<qsizetype>(row.picture.size()));
}

// The seconds left as "%d sec" and the bar that shrinks with them, over the
// dialog's background; clicks go through to it.
class CountdownView final : public QWidget {
public:
    CountdownView(QWidget* parent, const core::PadtuneWizard& wizard, const QRect& area, const QRect& text,
                  const QRect& bar)
        : QWidget(parent), wizard_(wizard), text_(text.translated(-area.topLeft())),
          bar_(bar.translated(-area.topLeft()))
    {
        setGeometry(area);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(bar_, colourOf(core::kPadtuneBarBackground));
        const int seconds = std::clamp(wizard_.secondsLeft(), 0, core::kPadtuneResultSeconds);
        painter.fillRect(QRect(bar_.left(), bar_.top(), bar_.width() * seconds / core::kPadtuneResultSeconds,
                               bar_.height()),
                         colourOf(core::kPadtuneBarColor));
        painter.setFont(skin::skinFont(QString::fromLatin1(skin::kArialFace), kCountdownTextHeight));
        painter.setPen(Qt::white);
        painter.drawText(text_, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(wizard_.countdownText()));
    }

private:
    const core::PadtuneWizard& wizard_;
    QRect text_;
    QRect bar_;
};

}  // namespace

QtWizardTimer::QtWizardTimer(std::function<void()> fired, int speedUp) : speedUp_(std::max(1, speedUp))
{
    QObject::connect(&timer_, &QTimer::timeout, std::move(fired));
}

void QtWizardTimer::start(int milliseconds)
{
    timer_.start(milliseconds / speedUp_);
}

void QtWizardTimer::stop()
{
    timer_.stop();
}

PadtuneClock realTimeClock()
{
    return [](std::function<void()> fired) { return std::make_unique<QtWizardTimer>(std::move(fired)); };
}

PadtuneStartDialog::PadtuneStartDialog(QWidget* parent, core::PadtuneWizard& wizard)
    : SkinDialog(parent, layout::padtune_start::kWindow), wizard_(wizard), progress_(new skin::AnimationControl(surface()))
{
    setObjectName(QStringLiteral("PadtuneStartDialog"));
    start_ = addButton(row("BUTTON_OK"), [this] {
        wizard_.startPressed();
        start_->setEnabled(wizard_.startButtonEnabled());
        progress_->setVisible(wizard_.progressShown());
        progress_->start();
    });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    addButton(row("BUTTON_EXIT"), [this] { reject(); });
    const layout::ControlLayout& bar = row("Progress bar");
    progress_->load(rowPicture(bar));
    progress_->move(rectOf(bar).topLeft());
    progress_->hide();
}

void PadtuneStartDialog::follow()
{
    if (wizard_.state() == core::PadtuneWizard::State::Result)
        accept();
    else if (wizard_.state() == core::PadtuneWizard::State::Finished)
        QDialog::reject();
}

void PadtuneStartDialog::reject()
{
    wizard_.cancelPressed();
    QDialog::reject();
}

PadtuneResultDialog::PadtuneResultDialog(QWidget* parent, core::PadtuneWizard& wizard)
    : SkinDialog(parent, layout::padtune_result::kWindow), wizard_(wizard)
{
    setObjectName(QStringLiteral("PadtuneResultDialog"));
    addButton(row("Accept"), [this] {
        wizard_.acceptPressed();
        accept();
    });
    addButton(row("Cancel"), [this] { reject(); });
    addButton(row("Exit"), [this] { reject(); });
    const QRect text = rectOf(row("Seconds left"));
    const QRect bar = rectOf(row("Countdown bar"));
    countdown_ = new CountdownView(surface(), wizard_, text.united(bar), text, bar);
}

void PadtuneResultDialog::follow()
{
    countdown_->update();
    if (wizard_.state() == core::PadtuneWizard::State::Finished)
        QDialog::reject();
}

void PadtuneResultDialog::reject()
{
    wizard_.cancelPressed();
    QDialog::reject();
}

int runPadtuneWizard(QWidget* parent, core::PadtuneOutput& output, const PadtuneClock& clock, int current, int level)
{
    std::function<void()> follow;
    const std::unique_ptr<core::WizardTimer> timer = clock([&follow] {
        if (follow)
            follow();
    });
    core::PadtuneWizard wizard(output, *timer);
    if (wizard.choose(current, level) != core::PadtuneWizard::State::Starting)
        return wizard.levelInForce();
    {
        PadtuneStartDialog start(parent, wizard);
        follow = [&] {
            wizard.timerFired();
            start.follow();
        };
        start.exec();
        follow = nullptr;
    }
    if (wizard.state() == core::PadtuneWizard::State::Result) {
        PadtuneResultDialog result(parent, wizard);
        follow = [&] {
            wizard.timerFired();
            result.follow();
        };
        result.exec();
        follow = nullptr;
    }
    // A dialog closed another way (the application quitting) counts as cancelled.
    wizard.cancelPressed();
    return wizard.levelInForce();
}

}  // namespace option::app
