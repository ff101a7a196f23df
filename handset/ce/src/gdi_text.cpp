// Text through Pango: DrawTextW and text extents, with a cache of laid-out
// text so that repainting unchanged text skips shaping and line breaking.
#include <unordered_map>

#include "gdi_internal.h"

using namespace ce::gdi;

namespace {

// One Pango context and layout cache per thread (the UI draws on one thread).
class LayoutCache {
 public:
  LayoutCache() {
    context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
  }
  ~LayoutCache() {
    Clear();
    g_object_unref(context_);
  }

  // The layout of `text` in `font`; width < 0 means unbounded. The cache
  // owns the layout.
  PangoLayout* Get(Font* font, const std::string& text, int width, bool wrap, bool ellipsis,
                   PangoAlignment align = PANGO_ALIGN_LEFT) {
    std::string key = font->key;
    key += '|';
    key += std::to_string(wrap || ellipsis ? width : -1);
    key += wrap ? static_cast<char>('0' + align) : ellipsis ? 'e' : 's';
    key += text;
    auto it = layouts_.find(key);
    if (it != layouts_.end()) return it->second;
    if (layouts_.size() >= kCapacity) Clear();

    PangoLayout* layout = pango_layout_new(context_);
    pango_layout_set_font_description(layout, font->desc);
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
    if (wrap) {
      pango_layout_set_width(layout, width * PANGO_SCALE);
      pango_layout_set_alignment(layout, align);
      pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    } else {
      pango_layout_set_single_paragraph_mode(layout, TRUE);
      if (ellipsis && width >= 0) {
        pango_layout_set_width(layout, width * PANGO_SCALE);
        pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
      }
    }
    layouts_.emplace(std::move(key), layout);
    return layout;
  }

 private:
  static constexpr size_t kCapacity = 4096;

  void Clear() {
    for (auto& [k, layout] : layouts_) g_object_unref(layout);
    layouts_.clear();
  }

  PangoContext* context_;
  std::unordered_map<std::string, PangoLayout*> layouts_;
};

LayoutCache& Cache() {
  thread_local LayoutCache cache;
  return cache;
}

}  // namespace

int DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format) {
  Dc* dc = FindDc(hdc);
  if (!dc || !text || !rect) return 0;
  Font* font = DcFont(dc);
  if (!font) return 0;
  std::string utf8 = ToUtf8(text, count);

  const bool single = format & DT_SINGLELINE;
  const bool wrap = !single && (format & DT_WORDBREAK);
  const bool ellipsis = single && (format & DT_END_ELLIPSIS);
  const int width = rect->right - rect->left;
  const int height = rect->bottom - rect->top;
  PangoAlignment align = (format & DT_CENTER)  ? PANGO_ALIGN_CENTER
                         : (format & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                               : PANGO_ALIGN_LEFT;
  PangoLayout* layout = Cache().Get(font, utf8, width < 0 ? 0 : width, wrap, ellipsis, align);

  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  const int textW = logical.width;
  const int textH = utf8.empty() ? 0 : logical.height;

  if (format & DT_CALCRECT) {
    if (!wrap || textW > width) rect->right = rect->left + textW;
    rect->bottom = rect->top + textH;
    return textH;
  }

  int x = rect->left;
  if (!wrap) {
    if (format & DT_CENTER)
      x += (width - textW) / 2;
    else if (format & DT_RIGHT)
      x += width - textW;
  }
  int y = rect->top;
  if (single && (format & DT_VCENTER))
    y += (height - textH) / 2;
  else if (single && (format & DT_BOTTOM))
    y += height - textH;

  cairo_t* cr = dc->cr;
  cairo_save(cr);
  if (!(format & DT_NOCLIP)) {
    cairo_rectangle(cr, rect->left, rect->top, width, height);
    cairo_clip(cr);
  }
  if (dc->bkMode == OPAQUE && textH > 0) {
    SetSourceColor(cr, dc->bkColor);
    cairo_rectangle(cr, wrap ? rect->left : x, y, wrap ? width : textW, textH);
    cairo_fill(cr);
  }
  SetSourceColor(cr, dc->textColor);
  // A wrapped layout has the rectangle's width and aligns each line within
  // it itself; a single line is placed by x, so Pango's offset is taken out.
  cairo_move_to(cr, wrap ? x : x - logical.x, y);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
  return (y - rect->top) + textH;
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, LPSIZE size) {
  Dc* dc = FindDc(hdc);
  if (!dc || !text || !size || count < 0) return FALSE;
  Font* font = DcFont(dc);
  if (!font) return FALSE;
  PangoLayout* layout = Cache().Get(font, ToUtf8(text, count), -1, false, false);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  size->cx = logical.width;
  size->cy = logical.height;
  return TRUE;
}
