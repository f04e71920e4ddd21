#include "app/preferences/SettingsListEditor.h"

#include <algorithm>
#include <utility>

SettingsListEditor::SettingsListEditor(std::vector<SettingsListEntry> entries) : entries_(std::move(entries))
{
    SelectEntry(0);
}

void SettingsListEditor::SelectEntry(int index)
{
    index = std::max(index, 0);
    if (index >= EntryCount()) {
        selected_ = -1;
        return;
    }
    selected_ = index;
    TitleEdit = entries_[index].Title;
    FileEdit = entries_[index].Name;
}

void SettingsListEditor::Click(int index)
{
    if (index < 0 || index >= EntryCount()) {
        selected_ = -1;
        return;
    }
    SelectEntry(index);
}

void SettingsListEditor::Add()
{
    if (!CanAdd()) return;
    entries_.push_back({TitleEdit, FileEdit});
    SelectEntry(EntryCount() - 1);
}

void SettingsListEditor::Remove()
{
    if (!CanRemove()) return;
    entries_.erase(entries_.begin() + selected_);
    selected_ = std::min(selected_, EntryCount() - 1);
}

void SettingsListEditor::Clear()
{
    entries_.clear();
    selected_ = -1;
    TitleEdit.clear();
    FileEdit.clear();
}

void SettingsListEditor::MoveUp()
{
    if (!CanMoveUp()) return;
    std::swap(entries_[selected_ - 1], entries_[selected_]);
    SelectEntry(selected_ - 1);
}

void SettingsListEditor::MoveDown()
{
    if (!CanMoveDown()) return;
    std::swap(entries_[selected_], entries_[selected_ + 1]);
    SelectEntry(selected_ + 1);
}

bool SettingsListEditor::Accept(std::vector<SettingsListEntry>& list) const
{
    list = entries_;
    return !entries_.empty();
}
