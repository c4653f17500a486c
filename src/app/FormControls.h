#pragma once
#include <array>
#include <cstddef>
#include <memory>

#include "app/Layout.h"
#include "platform/Controls.h"

namespace veskor {

// The controls of the one window, named as the handlers know them.
struct FormControls {
    // From the controls a platform made and owns, its buttons in ButtonId order.
    template <class ButtonKind>
    FormControls(FormWindow& window, EditField& edit1, ListField& list, EditField& edit2,
                 const std::array<std::unique_ptr<ButtonKind>, ButtonCount>& owned)
        : window(window), Edit1(edit1), ListBox1(list), Edit2(edit2)
    {
        for (std::size_t i = 0; i < owned.size(); ++i)
            buttons[i] = owned[i].get();
    }

    FormWindow& window;
    EditField& Edit1;
    ListField& ListBox1;
    EditField& Edit2;
    std::array<Button*, ButtonCount> buttons{};  // indexed by ButtonId

    Button& operator[](ButtonId id) const { return *buttons[static_cast<std::size_t>(id)]; }

    // The control at `index` of the tab order, as in layout::Controls: Edit1, ListBox1,
    // Edit2, then the buttons.
    Control& InTabOrder(std::size_t index) const
    {
        if (index == 0)
            return Edit1;
        if (index == 1)
            return ListBox1;
        if (index == 2)
            return Edit2;
        return *buttons[index - 3];
    }
};

}  // namespace veskor
