// Load and save of the data file with 1k, 100k and 1M entries, beside the time one
// read of the same bytes takes (the floor a load can approach).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "history/DataFile.h"

namespace {

// Realistic shortcut names: ASCII and CP932 Japanese, 5 to 30 bytes, never a
// double-byte character cut in half.
std::vector<std::string> Names(int count)
{
    static const std::string_view parts[] = {"mail", "Editor", "表計算", "ソフト", "browser", "メモ帳", "Tool", "能力",
                                             "ターミナル", "db", "x64", "設定", "Viewer", "画像", "zip"};
    std::mt19937 random(42);
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const size_t target = 5 + random() % 26;
        std::string name;
        for (int tries = 0; tries < 8 && name.size() < target; ++tries) {
            const std::string_view part = parts[random() % std::size(parts)];
            if (name.size() + part.size() <= target)
                name += part;
        }
        const std::string number = std::to_string(i % 1000);
        if (name.size() + number.size() <= 30)
            name += number;
        name.resize(std::max<size_t>(name.size(), 5), '_');
        names.push_back(std::move(name));
    }
    return names;
}

struct Fixture {
    std::vector<std::string> entries;
    std::string bytes;
    std::string path;
};

std::map<int, Fixture> fixtures;

const Fixture& For(int count)
{
    auto [it, added] = fixtures.try_emplace(count);
    if (added) {
        it->second.entries = Names(count);
        it->second.bytes = veskor::SerializeDataFile("C:\\Users\\user\\Links", it->second.entries);
        it->second.path =
            (std::filesystem::temp_directory_path() / ("veskor-bench-" + std::to_string(count) + ".dat")).string();
        std::ofstream(it->second.path, std::ios::binary) << it->second.bytes;
    }
    return it->second;
}

std::string ReadAll(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::fseek(file, 0, SEEK_END);
    std::string bytes(static_cast<size_t>(std::ftell(file)), '\0');
    std::fseek(file, 0, SEEK_SET);
    const size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bytes.resize(read);
    return bytes;
}

void ReadFloor(benchmark::State& state)
{
    const Fixture& f = For(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadAll(f.path));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes.size()));
}

void Parse(benchmark::State& state)
{
    const Fixture& f = For(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(veskor::ParseDataFile(f.bytes, f.path));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes.size()));
}

void Load(benchmark::State& state)
{
    const Fixture& f = For(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(veskor::ParseDataFile(ReadAll(f.path), f.path));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes.size()));
}

void Serialize(benchmark::State& state)
{
    const Fixture& f = For(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(veskor::SerializeDataFile("C:\\Users\\user\\Links", f.entries));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes.size()));
}

void Save(benchmark::State& state)
{
    const Fixture& f = For(static_cast<int>(state.range(0)));
    const std::string path = f.path + ".out";
    for (auto _ : state) {
        const std::string bytes = veskor::SerializeDataFile("C:\\Users\\user\\Links", f.entries);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file)
            throw std::runtime_error("cannot write " + path);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes.size()));
}

BENCHMARK(ReadFloor)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Load)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Parse)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Save)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Serialize)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& [count, fixture] : fixtures)
        std::remove(fixture.path.c_str());
    return 0;
}
