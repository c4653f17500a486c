// The gone checks on Windows: the time for the worker's thread to judge 1,000 history
// entries against a folder of real link files, its batches posted to a window and taken
// there as the program takes them, beside the floor of reading each link once; and the
// longest time the window's thread spent on one batch (what a key may wait for).
// Run by scripts/bench-gone.sh.
// First: it brings windows.h without the macros that rename the platform's calls.
#include "win32/Win32Platform.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "history/History.h"
#include "launch/Gone.h"
#include "launch/GoneWorker.h"
#include "gui/GoneThread.h"

namespace {

double Now()
{
    static LARGE_INTEGER frequency{};
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main()
{
    using namespace veskor;
    if (GetACP() != 932) {
        std::printf("the ANSI code page is %u, not 932\n", GetACP());
        return 2;
    }
    constexpr int Entries = 1000;
    constexpr std::size_t List = 256;  // as the window asks them
    constexpr int Runs = 5;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "veskor-gone-bench-" + std::to_string(GetCurrentProcessId());
    const std::string folder = root + "\\links";
    const std::string targets = root + "\\targets";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(targets.c_str(), nullptr);

    // Seven in ten links to a present program, 15 in 100 to a removed one, 15 in 100 missing.
    Win32Platform platform;
    std::vector<std::string> names;
    std::vector<std::string> links;
    for (int i = 0; i < Entries; ++i) {
        const std::string name = "ショートカット" + std::to_string(i);
        names.push_back(name);
        const int kind = i % 20;
        if (kind >= 17)
            continue;
        const std::string target = targets + "\\" + std::to_string(i) + (kind >= 14 ? "-removed.exe" : ".exe");
        if (kind < 14)
            CloseHandle(CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        links.push_back(folder + "\\" + name + ".lnk");
        platform.SaveLink(links.back(), target, targets, 0);
    }
    History history(platform);
    history.Load(names);

    std::vector<double> floors, judges, applies;
    int gone = 0;
    for (int run = 0; run < Runs; ++run) {
        double start = Now();
        for (const std::string& link : links) {
            try {
                platform.ReadLink(link);
            } catch (...) {
            }
        }
        floors.push_back(Now() - start);

        // A window of messages only, whose queue the worker posts to.
        const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        GoneChecks checks;
        Background background;
        GoneWorker worker(gui::GoneThreadHost(window), background);
        double longest = 0;
        start = Now();
        for (;;) {
            if (const std::optional<GoneChecks::Question> question = checks.Next(folder, history, {}, List))
                checks.Asked(worker.Ask(folder, question->entries));
            if (!checks.Waiting())
                break;
            MSG msg;
            if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
                break;
            if (msg.message != gui::GoneAnsweredMessage)
                continue;
            const double applyStart = Now();
            const std::unique_ptr<GoneBatch> batch(reinterpret_cast<GoneBatch*>(msg.lParam));
            checks.Apply(folder, *batch, {});
            longest = std::max(longest, Now() - applyStart);
        }
        judges.push_back(Now() - start);
        applies.push_back(longest);
        DestroyWindow(window);
        gone = 0;
        for (const std::string& name : names)
            gone += checks.Known(folder, name).value_or(Gone::No) != Gone::No;
    }
    const double floor = Median(floors), judge = Median(judges);
    std::printf("entries %d, links %zu, judged gone %d (median of %d runs)\n", Entries, links.size(), gone, Runs);
    std::printf("read every link once (floor): %.1f ms\n", floor);
    std::printf("judge every entry:            %.1f ms  (%.1f us an entry, %.2f x the floor)\n", judge,
                judge * 1000.0 / Entries, judge / floor);
    std::printf("longest batch on the window:   %.3f ms  (%zu answers a batch at most)\n", Median(applies),
                GoneWorker::BatchSize);

    for (const std::string& link : links)
        DeleteFileA(link.c_str());
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((targets + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((targets + "\\" + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(targets.c_str());
    RemoveDirectoryA(folder.c_str());
    RemoveDirectoryA(root.c_str());
    return gone == Entries * 6 / 20 ? 0 : 1;
}
