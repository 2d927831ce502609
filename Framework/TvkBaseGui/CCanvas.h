#pragma once

#include <memory>
#include <string>
#include <vector>

#include "TvkApi.h"

// An opaque RGB image that a dialog draws on and hands over as PNG, so that no module needs a graphics
// library of its own. Coordinates are pixels from the top left corner. A path is built with MoveTo,
// LineTo, ClosePath and Rectangle, and Fill or Stroke draws it with the current colour and empties it.
// Save and Restore keep and bring back the colour and the line settings; the path is no part of them, so
// a path begun before a Save is still there, and stroked with the settings in force, after it.
class TVK_API CCanvas {
public:
    enum class LineCap { Butt, Round };
    enum class LineJoin { Miter, Round };

    // Black until painted; lines 2 pixels wide with butt caps and mitred joins.
    CCanvas(int width, int height);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    // Components from 0 to 255.
    void SetColor(int red, int green, int blue);
    void SetLineWidth(double width);
    void SetLineCap(LineCap cap);
    void SetLineJoin(LineJoin join);
    void Save();
    void Restore();

    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void ClosePath();
    void Rectangle(double x, double y, double width, double height);
    void Fill();
    void Stroke();
    // Covers the whole image with the current colour.
    void Paint();

    // Draws `text` (digits, '.', '-', '+' and 'e'; other characters leave their place blank) with its top
    // left corner at (x, y), in thin round strokes. The path begun before is stroked with it, in those
    // lines. Characters are 9 pixels apart and 9 high.
    void Text(double x, double y, const std::string& text);
    static double TextWidth(const std::string& text);
    static constexpr double kTextHeight = 9;

    // Appends the image as PNG; false when it cannot be encoded (out of memory, or a size the image could
    // not be made with).
    bool AppendPng(std::vector<unsigned char>& png) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
