#pragma once

#include "app/SettingsFiles.h"

#include <string>
#include <vector>

// The settings list editor without its window: the entries of its grid, the
// selected entry and the two edits. The list itself changes only on Accept.
//
// The selected index is -1 unless an entry is selected (the grid may have
// no selection, or show only its empty row); Remove, Up and Down are
// disabled then, so that they never reach for an entry that is not there.
class SettingsListEditor {
public:
    explicit SettingsListEditor(std::vector<SettingsListEntry> entries);

    const std::vector<SettingsListEntry>& Entries() const { return entries_; }
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    int SelectedIndex() const { return selected_; }

    // The user picked entry `index` in the grid (-1: the header, the empty
    // row or nothing); the edits show a picked entry.
    void Click(int index);

    bool CanAdd() const { return !FileEdit.empty(); }
    bool CanRemove() const { return selected_ >= 0; }
    bool CanClear() const { return !entries_.empty(); }
    bool CanMoveUp() const { return selected_ > 0; }
    bool CanMoveDown() const { return selected_ >= 0 && selected_ < EntryCount() - 1; }

    // Each does nothing when it is disabled.
    void Add();    // TitleEdit and FileEdit as a new last entry, selected
    void Remove(); // the selection stays on the row, or on the new last one
    void Clear();  // no entry and empty edits
    void MoveUp();
    void MoveDown();

    // OK: the list takes the entries. With no entry the list is emptied and
    // the result is false: the editor stays open.
    bool Accept(std::vector<SettingsListEntry>& list) const;

    std::string TitleEdit;
    std::string FileEdit;

private:
    void SelectEntry(int index);

    std::vector<SettingsListEntry> entries_;
    int selected_ = -1;
};
