// Reads the launcher's history list from another process as a screen reader does, through
// the accessibility interface (MSAA), and prints in UTF-8, one item a line:
//   list.role=list, list.state=..., list.children=N, list.focus=N|self|none,
//   list.selection=IDS (child ids, space-separated)
//   row.N=NAME, row.N.role=..., row.N.state=..., row.N.action=... for each child N
// States are words in a fixed order: selected focused invisible offscreen focusable
// selectable multiselectable extselectable.
// `screenreader --row N` prints row.N.location=X Y WIDTH HEIGHT (screen pixels) and
//   row.N.hit=ID, the child that accHitTest finds at the middle of that rectangle.
// `screenreader --select N FLAGS` calls accSelect(FLAGS) on child N; prints select=0xHRESULT.
// `screenreader --do N` calls accDoDefaultAction on child N; prints do=0xHRESULT.
// `screenreader --events SECONDS FILE` hooks the list's WinEvents out of context and
//   appends "ready", then one "EVENT CHILD NAME" line per event, to FILE for SECONDS.
// Exits 1 when the window or its accessible object cannot be had.
#include <windows.h>
// After windows.h, which they need.
#include <initguid.h>
#include <oleacc.h>

#include "Utf8.h"
#include "form/Layout.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

namespace {

// Appends WORD to a space-separated list.
void Join(std::string& list, const std::string& word)
{
    if (!list.empty())
        list += ' ';
    list += word;
}

HWND List()
{
    HWND window = FindWindowW(L"veskor3.TForm1", nullptr);
    return window ? GetDlgItem(window, veskor::layout::ControlIdOf(veskor::layout::ListBox1Index)) : nullptr;
}

VARIANT Child(long id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// A text that get_accName or get_accDefaultAction answers, in UTF-8; empty for none.
std::string Text(IAccessible* object, long id, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*))
{
    BSTR text = nullptr;
    if ((object->*get)(Child(id), &text) != S_OK || !text)
        return {};
    std::string utf8 = Utf8(std::wstring(text, SysStringLen(text)));
    SysFreeString(text);
    return utf8;
}

std::string Name(IAccessible* object, long id) { return Text(object, id, &IAccessible::get_accName); }

std::string Role(IAccessible* object, long id)
{
    VARIANT role;
    VariantInit(&role);
    if (FAILED(object->get_accRole(Child(id), &role)) || role.vt != VT_I4)
        return "?";
    switch (role.lVal) {
    case ROLE_SYSTEM_LIST: return "list";
    case ROLE_SYSTEM_LISTITEM: return "listitem";
    default: return std::to_string(role.lVal);
    }
}

std::string State(IAccessible* object, long id)
{
    static const struct {
        long flag;
        const char* word;
    } words[] = {
        {STATE_SYSTEM_SELECTED, "selected"},     {STATE_SYSTEM_FOCUSED, "focused"},
        {STATE_SYSTEM_INVISIBLE, "invisible"},   {STATE_SYSTEM_OFFSCREEN, "offscreen"},
        {STATE_SYSTEM_FOCUSABLE, "focusable"},   {STATE_SYSTEM_SELECTABLE, "selectable"},
        {STATE_SYSTEM_MULTISELECTABLE, "multiselectable"}, {STATE_SYSTEM_EXTSELECTABLE, "extselectable"},
    };
    VARIANT state;
    VariantInit(&state);
    if (FAILED(object->get_accState(Child(id), &state)) || state.vt != VT_I4)
        return "?";
    std::string text;
    for (const auto& w : words) {
        if (state.lVal & w.flag)
            Join(text, w.word);
    }
    return text;
}

std::string Action(IAccessible* object, long id) { return Text(object, id, &IAccessible::get_accDefaultAction); }

// A child id, "self" or "none" for get_accFocus; the ids of get_accSelection.
std::string Ids(VARIANT v)
{
    if (v.vt == VT_EMPTY)
        return "none";
    if (v.vt == VT_I4)
        return v.lVal == CHILDID_SELF ? "self" : std::to_string(v.lVal);
    std::string ids;
    if (v.vt == VT_UNKNOWN && v.punkVal) {
        IEnumVARIANT* items = nullptr;
        if (SUCCEEDED(v.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&items)))) {
            VARIANT item;
            ULONG got = 0;
            while (items->Next(1, &item, &got) == S_OK && got == 1) {
                Join(ids, item.vt == VT_I4 ? std::to_string(item.lVal) : "?");
                VariantClear(&item);
            }
            items->Release();
        }
    }
    VariantClear(&v);
    return ids;
}

void PrintList(IAccessible* list)
{
    long children = 0;
    list->get_accChildCount(&children);
    std::printf("list.role=%s\nlist.state=%s\nlist.children=%ld\n", Role(list, CHILDID_SELF).c_str(),
                State(list, CHILDID_SELF).c_str(), children);
    VARIANT focus;
    VariantInit(&focus);
    list->get_accFocus(&focus);
    std::printf("list.focus=%s\n", Ids(focus).c_str());
    VARIANT selection;
    VariantInit(&selection);
    list->get_accSelection(&selection);
    std::printf("list.selection=%s\n", selection.vt == VT_EMPTY ? "" : Ids(selection).c_str());
    for (long id = 1; id <= children; ++id) {
        std::printf("row.%ld=%s\n", id, Name(list, id).c_str());
        std::printf("row.%ld.role=%s\n", id, Role(list, id).c_str());
        std::printf("row.%ld.state=%s\n", id, State(list, id).c_str());
        std::printf("row.%ld.action=%s\n", id, Action(list, id).c_str());
        VARIANT state;
        VariantInit(&state);
        const bool unavailable = SUCCEEDED(list->get_accState(Child(id), &state)) && state.vt == VT_I4 &&
                                 (state.lVal & STATE_SYSTEM_UNAVAILABLE);
        std::printf("row.%ld.unavailable=%s\n", id, unavailable ? "yes" : "no");
        std::printf("row.%ld.description=%s\n", id, Text(list, id, &IAccessible::get_accDescription).c_str());
    }
}

void PrintRow(IAccessible* list, long id)
{
    long x = 0, y = 0, width = 0, height = 0;
    if (FAILED(list->accLocation(&x, &y, &width, &height, Child(id))))
        return;
    std::printf("row.%ld.location=%ld %ld %ld %ld\n", id, x, y, width, height);
    VARIANT hit;
    VariantInit(&hit);
    list->accHitTest(x + width / 2, y + height / 2, &hit);
    std::printf("row.%ld.hit=%s\n", id, Ids(hit).c_str());
}

// Out-of-context events arrive through this thread's message loop. The callback only
// queues them: asking the list for a name pumps messages, which would deliver the next
// event inside this one and print them out of order.
struct Event {
    DWORD event;
    LONG child;
};
HWND watched = nullptr;
std::deque<Event> pending;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    if (hwnd == watched && object == OBJID_CLIENT && event >= EVENT_OBJECT_CREATE && event <= EVENT_OBJECT_STATECHANGE)
        pending.push_back({event, child});
}

void PrintPending(FILE* file)
{
    static const char* names[] = {"create", "destroy", "show", "hide", "reorder", "focus", "selection",
                                  "selectionadd", "selectionremove", "selectionwithin", "statechange"};
    while (!pending.empty()) {
        const Event e = pending.front();
        pending.pop_front();
        std::string name;
        IAccessible* source = nullptr;
        VARIANT id;
        VariantInit(&id);
        if (e.child != CHILDID_SELF &&
            SUCCEEDED(AccessibleObjectFromEvent(watched, OBJID_CLIENT, e.child, &source, &id)) && source) {
            name = Name(source, id.vt == VT_I4 ? id.lVal : e.child);
            source->Release();
        }
        std::fprintf(file, "%s %ld %s\n", names[e.event - EVENT_OBJECT_CREATE], e.child, name.c_str());
        std::fflush(file);
    }
}

int WatchEvents(HWND list, DWORD seconds, const char* file)
{
    FILE* events = std::fopen(file, "a");
    if (!events)
        return 1;
    watched = list;
    DWORD process = 0;
    GetWindowThreadProcessId(list, &process);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_STATECHANGE, nullptr, OnEvent, process, 0,
                                         WINEVENT_OUTOFCONTEXT);
    if (!hook)
        return 1;
    std::fprintf(events, "ready\n");
    std::fflush(events);
    const ULONGLONG end = GetTickCount64() + seconds * 1000ULL;
    while (GetTickCount64() < end && IsWindow(list)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        PrintPending(events);
    }
    UnhookWinEvent(hook);
    std::fclose(events);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    CoInitialize(nullptr);
    HWND list = List();
    if (!list)
        return 1;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--events" && argc == 4)
        return WatchEvents(list, static_cast<DWORD>(std::atoi(argv[2])), argv[3]);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(list, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object))) ||
        !object)
        return 1;
    if (command == "--row" && argc == 3) {
        PrintRow(object, std::atol(argv[2]));
    } else if (command == "--select" && argc == 4) {
        const HRESULT hr = object->accSelect(std::atol(argv[3]), Child(std::atol(argv[2])));
        std::printf("select=0x%08lx\n", static_cast<unsigned long>(hr));
    } else if (command == "--do" && argc == 3) {
        const HRESULT hr = object->accDoDefaultAction(Child(std::atol(argv[2])));
        std::printf("do=0x%08lx\n", static_cast<unsigned long>(hr));
    } else {
        PrintList(object);
    }
    object->Release();
    CoUninitialize();
    return 0;
}
