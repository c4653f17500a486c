// Load and save of the data file with 1k, 100k and 1M entries, beside the time one
// read of the same bytes takes (the floor a load can approach).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "history/DataFile.h"

namespace {

// Realistic shortcut names: ASCII and CP932 Japanese, 5 to 30 bytes.
std::vector<std::string> Names(int count)
{
    static const char* const parts[] = {"mail", "Editor", "表計算", "ソフト", "browser", "メモ帳", "Tool", "能力",
                                        "ターミナル", "db", "x64", "設定", "Viewer", "画像", "zip"};
    std::mt19937 random(42);
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string name;
        while (name.size() < 5 + random() % 20)
            name += parts[random() % std::size(parts)];
        names.push_back(name.substr(0, 30) + std::to_string(i % 100));
    }
    return names;
}

struct Fixture {
    std::vector<std::string> entries;
    std::string bytes;
    std::string path;
};

const Fixture& For(int count)
{
    static std::map<int, Fixture> fixtures;
    auto [it, added] = fixtures.try_emplace(count);
    if (added) {
        it->second.entries = Names(count);
        it->second.bytes = veskor::SerializeDataFile("C:\\Users\\user\\Links", it->second.entries);
        it->second.path = "/tmp/veskor-bench-" + std::to_string(count) + ".dat";
        std::ofstream(it->second.path, std::ios::binary) << it->second.bytes;
    }
    return it->second;
}

std::string ReadAll(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
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

BENCHMARK_MAIN();
