#include "PictureGrid.h"

#include <algorithm>

#include "ce/gdi.h"

namespace mediapickers {
namespace {

constexpr int kGap = 4;
constexpr int kThumbSide = PictureGrid::kCellSize - 2 * kGap;

}  // namespace

void PictureGrid::SetPictures(std::vector<std::filesystem::path> files) {
  cells_.clear();
  for (auto& file : files) cells_.push_back(Cell{std::move(file), false, nullptr});
  RemoveAllItems();
  const int rows = (PictureCount() + kColumns - 1) / kColumns;
  SetItemHeight(kCellSize);
  SetSplitLineMode(LIST_SPLIT_NONE);
  for (int row = 0; row < rows; ++row) AddItem(L"", static_cast<DWORD>(row));
  UpdateScrollRange();
}

int PictureGrid::PictureAt(int row, int column) const {
  if (row < 0 || column < 0 || column >= kColumns) return -1;
  const int picture = row * kColumns + column;
  return picture < PictureCount() ? picture : -1;
}

bool PictureGrid::HasThumbnail(int picture) const {
  return picture >= 0 && picture < PictureCount() && cells_[static_cast<size_t>(picture)].thumbnail != nullptr;
}

POINT PictureGrid::CellCentre(int picture) {
  RECT row = GetItemRect(picture / kColumns);
  return POINT{row.left + (picture % kColumns) * kCellSize + kCellSize / 2, (row.top + row.bottom) / 2};
}

int PictureGrid::CalcItemPart(int, int x, int) {
  return std::clamp((x - GetLeft()) / kCellSize, 0, kColumns - 1);
}

void PictureGrid::DrawItem(HDC hdc, int index, const RECT& rcItem) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  for (int column = 0; column < kColumns; ++column) {
    const int picture = PictureAt(index, column);
    if (picture < 0) break;
    DrawCell(cr, cells_[static_cast<size_t>(picture)], rcItem.left + column * kCellSize + kGap, rcItem.top + kGap);
  }
}

void PictureGrid::DrawCell(cairo_t* cr, Cell& cell, double x, double y) {
  if (!cell.tried) {
    cell.tried = true;
    // Decode at twice the cell so the square cut still has detail.
    if (Pixbuf picture = LoadPictureFile(cell.file, 2 * kThumbSide)) cell.thumbnail = SquareSurface(picture.get(), kThumbSide);
  }
  cairo_save(cr);
  if (cell.thumbnail) {
    cairo_set_source_surface(cr, cell.thumbnail.get(), x, y);
    cairo_paint(cr);
  } else {
    // A picture that cannot be shown: a grey cell with a cross.
    cairo_rectangle(cr, x, y, kThumbSide, kThumbSide);
    cairo_set_source_rgb(cr, 0.88, 0.88, 0.88);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, x + 50, y + 50);
    cairo_line_to(cr, x + kThumbSide - 50, y + kThumbSide - 50);
    cairo_move_to(cr, x + kThumbSide - 50, y + 50);
    cairo_line_to(cr, x + 50, y + kThumbSide - 50);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

}  // namespace mediapickers
