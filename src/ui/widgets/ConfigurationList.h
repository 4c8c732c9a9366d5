#pragma once

class QListWidget;

namespace cfg {
struct Open_Conf_State;
}

namespace ui {

// Shows the configurations of the list in the list box, its entry selected, without reporting the
// selection as the user's.
void show_configurations(QListWidget* list_box, const cfg::Open_Conf_State& list);

} // namespace ui
