#include "GeneratedScene.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace mediapickers {
namespace {

const SceneStyle kStyles[] = {
    // Noon over green hills.
    {{0.25, 0.55, 0.92}, {0.70, 0.86, 0.98}, {1.00, 0.93, 0.55}, {0.42, 0.62, 0.52}, {0.22, 0.52, 0.25}, 0.78, false},
    // Dusk.
    {{0.32, 0.18, 0.45}, {0.98, 0.60, 0.35}, {1.00, 0.78, 0.40}, {0.45, 0.28, 0.40}, {0.22, 0.14, 0.22}, 0.22, false},
    // Dawn over blue mountains.
    {{0.55, 0.70, 0.90}, {0.99, 0.85, 0.75}, {1.00, 0.90, 0.70}, {0.55, 0.62, 0.78}, {0.30, 0.40, 0.58}, 0.12, false},
    // Night with a moon.
    {{0.03, 0.05, 0.16}, {0.12, 0.18, 0.38}, {0.95, 0.95, 0.88}, {0.14, 0.18, 0.30}, {0.06, 0.09, 0.16}, 0.70, true},
    // Autumn afternoon.
    {{0.35, 0.60, 0.85}, {0.85, 0.90, 0.95}, {1.00, 0.95, 0.70}, {0.80, 0.55, 0.25}, {0.62, 0.30, 0.12}, 0.55, false},
    // Winter.
    {{0.62, 0.72, 0.82}, {0.92, 0.94, 0.97}, {1.00, 1.00, 0.92}, {0.85, 0.88, 0.92}, {0.70, 0.76, 0.84}, 0.35, false},
};

void SetColour(cairo_t* cr, const double (&c)[3], double shade = 1.0) {
  cairo_set_source_rgb(cr, c[0] * shade, c[1] * shade, c[2] * shade);
}

// A range of hills along a sum of two waves, filled down to the bottom.
void DrawHills(cairo_t* cr, double w, double h, double base, double amplitude, double waves, double shift,
               const double (&colour)[3]) {
  cairo_move_to(cr, 0, h);
  for (int i = 0; i <= 48; ++i) {
    double x = w * i / 48.0;
    double t = (x / w) * waves * 2 * M_PI + shift;
    cairo_line_to(cr, x, h * base - h * amplitude * (0.6 * std::sin(t) + 0.4 * std::sin(2.3 * t + 1.0)));
  }
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  SetColour(cr, colour);
  cairo_fill(cr);
}

void DrawCloud(cairo_t* cr, double x, double y, double size) {
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  const double puffs[][3] = {{0, 0, 0.5}, {0.45, -0.2, 0.55}, {0.9, 0, 0.45}, {0.45, 0.15, 0.5}};
  for (const auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + p[0] * size, y + p[1] * size, p[2] * size, 0, 2 * M_PI);
  }
  cairo_fill(cr);
}

}  // namespace

int SceneStyleCount() { return static_cast<int>(std::size(kStyles)); }

SceneStyle SceneStyleAt(int index) {
  int n = SceneStyleCount();
  return kStyles[((index % n) + n) % n];
}

void DrawScene(cairo_t* cr, double w, double h, const SceneStyle& s, double phase) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);

  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h * 0.7);
  cairo_pattern_add_color_stop_rgb(sky, 0, s.skyTop[0], s.skyTop[1], s.skyTop[2]);
  cairo_pattern_add_color_stop_rgb(sky, 1, s.skyBottom[0], s.skyBottom[1], s.skyBottom[2]);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);

  if (s.stars) {
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    for (int i = 0; i < 40; ++i) {
      // A fixed scatter: the same picture every time.
      double x = std::fmod(i * 97.31, 1.0 * 100) / 100.0 * w;
      double y = std::fmod(i * 53.17, 1.0 * 100) / 100.0 * h * 0.45;
      cairo_rectangle(cr, x, y, std::max(1.0, w / 320), std::max(1.0, w / 320));
    }
    cairo_fill(cr);
  }

  const double sunX = w * 0.72, sunY = h * (0.62 - 0.5 * s.sunHeight), sunR = std::min(w, h) * 0.08;
  cairo_pattern_t* glow = cairo_pattern_create_radial(sunX, sunY, sunR * 0.5, sunX, sunY, sunR * 3);
  cairo_pattern_add_color_stop_rgba(glow, 0, s.sun[0], s.sun[1], s.sun[2], 0.5);
  cairo_pattern_add_color_stop_rgba(glow, 1, s.sun[0], s.sun[1], s.sun[2], 0);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  cairo_arc(cr, sunX, sunY, sunR, 0, 2 * M_PI);
  SetColour(cr, s.sun);
  cairo_fill(cr);

  // Clouds drift right and come back in from the left.
  for (int i = 0; i < 3; ++i) {
    double span = w * 1.4;
    double x = std::fmod(w * (0.1 + 0.37 * i) + phase * w * (0.02 + 0.01 * i), span) - w * 0.2;
    DrawCloud(cr, x, h * (0.12 + 0.09 * i), std::min(w, h) * (0.07 + 0.02 * i));
  }

  DrawHills(cr, w, h, 0.62, 0.08, 1.3, 0.4, s.farHills);
  DrawHills(cr, w, h, 0.72, 0.06, 2.1, 2.0, s.nearHills);

  // A lake mirroring the sky's lower colour.
  cairo_pattern_t* lake = cairo_pattern_create_linear(0, h * 0.8, 0, h);
  cairo_pattern_add_color_stop_rgb(lake, 0, s.skyBottom[0] * 0.8, s.skyBottom[1] * 0.85, s.skyBottom[2] * 0.9);
  cairo_pattern_add_color_stop_rgb(lake, 1, s.skyTop[0] * 0.7, s.skyTop[1] * 0.7, s.skyTop[2] * 0.75);
  cairo_set_source(cr, lake);
  cairo_rectangle(cr, 0, h * 0.82, w, h * 0.18);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace mediapickers
