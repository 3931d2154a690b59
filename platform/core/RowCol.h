#pragma once
// Row and column (1-based) of a position as the status bar shows it.
struct RowCol
{
    int row = 0;
    int col = 0;
    bool operator==(const RowCol &) const = default;
};
