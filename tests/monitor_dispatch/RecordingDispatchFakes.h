#pragma once
// Recording fakes of the monitor and the host functions. Both write to one
// journal, so a caller sees what the dispatcher did and in which order. Free of
// the test framework, so the dispatch fuzzer uses them too.

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "messages/MessageNumbers.h"
#include "monitor/dispatch/HostActions.h"
#include "monitor/dispatch/MonitorServices.h"
#include "settings/SettingsBlock.h"

namespace monitor::dispatch::test {

using Journal = std::vector<std::string>;

struct SentCopyData {
    platform::WindowHandle target = 0;
    std::uint32_t dwData = 0;
    std::vector<std::uint8_t> bytes;
};

class FakeMonitor final : public MonitorServices {
public:
    FakeMonitor(Journal& journal, const std::string& folder) : journal_(journal), folder_(folder) {}

    platform::WindowHandle monitorWindow() const override { return 0x1234; }
    const settings::InstallFolder& installFolder() const override { return folder_; }
    const settings::SettingsBlock& block() const override { return *blockData; }
    void modifyBlock(const std::function<void(settings::SettingsBlock&)>& change) override { change(*blockData); }
    bool copyBlockOut() override
    {
        journal_.push_back("copy out");
        copiedOut = std::make_unique<settings::SettingsBlock>(*blockData);
        return true;
    }
    void writePointerRegistry() override { journal_.push_back("pointer registry"); }
    void applyPointerSettings() override { journal_.push_back("apply pointer"); }
    bool postToWindow(std::string_view title, platform::MessageId message, platform::WParam wParam,
                      platform::LParam lParam) override
    {
        journal_.push_back("post " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                           std::to_string(lParam) + " to " + std::string(title));
        return true;
    }
    bool postWorkerJob(platform::WParam job, platform::LParam value) override
    {
        journal_.push_back("worker job " + std::to_string(job) + " " + std::to_string(value));
        return true;
    }
    void openConfiguration() override { journal_.push_back("open configuration"); }
    bool osdShowsMacroNames() const override { return showsMacroNames; }
    platform::MessageId activeStatusToParleyMessage() const override { return 0xC101; }
    platform::WindowHandle parleyWindow() const override { return parley; }
    bool parleyHasTakenOver() const override { return takenOver; }
    int interDeviceLock() const override { return lock; }
    void setInterDeviceLock(int state) override { lock = state; }
    bool sendCopyData(platform::WindowHandle target, std::uint32_t dwData, const void* data,
                      std::size_t size) override
    {
        journal_.push_back("copy data " + std::to_string(dwData & 0xFFFF));
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        sent.push_back({target, dwData, std::vector<std::uint8_t>(bytes, bytes + size)});
        return true;
    }
    bool writeParleyState(std::uint8_t a, std::uint8_t b, std::uint8_t c) override
    {
        journal_.push_back("report 16 " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c));
        return true;
    }
    bool writeAmbientLight(const protocol::AmbientLightState&) override
    {
        journal_.push_back("report 16 ambient");
        return true;
    }

    std::unique_ptr<settings::SettingsBlock> blockData = std::make_unique<settings::SettingsBlock>();
    std::unique_ptr<settings::SettingsBlock> copiedOut;
    bool showsMacroNames = true;
    platform::WindowHandle parley = 0;
    bool takenOver = false;
    int lock = 0;
    std::vector<SentCopyData> sent;

private:
    Journal& journal_;
    settings::InstallFolder folder_;
};

class FakeHost final : public HostActions {
public:
    explicit FakeHost(Journal& journal) : journal_(journal) {}

    void buttonAction(int slot, bool released) override
    {
        journal_.push_back("button " + std::to_string(slot) + (released ? " released" : " pressed"));
    }
    void launchProgram(int slot) override { journal_.push_back("launch " + std::to_string(slot)); }
    void mediaFunction(std::uint8_t code, bool released) override
    {
        journal_.push_back("media " + std::to_string(code) + (released ? " released" : " pressed"));
    }
    void tiltScroll(int direction) override { journal_.push_back("tilt " + std::to_string(direction)); }
    void webScroll(platform::WParam count, bool left) override
    {
        journal_.push_back("web scroll " + std::to_string(count) + (left ? " left" : " right"));
    }
    bool osdRequest(int index) override
    {
        journal_.push_back("osd " + std::to_string(index));
        return acceptsOsd;
    }
    bool feedbackGateOpen() const override { return !finalPhase && !trophyRunning; }
    bool countdownInFinalPhase() const override { return finalPhase; }
    void stopPendingFeedback() override { journal_.push_back("stop feedback"); }
    void startFeedbackTimer(std::uint32_t id, std::uint32_t ms) override
    {
        journal_.push_back("timer " + std::to_string(id) + " " + std::to_string(ms));
    }
    void rememberResolution(std::int32_t value) override
    {
        journal_.push_back("resolution " + std::to_string(value));
    }
    void announceTrophy(bool all) override { journal_.push_back(all ? "sound 51" : "sound 50"); }
    void onTimer(std::uint32_t id) override { journal_.push_back("host timer " + std::to_string(id)); }
    void shutdown() override { journal_.push_back("host shutdown"); }

    bool finalPhase = false;
    bool trophyRunning = false;
    bool acceptsOsd = true;

private:
    Journal& journal_;
};

}  // namespace monitor::dispatch::test
