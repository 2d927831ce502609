#include "TvkBaseGui/CCanvas.h"

#include <cairo.h>

#include <string>
#include <utility>

struct CCanvas::Impl {
    cairo_surface_t* surface;
    cairo_t* cr;
};

namespace {

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* png = static_cast<std::vector<unsigned char>*>(closure);
    png->insert(png->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// Text is drawn as strokes on a grid four units wide and six high (0 at the top): numbers on axes need
// only digits, a point, signs and an exponent, and strokes bring in no font machinery and its caches.
struct Glyph {
    char c;
    std::vector<std::vector<std::pair<double, double>>> strokes;
};

const std::vector<Glyph>& Glyphs() {
    static const std::vector<Glyph> glyphs = {
        {'0', {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
        {'1', {{{1, 1}, {2, 0}, {2, 6}}, {{1, 6}, {3, 6}}}},
        {'2', {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {0, 6}, {4, 6}}}},
        {'3', {{{0, 0}, {4, 0}, {2, 2.5}, {3, 2.5}, {4, 3.5}, {4, 5}, {3, 6}, {0, 6}}}},
        {'4', {{{3, 6}, {3, 0}, {0, 4}, {4, 4}}}},
        {'5', {{{4, 0}, {0, 0}, {0, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {0, 6}}}},
        {'6', {{{3.5, 0}, {1.5, 0}, {0, 1.5}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}, {0, 3}}}},
        {'7', {{{0, 0}, {4, 0}, {1, 6}}}},
        {'8',
         {{{1, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {1, 3}, {0, 2}, {0, 1}, {1, 0}},
          {{1, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 4}, {1, 3}}}},
        {'9', {{{4, 3}, {1, 3}, {0, 2}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 4.5}, {2.5, 6}, {0.5, 6}}}},
        {'.', {{{1.5, 5.4}, {2.5, 5.4}, {2.5, 6}, {1.5, 6}, {1.5, 5.4}}}},
        {'-', {{{0.5, 3}, {3.5, 3}}}},
        {'+', {{{0.5, 3}, {3.5, 3}}, {{2, 1.5}, {2, 4.5}}}},
        {'e', {{{0, 4}, {4, 4}, {4, 3}, {3, 2}, {1, 2}, {0, 3}, {0, 5}, {1, 6}, {4, 6}}}},
    };
    return glyphs;
}

constexpr double kGlyphScale = 1.5;                // pixels per grid unit
constexpr double kGlyphAdvance = 6 * kGlyphScale;  // from one character to the next

}  // namespace

// Cairo reports a failure (a size it cannot take, no memory) by an object in an error state that
// ignores every call, so nothing here checks until the PNG is asked for.
CCanvas::CCanvas(int width, int height) : m_impl(std::make_unique<Impl>()) {
    m_impl->surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    m_impl->cr = cairo_create(m_impl->surface);
}

CCanvas::~CCanvas() {
    cairo_destroy(m_impl->cr);
    cairo_surface_destroy(m_impl->surface);
}

void CCanvas::SetColor(int red, int green, int blue) {
    cairo_set_source_rgb(m_impl->cr, red / 255.0, green / 255.0, blue / 255.0);
}

void CCanvas::SetLineWidth(double width) {
    cairo_set_line_width(m_impl->cr, width);
}

void CCanvas::SetLineCap(LineCap cap) {
    cairo_set_line_cap(m_impl->cr, cap == LineCap::Round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
}

void CCanvas::SetLineJoin(LineJoin join) {
    cairo_set_line_join(m_impl->cr, join == LineJoin::Round ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
}

void CCanvas::Save() {
    cairo_save(m_impl->cr);
}

void CCanvas::Restore() {
    cairo_restore(m_impl->cr);
}

void CCanvas::MoveTo(double x, double y) {
    cairo_move_to(m_impl->cr, x, y);
}

void CCanvas::LineTo(double x, double y) {
    cairo_line_to(m_impl->cr, x, y);
}

void CCanvas::ClosePath() {
    cairo_close_path(m_impl->cr);
}

void CCanvas::Rectangle(double x, double y, double width, double height) {
    cairo_rectangle(m_impl->cr, x, y, width, height);
}

void CCanvas::Fill() {
    cairo_fill(m_impl->cr);
}

void CCanvas::Stroke() {
    cairo_stroke(m_impl->cr);
}

void CCanvas::Paint() {
    cairo_paint(m_impl->cr);
}

bool CCanvas::AppendPng(std::vector<unsigned char>& png) const {
    return cairo_surface_write_to_png_stream(m_impl->surface, AppendBytes, &png) == CAIRO_STATUS_SUCCESS;
}

double CCanvas::TextWidth(const std::string& text) {
    return text.empty() ? 0 : text.size() * kGlyphAdvance - 2 * kGlyphScale;
}

void CCanvas::Text(double x, double y, const std::string& text) {
    Save();
    SetLineWidth(1.1);
    SetLineCap(LineCap::Round);
    SetLineJoin(LineJoin::Round);
    for (char c : text) {
        for (const Glyph& g : Glyphs())
            if (g.c == c)
                for (const auto& stroke : g.strokes) {
                    MoveTo(x + stroke[0].first * kGlyphScale, y + stroke[0].second * kGlyphScale);
                    for (std::size_t i = 1; i < stroke.size(); ++i)
                        LineTo(x + stroke[i].first * kGlyphScale, y + stroke[i].second * kGlyphScale);
                }
        x += kGlyphAdvance;
    }
    Stroke();
    Restore();
}
