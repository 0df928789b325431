// Saving and loading a profile file of about 125 KB with 90 keys, the size the
// settings code handles: one batch against key-by-key calls. Prints the ratios.

#include "platform/ini/IniBatch.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/PrivateProfile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

using namespace platform::ini;

namespace {

constexpr int kStrings = 3;
constexpr int kIntegers = 63;
constexpr int kRecords = 24;
constexpr std::size_t kRecordSize = 2532;

std::string stringKey(int i) { return "GameFile" + std::to_string(i); }
std::string integerKey(int i) { return "Value" + std::to_string(i); }
std::string recordKey(int i) { return "MacroKeyInfo" + std::to_string(i); }

// Two versions of every value, so that each save really changes the file.
struct ProfileValues {
    std::vector<std::string> strings;
    std::vector<int> integers;
    std::vector<std::vector<std::uint8_t>> records;

    explicit ProfileValues(int version)
    {
        for (int i = 0; i < kStrings; ++i)
            strings.emplace_back(1200, static_cast<char>('a' + version + i));
        for (int i = 0; i < kIntegers; ++i)
            integers.push_back(version * 1000 + i);
        for (int i = 0; i < kRecords; ++i)
            records.emplace_back(kRecordSize, static_cast<std::uint8_t>(version * 16 + i));
    }
};

const ProfileValues& values(int version)
{
    static const ProfileValues versions[2] = {ProfileValues(0), ProfileValues(1)};
    return versions[version & 1];
}

class ProfileFolder {
public:
    ProfileFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ini-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        folder_ = pattern;
        path_ = folder_ + "/Default0.vmp";
        IniDocument document;
        const ProfileValues& initial = values(0);
        for (int i = 0; i < kStrings; ++i)
            document.setValue("Setting", stringKey(i), initial.strings[i]);
        for (int i = 0; i < kIntegers; ++i)
            document.setValue("Setting", integerKey(i), std::to_string(initial.integers[i]));
        for (int i = 0; i < kRecords; ++i)
            document.setValue("Setting", recordKey(i),
                              encodeStruct(initial.records[i].data(), kRecordSize));
        const std::string bytes = document.serialize();
        std::ofstream(path_, std::ios::binary).write(bytes.data(),
                                                     static_cast<std::streamsize>(bytes.size()));
    }
    ~ProfileFolder() { std::filesystem::remove_all(folder_); }

    const std::string& path() const { return path_; }
    std::size_t fileSize() const { return std::filesystem::file_size(path_); }

private:
    std::string folder_;
    std::string path_;
};

void BM_SaveKeyByKey(benchmark::State& state)
{
    ProfileFolder folder;
    int version = 1;
    for (auto _ : state) {
        const ProfileValues& next = values(version++);
        for (int i = 0; i < kStrings; ++i)
            writeString(folder.path(), "Setting", stringKey(i), next.strings[i]);
        for (int i = 0; i < kIntegers; ++i)
            writeInt(folder.path(), "Setting", integerKey(i), next.integers[i]);
        for (int i = 0; i < kRecords; ++i)
            writeStruct(folder.path(), "Setting", recordKey(i), next.records[i].data(), kRecordSize);
    }
    state.counters["file_bytes"] = static_cast<double>(folder.fileSize());
}

void BM_SaveBatch(benchmark::State& state)
{
    ProfileFolder folder;
    int version = 1;
    for (auto _ : state) {
        const ProfileValues& next = values(version++);
        IniBatch batch(folder.path());
        for (int i = 0; i < kStrings; ++i)
            batch.writeString("Setting", stringKey(i), next.strings[i]);
        for (int i = 0; i < kIntegers; ++i)
            batch.writeInt("Setting", integerKey(i), next.integers[i]);
        for (int i = 0; i < kRecords; ++i)
            batch.writeStruct("Setting", recordKey(i), next.records[i].data(), kRecordSize);
        if (!batch.commit())
            state.SkipWithError("commit failed");
    }
    state.counters["file_bytes"] = static_cast<double>(folder.fileSize());
}

void BM_LoadKeyByKey(benchmark::State& state)
{
    ProfileFolder folder;
    std::vector<std::uint8_t> record(kRecordSize);
    for (auto _ : state) {
        for (int i = 0; i < kStrings; ++i)
            benchmark::DoNotOptimize(readString(folder.path(), "Setting", stringKey(i)));
        for (int i = 0; i < kIntegers; ++i)
            benchmark::DoNotOptimize(readInt(folder.path(), "Setting", integerKey(i), -1));
        for (int i = 0; i < kRecords; ++i)
            benchmark::DoNotOptimize(
                readStruct(folder.path(), "Setting", recordKey(i), record.data(), kRecordSize));
    }
}

void BM_LoadBatch(benchmark::State& state)
{
    ProfileFolder folder;
    std::vector<std::uint8_t> record(kRecordSize);
    for (auto _ : state) {
        const IniBatch batch(folder.path(), false);
        for (int i = 0; i < kStrings; ++i)
            benchmark::DoNotOptimize(batch.readString("Setting", stringKey(i)));
        for (int i = 0; i < kIntegers; ++i)
            benchmark::DoNotOptimize(batch.readInt("Setting", integerKey(i), -1));
        for (int i = 0; i < kRecords; ++i)
            benchmark::DoNotOptimize(
                batch.readStruct("Setting", recordKey(i), record.data(), kRecordSize));
    }
}

BENCHMARK(BM_SaveKeyByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadKeyByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBatch)->Unit(benchmark::kMillisecond);

// Keeps the mean real time of every benchmark for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> milliseconds;
};

void printRatio(const RatioReporter& reporter, const char* what, const std::string& keyByKey,
                const std::string& batch)
{
    const auto slow = reporter.milliseconds.find(keyByKey);
    const auto fast = reporter.milliseconds.find(batch);
    if (slow == reporter.milliseconds.end() || fast == reporter.milliseconds.end()
        || fast->second <= 0)
        return;
    std::printf("%s: key by key %.3f ms, batch %.3f ms, ratio %.1f\n", what, slow->second,
                fast->second, slow->second / fast->second);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printRatio(reporter, "save", "BM_SaveKeyByKey", "BM_SaveBatch");
    printRatio(reporter, "load", "BM_LoadKeyByKey", "BM_LoadBatch");
    return 0;
}
