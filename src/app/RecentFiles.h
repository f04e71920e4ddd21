#pragma once

#include <string>
#include <vector>

constexpr int kRecentFilesMax = 10;

// Puts a path at the top of the recent files. A backup (a path ending in
// "~") is never added, nor a path holding a double quote, CR or LF (the
// settings file could not keep it); an entry naming the same path (letter
// case counts, as in Linux paths) moves up instead of being repeated; the
// oldest entry falls off when the list is full.
void AddRecentFile(std::vector<std::string>& list, const std::string& path);
