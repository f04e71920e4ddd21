#include "app/preferences/SettingsListEditor.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Titles(const SettingsListEditor& editor)
{
    std::vector<std::string> titles;
    for (const SettingsListEntry& entry : editor.Entries()) titles.push_back(entry.Title);
    return titles;
}

SettingsListEditor ThreeEntries() { return SettingsListEditor({{"a", "a.omt"}, {"b", "b.omt"}, {"c", "c.omt"}}); }

TEST(SettingsListEditor, StartsOnTheFirstEntryAndAddsFromTheEdits)
{
    SettingsListEditor editor = ThreeEntries();
    EXPECT_EQ(editor.SelectedIndex(), 0);
    EXPECT_EQ(editor.FileEdit, "a.omt");

    editor.TitleEdit = "";
    editor.FileEdit = "";
    EXPECT_FALSE(editor.CanAdd());
    editor.Add();
    EXPECT_EQ(editor.EntryCount(), 3);

    editor.FileEdit = "/x/d.omt";
    ASSERT_TRUE(editor.CanAdd());
    editor.Add();
    EXPECT_EQ(editor.EntryCount(), 4);
    EXPECT_EQ(editor.Entries()[3].Title, "");
    EXPECT_EQ(editor.Entries()[3].Name, "/x/d.omt");
    EXPECT_EQ(editor.SelectedIndex(), 3);
}

TEST(SettingsListEditor, UpAndDownStopAtTheEndsAndKeepTheEntrySelected)
{
    SettingsListEditor editor = ThreeEntries();
    EXPECT_FALSE(editor.CanMoveUp());
    editor.MoveUp();
    EXPECT_EQ(Titles(editor), (std::vector<std::string>{"a", "b", "c"}));

    editor.Click(1);
    EXPECT_EQ(editor.TitleEdit, "b");
    editor.MoveUp();
    EXPECT_EQ(Titles(editor), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(editor.SelectedIndex(), 0);
    editor.MoveDown();
    EXPECT_EQ(Titles(editor), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(editor.SelectedIndex(), 1);

    editor.Click(2);
    EXPECT_FALSE(editor.CanMoveDown());
    editor.MoveDown();
    EXPECT_EQ(Titles(editor), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(SettingsListEditor, WithoutASelectedEntryNothingActsOnARowThatIsNotThere)
{
    SettingsListEditor editor = ThreeEntries();
    editor.Click(-1); // the grid lost its selection
    EXPECT_EQ(editor.SelectedIndex(), -1);
    EXPECT_FALSE(editor.CanRemove());
    EXPECT_FALSE(editor.CanMoveUp());
    EXPECT_FALSE(editor.CanMoveDown());
    editor.Remove();
    editor.MoveDown();
    editor.MoveUp();
    EXPECT_EQ(Titles(editor), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(editor.CanClear());

    editor.Click(7);
    EXPECT_EQ(editor.SelectedIndex(), -1);
}

TEST(SettingsListEditor, RemoveKeepsTheSelectionOnAnEntry)
{
    SettingsListEditor editor = ThreeEntries();
    editor.Click(2);
    editor.Remove();
    EXPECT_EQ(Titles(editor), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(editor.SelectedIndex(), 1);
    editor.Click(0);
    editor.Remove();
    EXPECT_EQ(Titles(editor), (std::vector<std::string>{"b"}));
    EXPECT_EQ(editor.SelectedIndex(), 0);

    editor.Remove();
    EXPECT_EQ(editor.EntryCount(), 0);
    EXPECT_EQ(editor.SelectedIndex(), -1);
    EXPECT_FALSE(editor.CanRemove());
    EXPECT_FALSE(editor.CanMoveUp());
    EXPECT_FALSE(editor.CanMoveDown());
    EXPECT_FALSE(editor.CanClear());
}

TEST(SettingsListEditor, ClearEmptiesTheListButOkThenKeepsTheEditorOpen)
{
    SettingsListEditor editor = ThreeEntries();
    std::vector<SettingsListEntry> list{{"kept", "kept.omt"}};
    editor.Clear();
    EXPECT_EQ(editor.EntryCount(), 0);
    EXPECT_EQ(editor.FileEdit, "");
    EXPECT_FALSE(editor.Accept(list));
    EXPECT_TRUE(list.empty());

    editor.FileEdit = "n.omt";
    editor.Add();
    EXPECT_TRUE(editor.Accept(list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Name, "n.omt");
}

} // namespace
