#include "app/KeyRouting.h"

#include <cstddef>

namespace veskor {

namespace {

bool Plain(const KeyEvent& key) { return !key.shift && !key.ctrl && !key.alt; }

KeyRoute Click(ButtonId id) { return {KeyRoute::Action::ClickButton, id}; }

}  // namespace

KeyRoute RouteKey(const KeyEvent& key, const KeyTarget& target)
{
    if (key.key == vk::Return && Plain(key)) {
        if (target.focus == FocusKind::Button)
            return Click(target.focusedButton);
        if (target.hasShownDefault)
            return Click(target.shownDefault);
    }
    if (key.key == vk::Escape && Plain(key) && target.escShown)
        return Click(ButtonId::escButton);
    if (key.key == vk::Tab && !key.ctrl && !key.alt)
        return {key.shift ? KeyRoute::Action::FocusPrevious : KeyRoute::Action::FocusNext};
    return {};
}

int TabTarget(int current, int step, const std::array<bool, layout::Controls.size()>& focusable)
{
    const int count = static_cast<int>(focusable.size());
    int index = current;
    if (index < 0 || index >= count)
        index = step > 0 ? -1 : count;
    for (int i = 0; i < count; ++i) {
        index = ((index + step) % count + count) % count;
        if (focusable[static_cast<size_t>(index)])
            return index;
    }
    return -1;
}

}  // namespace veskor
