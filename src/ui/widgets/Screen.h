#pragma once

namespace ui {

// Every window whose texts come from the catalogue: Change_Language calls Set_Lang of each.
class Screen {
public:
    virtual ~Screen() = default;
    virtual void Set_Lang() = 0;
};

} // namespace ui
