#include "TvkBaseGui/CCanvas.h"

#include <cairo.h>

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
