#include "option/app/MainWindow.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>

#include "messages/MessageNumbers.h"
#include "option/app/StatusLine.h"
#include "option/core/FirmwareVersionText.h"
#include "option/core/LanguageChoice.h"
#include "option/core/PointerAtStart.h"
#include "option/core/SlotDisplay.h"
#include "option/core/StartUp.h"
#include "option/layout/LayoutEntry.h"
#include "option/layout/MainWindowLayout.h"
#include "option/layout/SkinPictures.h"
#include "option/skin/ApplicationStatus.h"
#include "option/skin/ColorSwatchButton.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinFonts.h"
#include "platform/system/DebugOutput.h"
#include "settings/ApplyPointerSettings.h"
#include "settings/ConfigKeys.h"

namespace option::app {
namespace {

namespace main_layout = layout::main_window;

constexpr int kFirstControlId = 1000;
const QColor kVersionColour(100, 100, 100);
constexpr int kVersionTextHeight = 12;

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect rectOf(const layout::LayoutEntry& entry)
{
    return QRect(entry.left, entry.top, entry.width(), entry.height());
}

bool named(const layout::LayoutEntry& entry, std::string_view name)
{
    return entry.name == name;
}

// "Profile 3" is a slot button, "Profile 3 name" a name field.
bool isSlotButton(const layout::LayoutEntry& entry)
{
    return entry.name.starts_with("Profile ") && entry.name.size() == std::string_view("Profile 1").size();
}

bool isNameField(const layout::LayoutEntry& entry)
{
    return entry.name.starts_with("Profile ") && entry.name.ends_with(" name");
}

}  // namespace

MainWindow::MainWindow(MainWindowEnvironment environment)
    : SkinWindow(nullptr), environment_(std::move(environment)), core_(environment_.folder)
{
    // The pictures lie in the installation folder the window works in.
    skin::setImageFolder(QString::fromStdString(environment_.folder.path()));
    setWindowTitle(QString::fromUtf8(messages::kOptionWindowTitle));
    setWindowIcons();
    skin::ApplicationStatus::setMainWindow(this);
    messages_ = platform::MessageWindow::create(messages::kOptionWindowTitle, *this);
    if (!messages_)
        platform::debugOutput("CMainWnd: the message window cannot be created; the monitor cannot reach us\n");

    loadSkin(QStringLiteral("main"), skin::ShapeMethod::CornerKey);
    createControls();
    startUp();
}

MainWindow::~MainWindow()
{
    // Nothing reaches a window that is going.
    messages_.reset();
    if (skin::ApplicationStatus::mainWindow() == this)
        skin::ApplicationStatus::setMainWindow(nullptr);
}

void MainWindow::setWindowIcons()
{
    QIcon icon;
    for (const int size : layout::kIconSizes)
        icon.addFile(skin::programFilePath(QStringLiteral("skin/common/icon_%1.png").arg(size)), QSize(size, size));
    setWindowIcon(icon);
}

void MainWindow::createControls()
{
    const std::size_t rows = std::size(main_layout::kControls);
    int tabs = 0, slotButtons = 0, markers = 0, indicators = 0, names = 0;
    for (std::size_t row = 0; row < rows; ++row) {
        const layout::ControlLayout& control = main_layout::kControls[row];
        const std::optional<layout::LayoutEntry> parsed = layout::parseLayoutEntry(control.text);
        if (!parsed)
            continue;
        const layout::LayoutEntry& entry = *parsed;
        const QRect rect = rectOf(entry);
        const QString text = QString::fromStdString(entry.statusText);
        const auto plain = [this, rect](int id) { return new skin::SkinButton(this, rect, id); };

        if (control.kind == layout::ControlKind::Tab) {
            addButton(row, Role::Tab, tabs++, rect, text, plain);
        } else if (control.kind == layout::ControlKind::Swatch) {
            addButton(row, Role::Indicator, indicators++, rect, text,
                      [this, rect](int id) { return new skin::ColorSwatchButton(this, rect, id); });
        } else if (control.kind == layout::ControlKind::ChildWindow) {
            pageArea_ = rect;
        } else if (named(entry, "Status line")) {
            statusLine_ = new StatusLine(this, rect, skin::loadProgramImage(qtext(control.picture)));
        } else if (named(entry, "LiftOnFlag")) {
            liftOnPicture_ = new QLabel(this);
            liftOnPicture_->setGeometry(rect);
            liftOnPicture_->setPixmap(QPixmap::fromImage(skin::loadProgramImage(qtext(control.picture))));
            liftOnPicture_->setAttribute(Qt::WA_TransparentForMouseEvents);
        } else if (named(entry, "Version text")) {
            versionLine_ = new QLabel(this);
            versionLine_->setGeometry(rect);
            versionLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            versionLine_->setFont(skin::skinFont(skin::kArialFace, kVersionTextHeight));
            QPalette colours = versionLine_->palette();
            colours.setColor(QPalette::WindowText, kVersionColour);
            versionLine_->setPalette(colours);
            versionLine_->setAttribute(Qt::WA_TransparentForMouseEvents);
        } else if (named(entry, "button language")) {
            addButton(row, Role::Language, 0, rect, text, plain)->setHandCursor(true);
        } else if (named(entry, "windows profile")) {
            addButton(row, Role::Marker, markers, rect, text, plain);
            // The second button of a marker lies inside it, hidden; it answers as
            // the marker does.
            addButton(row, Role::InnerMarker, markers++, rect, text, plain)->hide();
        } else if (isNameField(entry)) {
            addButton(row, Role::NameField, names++, rect, text, plain);
        } else if (isSlotButton(entry)) {
            addButton(row, Role::Slot, slotButtons++, rect, text, plain);
        } else {
            static constexpr std::pair<std::string_view, Role> kSingles[] = {
                {"Create", Role::Create}, {"Load", Role::Load},       {"Save", Role::Save},
                {"Edit", Role::Edit},     {"Min", Role::Minimize},    {"Exit", Role::Exit},
                {"OK", Role::Ok},         {"Apply", Role::Apply},     {"Cancel", Role::Cancel},
            };
            for (const auto& [name, role] : kSingles)
                if (named(entry, name))
                    addButton(row, role, 0, rect, text, plain);
        }
    }
}

skin::SkinButton* MainWindow::addButton(std::size_t row, Role role, int index, const QRect& rect,
                                        const QString& layoutText,
                                        const std::function<skin::SkinButton*(int id)>& create)
{
    // A control's id is its place in the list of controls.
    skin::SkinButton* button = create(kFirstControlId + static_cast<int>(controls_.size()));
    // The language button shows a flag of its own (showLanguageFlag).
    if (role != Role::Language)
        button->setBitmaps(rect, stateImages());
    button->setStatusText(layoutText);
    controls_.push_back({role, index, row, button, layoutText});
    return button;
}

const MainWindow::Control* MainWindow::controlOf(int controlId) const
{
    const int index = controlId - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size()))
        return nullptr;
    return &controls_[static_cast<std::size_t>(index)];
}

std::vector<skin::SkinButton*> MainWindow::buttons(Role role) const
{
    std::vector<skin::SkinButton*> found;
    for (const Control& control : controls_)
        if (control.role == role)
            found.push_back(control.button);
    return found;
}

skin::SkinButton* MainWindow::button(Role role) const
{
    const std::vector<skin::SkinButton*> found = buttons(role);
    return found.empty() ? nullptr : found.front();
}

Page* MainWindow::ensurePage(PageId id)
{
    const auto index = static_cast<std::size_t>(id);
    if (pages_[index])
        return pages_[index];
    const PageFactory& factory = environment_.pages[index];
    Page* page = factory ? factory(this, *this) : nullptr;
    if (!page)
        return nullptr;
    page->move(pageArea_.topLeft());
    if (page->size().isEmpty())
        page->resize(pageArea_.size());
    page->hide();
    pages_[index] = page;
    page->reloadTexts(texts_);
    page->refresh();
    return page;
}

void MainWindow::startUp()
{
    const core::SettingsSource source = core::startUp(core_);
    platform::debugPrintf("CMainWnd: settings from %s\n", source == core::SettingsSource::Monitor ? "the monitor"
                                                          : source == core::SettingsSource::Files ? "the files"
                                                                                                  : "the defaults");
    if (environment_.createPointerSettings) {
        pointer_ = environment_.createPointerSettings();
        settings::WindowSettingChangeNotifier notifier(messageWindow());
        if (pointer_)
            core::applyPointerSettingsAtStart(core_, *pointer_, notifier);
    }
    selectPage(PageId::MainSettings);
    refreshAll();
    reloadTexts();
}

void MainWindow::selectPage(PageId id)
{
    for (int i = 0; i < kPageCount; ++i)
        if (pages_[static_cast<std::size_t>(i)] && static_cast<PageId>(i) != id)
            pages_[static_cast<std::size_t>(i)]->hide();
    if (Page* shown = ensurePage(id))
        shown->show();
    shownPage_ = id;
    const std::vector<skin::SkinButton*> tabs = buttons(Role::Tab);
    for (std::size_t i = 0; i < tabs.size(); ++i)
        tabs[i]->setOn(static_cast<int>(i) == static_cast<int>(id));
}

void MainWindow::refreshAll()
{
    const settings::SettingsBlock& working = *core_.blocks.working;
    const auto slotRows = core::slotDisplays(working);
    const std::vector<skin::SkinButton*> slotButtons = buttons(Role::Slot);
    const std::vector<skin::SkinButton*> markers = buttons(Role::Marker);
    const std::vector<skin::SkinButton*> innerMarkers = buttons(Role::InnerMarker);
    const std::vector<skin::SkinButton*> names = buttons(Role::NameField);
    for (std::size_t slot = 0; slot < slotRows.size(); ++slot) {
        if (slot < slotButtons.size())
            slotButtons[slot]->setOn(slotRows[slot].current);
        if (slot < markers.size())
            markers[slot]->setOn(slotRows[slot].windowsProfile);
        if (slot < innerMarkers.size())
            innerMarkers[slot]->setOn(slotRows[slot].windowsProfile);
        if (slot < names.size()) {
            names[slot]->setCaption(QString::fromStdString(slotRows[slot].name));
            names[slot]->setOn(slotRows[slot].current);
        }
    }
    refreshColourIndicators();
    for (Page* page : pages_)
        if (page)
            page->refresh();
    showLanguageFlag();
    if (liftOnPicture_)
        liftOnPicture_->setVisible(settings::isSet(working.LiftOnFlag));
}

void MainWindow::refreshColourIndicators()
{
    const auto slotRows = core::slotDisplays(*core_.blocks.working);
    const std::vector<skin::SkinButton*> indicators = buttons(Role::Indicator);
    for (std::size_t slot = 0; slot < slotRows.size() && slot < indicators.size(); ++slot) {
        const core::Rgb colour = slotRows[slot].indicator;
        static_cast<skin::ColorSwatchButton*>(indicators[slot])->setColour(QColor(colour.red, colour.green, colour.blue));
    }
}

void MainWindow::showLanguageFlag()
{
    skin::SkinButton* language = button(Role::Language);
    if (!language)
        return;
    const std::vector<std::string_view> flags = layout::splitPictureList(main_layout::kFlagPictures);
    const auto shown = static_cast<std::size_t>(core::shownLanguage(core_.blocks.working->QuickHelpLan));
    if (shown < flags.size())
        language->setFaces(skin::StateImages::single(skin::loadProgramImage(qtext(flags[shown]))));
}

void MainWindow::reloadTexts()
{
    const int language = core_.blocks.working->QuickHelpLan;
    texts_ = core::loadTextLibrary(core_.folder, language);
    if (core::shownLanguage(language) != core::kEnglishLanguage && englishTexts_.empty())
        englishTexts_ = core::loadTextLibrary(core_.folder, core::kEnglishLanguage);
    for (const Control& control : controls_) {
        const core::ControlStatusText rule =
            core::mainWindowStatusText(control.row, control.role == Role::InnerMarker);
        control.button->setStatusText(
            QString::fromStdString(core::statusTextOf(rule, texts_, control.layoutText.toStdString())));
    }
    if (statusLine_)
        statusLine_->useSystemFace(core::statusLineUsesSystemFace(language));
    for (Page* page : pages_)
        if (page)
            page->reloadTexts(texts_);
    updateVersionLine();
}

QString MainWindow::appText(core::TextId id) const
{
    if (const std::optional<std::string_view> text = texts_.text(id))
        return qtext(*text);
    return qtext(englishTexts_.text(id).value_or(std::string_view()));
}

void MainWindow::updateVersionLine()
{
    if (!versionLine_)
        return;
    const std::string firmware = core::firmwareVersionText(settings::readFirmwareVersion(core_.folder));
    const std::string line =
        core::withValues(appText(core::TextId::VersionLine).toStdString(), {core::kSoftwareVersionText, firmware});
    versionLine_->setText(QString::fromStdString(line));
}

QString MainWindow::statusLineText() const
{
    return statusLine_ ? statusLine_->text() : QString();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    SkinWindow::paintEvent(event);
    if (!firstPaintReported_) {
        firstPaintReported_ = true;
        platform::debugOutput("CMainWnd: first paint\n");
    }
}

}  // namespace option::app
