// Renders the SVGs of one or more image folders onto one PNG, each image at
// its own size on a card with its id below, so that the whole set can be
// looked over at once.
//
//   contact_sheet OUT.png SECTION [SECTION ...]
//   SECTION = TITLE=DIR[:FIRST-LAST][@RRGGBB]
//
// A range keeps only those ids; a colour replaces the white card, for images
// that are drawn over a coloured background (white glyphs, say).
#include <cairo.h>
#include <librsvg/rsvg.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kSheetWidth = 1600;
constexpr int kMargin = 24;
constexpr int kGap = 16;
constexpr int kLabelHeight = 22;
constexpr int kHeadingHeight = 44;

struct Image {
  std::string label;
  RsvgHandle* handle = nullptr;
  double width = 0;
  double height = 0;
};

struct Section {
  std::string title;
  std::vector<Image> images;
  double card[3] = {1, 1, 1};
};

struct SectionRequest {
  std::string title;
  fs::path dir;
  long first = 0;
  long last = -1;  // no range
  unsigned card = 0xFFFFFF;
};

bool IsNumber(const std::string& s) {
  return !s.empty() && s.size() < 10 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Parses TITLE=DIR[:FIRST-LAST][@RRGGBB]; false on a malformed argument.
bool ParseSectionArgument(std::string arg, SectionRequest& request) {
  const auto eq = arg.find('=');
  if (eq == std::string::npos) return false;
  request.title = arg.substr(0, eq);
  arg = arg.substr(eq + 1);
  if (const auto at = arg.rfind('@'); at != std::string::npos) {
    const std::string hex = arg.substr(at + 1);
    if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
    request.card = static_cast<unsigned>(std::stoul(hex, nullptr, 16));
    arg = arg.substr(0, at);
  }
  if (const auto colon = arg.rfind(':'); colon != std::string::npos) {
    const std::string range = arg.substr(colon + 1);
    const auto dash = range.find('-');
    if (dash == std::string::npos || !IsNumber(range.substr(0, dash)) || !IsNumber(range.substr(dash + 1))) return false;
    request.first = std::stol(range.substr(0, dash));
    request.last = std::stol(range.substr(dash + 1));
    arg = arg.substr(0, colon);
  }
  request.dir = arg;
  return true;
}

bool LoadSection(const SectionRequest& request, Section& section) {
  section.title = request.title;
  section.card[0] = ((request.card >> 16) & 0xFF) / 255.0;
  section.card[1] = ((request.card >> 8) & 0xFF) / 255.0;
  section.card[2] = (request.card & 0xFF) / 255.0;
  const fs::path& dir = request.dir;
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    if (entry.path().extension() != ".svg") continue;
    const std::string stem = entry.path().stem().string();
    if (request.last >= 0 && (!IsNumber(stem) || std::stol(stem) < request.first || std::stol(stem) > request.last)) continue;
    files.push_back(entry.path());
  }
  if (ec) {
    std::fprintf(stderr, "cannot read %s\n", dir.c_str());
    return false;
  }
  // Ids in numeric order ("99" before "100"); any other names after them.
  const auto key = [](const fs::path& p) {
    const std::string stem = p.stem().string();
    const bool numeric = IsNumber(stem);
    return std::make_tuple(!numeric, numeric ? std::stol(stem) : 0L, stem);
  };
  std::sort(files.begin(), files.end(), [&](const fs::path& a, const fs::path& b) { return key(a) < key(b); });
  for (const fs::path& file : files) {
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(file.c_str(), &error);
    if (!handle) {
      std::fprintf(stderr, "%s: %s\n", file.c_str(), error ? error->message : "unreadable");
      if (error) g_error_free(error);
      return false;
    }
    Image image;
    image.label = file.stem().string();
    image.handle = handle;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &image.width, &image.height)) {
      std::fprintf(stderr, "%s: no pixel size\n", file.c_str());
      return false;
    }
    image.label += "  " + std::to_string(static_cast<int>(image.width)) + "×" +
                   std::to_string(static_cast<int>(image.height));
    section.images.push_back(image);
  }
  return true;
}

void DrawText(cairo_t* cr, const std::string& text, double x, double y, int size, bool bold) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  const std::string font = std::string("WenQuanYi Micro Hei ") + (bold ? "Bold " : "") + std::to_string(size) + "px";
  PangoFontDescription* desc = pango_font_description_from_string(font.c_str());
  pango_layout_set_font_description(layout, desc);
  pango_layout_set_text(layout, text.c_str(), -1);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout);
  pango_font_description_free(desc);
  g_object_unref(layout);
}

// Lays the sections out; draws them when cr is not null. Returns the height.
int Layout(const std::vector<Section>& sections, cairo_t* cr) {
  int y = kMargin;
  for (const Section& section : sections) {
    if (cr) {
      cairo_set_source_rgb(cr, 0.12, 0.16, 0.2);
      DrawText(cr, section.title, kMargin, y, 24, true);
    }
    y += kHeadingHeight;
    int x = kMargin;
    int row_height = 0;
    for (const Image& image : section.images) {
      const int w = std::max(static_cast<int>(image.width), 96);
      const int h = static_cast<int>(image.height) + kLabelHeight;
      if (x + w > kSheetWidth - kMargin && x > kMargin) {
        x = kMargin;
        y += row_height + kGap;
        row_height = 0;
      }
      if (cr) {
        cairo_rectangle(cr, x, y, image.width, image.height);
        cairo_set_source_rgb(cr, section.card[0], section.card[1], section.card[2]);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.82, 0.85, 0.88);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        RsvgRectangle viewport{static_cast<double>(x), static_cast<double>(y), image.width, image.height};
        rsvg_handle_render_document(image.handle, cr, &viewport, nullptr);
        cairo_set_source_rgb(cr, 0.35, 0.4, 0.46);
        DrawText(cr, image.label, x, y + image.height + 3, 13, false);
      }
      x += w + kGap;
      row_height = std::max(row_height, h);
    }
    y += row_height + kGap * 2;
  }
  return y + kMargin;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUT.png TITLE=DIR[:FIRST-LAST][@RRGGBB] ...\n", argv[0]);
    return 2;
  }
  std::vector<Section> sections;
  for (int i = 2; i < argc; ++i) {
    SectionRequest request;
    if (!ParseSectionArgument(argv[i], request)) {
      std::fprintf(stderr, "expected TITLE=DIR[:FIRST-LAST][@RRGGBB], got %s\n", argv[i]);
      return 2;
    }
    Section section;
    if (!LoadSection(request, section)) return 1;
    sections.push_back(std::move(section));
  }

  const int height = Layout(sections, nullptr);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSheetWidth, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.93, 0.94, 0.96);
  cairo_paint(cr);
  Layout(sections, cr);
  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png(surface, argv[1]);
  cairo_surface_destroy(surface);
  for (Section& section : sections) {
    for (Image& image : section.images) g_object_unref(image.handle);
  }
  if (status != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
