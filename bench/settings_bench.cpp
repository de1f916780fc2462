// Cost of the settings file at start and at exit when it is as large as the store reads (1 MiB)
// and made of short keys, the program's section last. Goal: a load and a save of a 1 MiB file
// each well under 50 ms on the 2-core reference machine.
//   build/bench/settings_bench
// Start: the two reads of the strip's load. Exit: the four writes of SaveSettings, each a read,
// an edit and an atomic write (synced) of the whole file, with values that change every time.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/os/ini_file.h"
#include "platform/os/ini_store.h"

namespace {

using tarnvel::platform::os::IniFile;
using tarnvel::platform::os::IniStore;

// `keys` short keys of another program, eight bytes a line ("k0a3z=1"), then the program's own
// section.
std::string settings_text(std::size_t keys) {
    std::string text = "[Other]\n";
    text.reserve(keys * 8 + 200);
    for (std::size_t i = 0; i < keys; ++i) {
        char name[] = "k0000=1\n";
        for (std::size_t n = i, d = 4; d > 0; n /= 36, --d) name[d] = "0123456789abcdefghijklmnopqrstuvwxyz"[n % 36];
        text += name;
    }
    return text + "\n[Tarnvel]\nVersion=Tarnvel 1.0\nUpdateRegistry=False\nApplication Path=/usr/lib/tarnvel\nRun_Startup=1\n";
}

// Keys enough to fill the store's limit, with room left for what an exit adds.
std::size_t keys_in_1mib() { return (IniStore::kLimit - 4096) / 8; }

class Folder {
public:
    explicit Folder(const std::string& text) {
        std::string t = (std::filesystem::temp_directory_path() / "tarnvel-bench-XXXXXX").string();
        path_ = ::mkdtemp(t.data());
        std::ofstream(path_ + "/Nanakshahi.ini", std::ios::binary) << text;
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void start(benchmark::State& state, std::size_t keys) {
    Folder home(settings_text(keys));
    IniStore store(home.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.GetSetting("Nanakshahi", "Tarnvel", "UpdateRegistry", "False"));
        benchmark::DoNotOptimize(store.GetSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1"));
    }
}

void exit_(benchmark::State& state, std::size_t keys) {
    Folder home(settings_text(keys));
    IniStore store(home.path());
    int n = 0;
    for (auto _ : state) {
        const std::string v = std::to_string(++n);
        for (const char* key : {"Version", "UpdateRegistry", "Application Path", "Run_Startup"})
            if (store.SaveSetting("Nanakshahi", "Tarnvel", key, v).code != 0) state.SkipWithError("save failed");
    }
}

void BM_Load1MiB(benchmark::State& state) {
    Folder home(settings_text(keys_in_1mib()));
    IniStore store(home.path());
    for (auto _ : state) benchmark::DoNotOptimize(store.GetSetting("Nanakshahi", "Tarnvel", "Version", ""));
}

void BM_Save1MiB(benchmark::State& state) {
    Folder home(settings_text(keys_in_1mib()));
    IniStore store(home.path());
    int n = 0;
    for (auto _ : state)
        if (store.SaveSetting("Nanakshahi", "Tarnvel", "Version", std::to_string(++n)).code != 0)
            state.SkipWithError("save failed");
}

// The same without the disk: the read of the text, one Set and the text written back.
void BM_EditInMemory1MiB(benchmark::State& state) {
    const std::string text = settings_text(keys_in_1mib());
    int n = 0;
    for (auto _ : state) {
        IniFile ini = IniFile::Parse(text);
        ini.Set("Tarnvel", "Version", std::to_string(++n));
        benchmark::DoNotOptimize(ini.Serialize());
    }
}

// The case of 110 000 short keys: about 880 KB.
void BM_Start110000Keys(benchmark::State& state) { start(state, 110000); }
void BM_Exit110000Keys(benchmark::State& state) { exit_(state, 110000); }

BENCHMARK(BM_Load1MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save1MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditInMemory1MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Start110000Keys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Exit110000Keys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
