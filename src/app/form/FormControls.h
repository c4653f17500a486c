#pragma once
#include <array>
#include <cstddef>
#include <memory>

#include "form/Layout.h"
#include "platform/Controls.h"

namespace veskor {

// The controls of the one window, named as the handlers know them.
struct FormControls {
    // From the controls a platform made and owns, its buttons in ButtonId order.
    template <class ButtonKind>
    FormControls(FormWindow& form, EditField& edit1, ListField& list, EditField& edit2,
                 const std::array<std::unique_ptr<ButtonKind>, ButtonCount>& owned)
        : window(form), Edit1(edit1), ListBox1(list), Edit2(edit2)
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

    // The control at `index` of the tab order (layout::Controls).
    Control& InTabOrder(std::size_t index) const
    {
        if (index == layout::Edit1Index)
            return Edit1;
        if (index == layout::ListBox1Index)
            return ListBox1;
        if (index == layout::Edit2Index)
            return Edit2;
        return *buttons[index - layout::FirstButtonIndex];
    }
};

}  // namespace veskor
