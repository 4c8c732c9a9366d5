#pragma once

#include "core/params/ParGenSet.h"
#include "ui/params/GroupRows.h"
#include "ui/params/ParGenGroups.h"
#include "ui/widgets/EditingScreen.h"

#include <array>
#include <initializer_list>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class QWheelEvent;

namespace cfg {
struct Application;
}

namespace ui {

class AddressDotJump;
class CollapsibleGroup;
class TitlePanel;

// Step 2, "Set Communication": the converter's network identity, EtherCAT slave identity, Ethernet
// address and serial port, kept in ParGen.xml. The form carries the groups of every model of the
// family and shows this model's.
class TFParGen : public EditingScreen {
    Q_OBJECT
public:
    TFParGen(cfg::Application& app, QWidget* parent);
    ~TFParGen() override;

    void Set_Lang() override;
    bool Controllo_Dati();
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Group {
        const Group_Design* design = nullptr;
        CollapsibleGroup* panel = nullptr;
        std::vector<Group_Row> rows;
        int number = 0; // its place in this model's order, 0 while not shown
    };

    // The control of one ParGen.xml key: a check box for a flag, an edit field for a text, a list
    // for a serial-port choice.
    struct Key_Binding {
        const cfg::ParGen_Key* key = nullptr;
        QCheckBox* check = nullptr;
        QLineEdit* edit = nullptr;
        QComboBox* list = nullptr;
    };

    void opened() override;
    std::filesystem::path file() const override;
    int show_file_and_count_left_out() override;
    void show_defaults() override;
    void remember_shown_state() override;
    bool changed_since_opened() const override;

    void build_groups();
    void bind_keys();
    void FormActivate();
    void Order_TAB_Panels();
    void Order_TAB_Panels_52C40();
    void stack_groups(const std::vector<Group_Id>& order);
    void caption_group(Group& group);
    void chain_octets(AddressDotJump& dot_jump, Group_Id id, std::initializer_list<const char*> rows);
    void Move_GroupBoxs();
    void RePosition_Objects_52C40();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_EtherCAT_Slave();
    void RePosition_Object_Ethernet();
    void RePosition_Object_RS232();
    void size_group(Group& group);
    void fit_row_widths();
    void show_values(const cfg::ParGen_Set& set);
    // The values on the screen; the values this model hides come back as they were loaded.
    cfg::ParGen_Set values() const;
    // After the user changed a value: one step to undo. Typing into one field until it loses the
    // focus is one step.
    void record_change(int typing_field = -1);
    void show_recorded(const cfg::ParGen_Set& set);
    bool FormMouseWheel(QWheelEvent* event);

    Group& group(Group_Id id) { return groups_[static_cast<std::size_t>(id)]; }
    Group_Row& row(Group_Id id, const char* name);
    template <typename T> T* control(const char* name) const;

    TitlePanel* title_;
    QScrollArea* CPG;
    QVBoxLayout* stack_;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    std::array<Group, Group_Count> groups_;
    Row_Widths row_widths_;
    std::array<Key_Binding, cfg::ParGen_Key_Count> bindings_;
    cfg::ParGen_Set shown_state_;
    cfg::ParGen_Set recorded_state_; // as the last step left the values
    int typing_session_ = 0;         // counts the fields left after typing
    int wheel_rest_ = 0;             // wheel turn not yet scrolled, for wheels finer than one step
};

} // namespace ui
