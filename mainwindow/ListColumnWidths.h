#pragma once

#include <vector>

class QTreeView;

// The widths of the item list's seventeen columns in the settings store
// (group "ListView"): each column's key and default width. The list reads
// them when it is made and writes them when the main window closes.
class ListColumnWidths
{
public:
    // Gives every column its stored width, or its default; the date
    // column's default is at least minimumDateWidth. Returns, per column,
    // whether it shows its default (none stored, or the default stored).
    static std::vector<bool> restore(QTreeView &view, int minimumDateWidth);
    // Widens a column that shows its default width to show its whole
    // heading, sort indicator included (titles differ per language and
    // database); never narrows it.
    static void fitTitle(QTreeView &view, int column);
    // Stores every column's width, and the numbers of columns and of group rows.
    static void save(const QTreeView &view);
};
