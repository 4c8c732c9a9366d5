#pragma once

#include "ui/widgets/ScreenDialog.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QUndoStack;

namespace cfg {
struct Application;
}

namespace ui {

// The base of the screens that edit one file of the configuration. Each opening reads the file.
// A file that could not be read leaves the screen's defaults, with a notice in the screen saying
// so, and is replaced only after the user agreed, its bytes kept beside it. A file that another
// program changed after the opening is replaced only after the user agreed. Cancel, Escape and
// the close box ask before changes are thrown away. Every change the user makes is a step of the
// screen's undo stack, which starts empty at each opening and is gone when the screen closes.
class EditingScreen : public ScreenDialog {
    Q_OBJECT
public:
    void reject() override;
    void done(int result) override;

protected:
    EditingScreen(cfg::Application& app, QWidget* parent);

    // The line under the title that tells what the screen cannot show; the screen places it.
    QLabel* notice() const { return notice_; }

    // The file the screen edits.
    virtual std::filesystem::path file() const = 0;
    // Shows the file's content; raises ConfigError when it cannot be read. Returns how many rows of
    // the file lie beyond the screen's tables.
    virtual int show_file_and_count_left_out() = 0;
    virtual void show_defaults() = 0;
    // What the screen shows now becomes the state that counts as unchanged.
    virtual void remember_shown_state() = 0;
    virtual bool changed_since_opened() const = 0;

    // Before a save: true when the file may be written. After a failed read this asks the user and
    // keeps the unreadable file beside it first; after a change on disk it asks the user. Raises
    // ConfigError for a file the safe writer refuses, before asking anything.
    bool may_replace_file();

    // Reads the file, or shows the defaults and says why.
    void opened() override;

    // Records a change the user has just made: undo and redo put the state before and after it
    // back. Changes with the same typing key (zero or more) in a row are one step.
    void push_step(std::function<void()> undo, std::function<void()> redo, int typing_key = -1);
    // The screen's undo and redo, with their keys, for its context menus.
    QAction* undo_action() const { return Act_Undo; }
    QAction* redo_action() const { return Act_Redo; }

    cfg::Application& app_;

private:
    // What tells whether a file changed between two looks at it.
    struct File_Stamp {
        std::uintmax_t size;
        std::filesystem::file_time_type written;
        bool operator==(const File_Stamp&) const = default;
    };
    // Nothing when no file stands under the name.
    static std::optional<File_Stamp> stamp_of(const std::filesystem::path& file);

    bool may_replace_unreadable_file();
    bool may_replace_changed_file();

    QLabel* notice_;
    QUndoStack* undo_stack_;
    QAction* Act_Undo;
    QAction* Act_Redo;
    bool read_failed_ = false;
    std::optional<File_Stamp> opened_stamp_;
};

} // namespace ui
