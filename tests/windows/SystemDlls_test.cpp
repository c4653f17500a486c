#include <gtest/gtest.h>

#include <string>

#include "text/Error.h"
#include "win32/Win32Api.h"
// After windows.h, which it needs.
#include <shellapi.h>

#include "win32/SystemDlls.h"

namespace veskor {

namespace {

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

std::wstring ModulePath(HMODULE module)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

std::wstring Lower(std::wstring text)
{
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

// What the program puts in force first thing: veskorplant.dll lies beside this test program,
// as a planted DLL would beside the launcher, and no search by name may find it.
TEST(SystemDllsTest, ADllBesideTheProgramIsNeverLoadedByName)
{
    const std::wstring planted = FolderOf(ModulePath(nullptr)) + L"\\veskorplant.dll";
    HMODULE direct = LoadLibraryW(planted.c_str());
    ASSERT_NE(direct, nullptr) << "the planted DLL must be loadable for the test to mean anything";
    FreeLibrary(direct);

    win32::RestrictDllSearchToSystem32();
    HMODULE byName = LoadLibraryW(L"veskorplant.dll");
    EXPECT_EQ(byName, nullptr);
    if (byName)
        FreeLibrary(byName);
    EXPECT_THROW(win32::SystemDll(L"veskorplant.dll"), Error);
}

TEST(SystemDllsTest, SystemDllsComeFromSystem32AndMissingFunctionsRaise)
{
    win32::RestrictDllSearchToSystem32();
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    const HMODULE shell = win32::SystemDll(L"shell32.dll");
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(Lower(FolderOf(ModulePath(shell))), Lower(system));
    EXPECT_EQ(win32::SystemDll(L"shell32.dll"), shell);

    using DragFinishFunction = decltype(DragFinish);
    EXPECT_EQ(reinterpret_cast<void*>(win32::SystemFunction<DragFinishFunction>(L"shell32.dll", "DragFinish")),
              reinterpret_cast<void*>(GetProcAddress(shell, "DragFinish")));
    EXPECT_THROW(win32::SystemProc(L"shell32.dll", "NoSuchFunctionOfTheShell"), Error);
}

}  // namespace veskor
