// A scrolling grid of picture thumbnails, three to a row. Thumbnails are
// decoded when a row first comes into view and kept; a file that does not
// decode shows an empty cell. A tap on a cell notifies the owner with
// QZ_WM_LIST_CLICK (row | column << 16); PictureAt turns that into a file.
#pragma once

#include <filesystem>
#include <vector>

#include "PictureCodec.h"
#include "qzfc/UiList.h"

namespace mediapickers {

class PictureGrid : public UiList {
 public:
  static constexpr int kColumns = 3;
  static constexpr int kCellSize = 160;

  void SetPictures(std::vector<std::filesystem::path> files);
  int PictureCount() const { return static_cast<int>(cells_.size()); }
  // The picture of a row and column, or -1 when the cell is empty.
  int PictureAt(int row, int column) const;
  const std::filesystem::path& PictureFile(int picture) const { return cells_[static_cast<size_t>(picture)].file; }
  // Whether the thumbnail of a picture decoded (after its row was drawn).
  bool HasThumbnail(int picture) const;
  // The screen rectangle's cell centre of a picture, in window coordinates.
  POINT CellCentre(int picture);

  void DrawItem(HDC hdc, int index, const RECT& rcItem) override;
  int CalcItemPart(int index, int x, int y) override;

 private:
  struct Cell {
    std::filesystem::path file;
    bool tried = false;
    Surface thumbnail;
  };
  void DrawCell(cairo_t* cr, Cell& cell, double x, double y);

  std::vector<Cell> cells_;
};

}  // namespace mediapickers
