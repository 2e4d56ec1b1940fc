#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "level/cell.h"

// No level may be wider or taller than this many squares. Far above any level ever published
// and above what the window can show at the smallest tile size, it keeps one oversized file
// from asking for gigabytes, and keeps every square index of a board well inside 32 bits.
constexpr int32_t max_board_side = 1000;

// One level of a collection: its board of cells, the man's start square, its number within
// the collection file and its title line. The man is never stored in the board.
class TLevel {
  public:
    // Sizes the board, all floor. -1 (and nothing changes) when either side is below 3.
    int create(int32_t width, int32_t height);
    // Frees the board, whose width and height go back to 0; -1 when there is none.
    int release();
    bool has_grid() const { return !cells.empty(); }

    // Cell::no_cell off the board.
    Cell get_cell(int32_t column, int32_t row) const {
        if (!on_board(column, row)) return Cell::no_cell;
        return cells[static_cast<size_t>(column) + static_cast<size_t>(row) * width];
    }
    // -1 (and nothing changes) off the board.
    int set_cell(int32_t column, int32_t row, Cell code) {
        if (!on_board(column, row)) return -1;
        cells[static_cast<size_t>(column) + static_cast<size_t>(row) * width] = code;
        return 0;
    }
    // Stores `count` codes into a row from column 0 on, as set_cell would one by one; -1 (and
    // nothing changes) when they do not fit on the board. Lets the import fill a row at once.
    int set_row(int32_t row, const Cell* codes, int32_t count);

    // Turns the floor reachable from (column, row) into outside.
    void fill_outside(int32_t column, int32_t row);
    // Fills from every border square, so that everything beyond the walls becomes outside.
    void mark_outside();
    // True when no empty target is left.
    bool is_solved() const;

    int32_t get_width() const { return width; }
    int32_t get_height() const { return height; }
    int32_t get_number() const { return number; }
    int32_t get_start_column() const { return start_column; }
    int32_t get_start_row() const { return start_row; }
    std::string get_title() const { return title; }
    void set_number(int32_t value) { number = value; }
    void set_start(int32_t column, int32_t row) {
        start_column = column;
        start_row = row;
    }
    void set_title(const std::string& value) { title = value; }

  protected:
    bool on_board(int32_t column, int32_t row) const {
        return column >= 0 && row >= 0 && column < width && row < height;
    }

    int32_t width = 0;
    int32_t height = 0;
    int32_t number = 0;
    int32_t start_column = 0;
    int32_t start_row = 0;
    std::string title;
    std::vector<Cell> cells;  // row by row: (c, r) is cells[c + r * width]
};

// The working copy of the level being played, with the square the man stands on now.
class TPlayLevel : public TLevel {
  public:
    // Becomes a copy of the source with the man on its start square; the source is untouched.
    void copy_from(const TLevel& source);

    int32_t get_man_column() const { return man_column; }
    int32_t get_man_row() const { return man_row; }
    void set_man(int32_t column, int32_t row) {
        man_column = column;
        man_row = row;
    }

  private:
    int32_t man_column = 0;
    int32_t man_row = 0;
};
