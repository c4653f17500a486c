// One key release in Edit1 over large histories, and the filter alone; run by
// scripts/bench-search.sh beside grep over the same names.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "search/KanjiReadingTable.h"
#include "search/Initials.h"
#include "search/SearchIndex.h"
#include "support/FormFixture.h"

namespace veskor::test {
namespace {

// Shortcut names as a Japanese desktop collects them: program and document names in
// ASCII and in Japanese (表, ソ and 予 have "\" as their second byte), some numbered.
std::vector<std::string> MakeNames(size_t count)
{
    static const char* const ascii[] = {
        "Adobe", "Microsoft", "Google", "Visual", "Studio", "Code", "Photoshop", "Reader", "Excel", "Word",
        "PowerPoint", "Outlook", "Chrome", "Firefox", "Thunderbird", "Explorer", "Terminal", "Notepad", "Paint",
        "Media", "Player", "7-Zip", "Editor", "Viewer", "Manager", "Setup", "Tools", "Server", "Client", "Remote",
        "Desktop", "Backup", "Sync", "Mail", "Calendar", "Music", "Video", "Photo", "Game", "Launcher"};
    static const char* const japanese[] = {
        "表計算", "ソフト", "年賀状", "作成", "秀丸", "エディタ", "写真", "整理", "動画", "編集", "会計", "家計簿",
        "辞書", "翻訳", "予定表", "住所録", "メモ帳", "電卓", "画像", "変換", "ゲーム", "音楽", "再生", "設定",
        "管理", "ツール", "フォルダ", "バックアップ", "ＤＶＤ", "ＰＤＦ"};
    std::mt19937 random(20240601);
    auto pick = [&random](auto& words) {
        return std::string(words[std::uniform_int_distribution<size_t>(0, std::size(words) - 1)(random)]);
    };
    std::vector<std::string> names;
    names.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const bool inJapanese = random() % 5 < 2;
        const int words = 1 + static_cast<int>(random() % 3);
        std::string name;
        for (int w = 0; w < words; ++w) {
            if (inJapanese) {
                name += pick(japanese);
            } else {
                if (w > 0)
                    name += ' ';
                name += pick(ascii);
            }
        }
        if (random() % 2) {
            name += ' ';
            name += std::to_string(random() % 1000);
        }
        names.push_back(std::move(name));
    }
    return names;
}

struct Search {
    const char* typed;
    bool partial;
};

// "vi" and "表計" begin names, "edit" and "ソフ" occur inside them.
const Search Searches[] = {{"vi", false}, {"表計", false}, {"edit", true}, {"ソフ", true}};

void Args(benchmark::internal::Benchmark* b)
{
    for (int64_t size : {1000, 100000, 1000000})
        for (int64_t search = 0; search < 4; ++search)
            b->Args({size, search});
}

// One release in Edit1 after a character was typed: filter, refill, complete. The
// history is lower-cased (and folded, for a reading search) once, before the first key.
void Release(benchmark::State& state, const Search& search)
{
    FormFixture f;
    f.Seed("C:\\links", MakeNames(static_cast<size_t>(state.range(0))));
    f.form.SearchMode = search.partial ? Matching::Partial : Matching::Prefix;
    f.Edit1.SetText(search.typed);
    f.form.Edit1KeyUp('X');
    for (auto _ : state) {
        f.Edit1.SetText(search.typed);
        f.form.CompletionCount = 0;
        f.form.Edit1KeyUp('X');
    }
    state.SetLabel(std::string(search.partial ? "partial" : "prefix") + " shown " + std::to_string(f.ListBox1.Count()));
}

void KeyRelease(benchmark::State& state) { Release(state, Searches[state.range(1)]); }
BENCHMARK(KeyRelease)->Apply(Args)->Unit(benchmark::kMillisecond);

// Romaji that nothing matches literally, so that each release also reads the history:
// "memo" and "bakku" begin names (メモ帳, バックアップ), "tsu-ru" is inside them (ツール),
// "zzq" reads nothing; "hyoukei" begins names in kanji (表計算), "henshuu" is inside them
// (動画編集), and "kanrishi" reads none, though its kana begin many kanji. Then names
// as Latin text prints them, long vowels left out, which read only so: "jushoroku"
// begins names (住所録), "gemu" and "tsuru" are inside them (ゲーム, ツール).
const Search ReadingSearches[] = {{"memo", false},      {"bakku", false}, {"tsu-ru", true}, {"zzq", true},
                                  {"hyoukei", false},   {"henshuu", true}, {"kanrishi", true},
                                  {"jushoroku", false}, {"gemu", true},    {"tsuru", true}};

void ReadingArgs(benchmark::internal::Benchmark* b)
{
    for (int64_t size : {1000, 100000, 1000000})
        for (int64_t search = 0; search < static_cast<int64_t>(std::size(ReadingSearches)); ++search)
            b->Args({size, search});
}

void ReadingKeyRelease(benchmark::State& state) { Release(state, ReadingSearches[state.range(1)]); }
BENCHMARK(ReadingKeyRelease)->Apply(ReadingArgs)->Unit(benchmark::kMillisecond);

// Letters that neither match nor read as anything, so that each release also looks at
// the initials: "vsc" and "mp" are initials of names (Visual Studio Code, Media Player),
// "qj" of none.
const Search InitialsSearches[] = {{"vsc", false}, {"mp", true}, {"qj", true}};

void InitialsKeyRelease(benchmark::State& state) { Release(state, InitialsSearches[state.range(1)]); }
BENCHMARK(InitialsKeyRelease)
    ->ArgsProduct({{1000, 100000, 1000000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// The initials step alone, to set beside the literal filter's scan.
void InitialsFilter(benchmark::State& state)
{
    const Search& search = InitialsSearches[state.range(1)];
    MemoryPlatform platform;
    History history(platform);
    history.Load(MakeNames(static_cast<size_t>(state.range(0))));
    InitialsIndex index;
    index.Matches(history, search.typed);
    size_t found = 0;
    for (auto _ : state)
        found = index.Matches(history, search.typed).size();
    state.SetLabel("found " + std::to_string(found));
}
BENCHMARK(InitialsFilter)->ArgsProduct({{1000, 100000, 1000000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

// The filter alone, to set beside grep.
void Filter(benchmark::State& state)
{
    const Search& search = Searches[state.range(1)];
    MemoryPlatform platform;
    History history(platform);
    history.Load(MakeNames(static_cast<size_t>(state.range(0))));
    SearchIndex index;
    index.Matches(history, platform, search.typed, search.partial);
    size_t found = 0;
    for (auto _ : state)
        found = index.Matches(history, platform, search.typed, search.partial).size();
    state.SetLabel("found " + std::to_string(found));
}
BENCHMARK(Filter)->Apply(Args)->Unit(benchmark::kMillisecond);

// The first key of a run: the history is lower-cased, then filtered; when nothing
// matches literally ("memo"), it is also folded and read, and the first partial reading
// search ("tsu-ru") also files the places a reading may begin.
void FirstKeyOf(benchmark::State& state, const Search* reading)
{
    MemoryPlatform platform;
    History history(platform);
    history.Load(MakeNames(static_cast<size_t>(state.range(0))));
    for (auto _ : state) {
        SearchIndex index;
        benchmark::DoNotOptimize(index.Matches(history, platform, reading ? reading->typed : "vi", false));
        if (reading)
            benchmark::DoNotOptimize(index.ReadingMatches(history, platform, reading->typed, reading->partial));
    }
}
void FirstKey(benchmark::State& state) { FirstKeyOf(state, nullptr); }
void FirstReadingKey(benchmark::State& state) { FirstKeyOf(state, &ReadingSearches[0]); }
void FirstPartialReadingKey(benchmark::State& state) { FirstKeyOf(state, &ReadingSearches[2]); }
BENCHMARK(FirstKey)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstReadingKey)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstPartialReadingKey)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Emptying the field shows the whole history: the list takes a copy of it.
void EmptyField(benchmark::State& state)
{
    FormFixture f;
    f.Seed("C:\\links", MakeNames(static_cast<size_t>(state.range(0))));
    for (auto _ : state) {
        f.Edit1.SetText("");
        f.form.Edit1KeyUp(vk::Back);
    }
}
BENCHMARK(EmptyField)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace veskor::test

// For scripts/bench-search.sh: `--write-names FILE COUNT` writes the names, one a line;
// `--searches`, `--reading-searches` and `--initials-searches` print each search's number, mode and
// text (CP932), tab-separated; `--table-bytes` the size of the kanji reading table's constant data.
int main(int argc, char** argv)
{
    const auto listed = [argc, argv]() -> std::span<const veskor::test::Search> {
        if (argc != 2)
            return {};
        if (std::strcmp(argv[1], "--searches") == 0)
            return veskor::test::Searches;
        if (std::strcmp(argv[1], "--reading-searches") == 0)
            return veskor::test::ReadingSearches;
        if (std::strcmp(argv[1], "--initials-searches") == 0)
            return veskor::test::InitialsSearches;
        return {};
    }();
    if (!listed.empty()) {
        int number = 0;
        for (const auto& search : listed)
            std::printf("%d\t%s\t%s\n", number++, search.partial ? "partial" : "prefix", search.typed);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--table-bytes") == 0) {
        std::printf("%zu\n", veskor::KanjiCount * sizeof(veskor::KanjiCodes[0]) + std::strlen(veskor::KanjiReadingText) + 1);
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--write-names") == 0) {
        std::FILE* out = std::fopen(argv[2], "wb");
        if (!out)
            return 1;
        for (const std::string& name : veskor::test::MakeNames(std::strtoull(argv[3], nullptr, 10))) {
            std::fwrite(name.data(), 1, name.size(), out);
            std::fputc('\n', out);
        }
        return std::fclose(out) == 0 ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
