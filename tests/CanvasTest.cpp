// The canvas's PNG, which no plot test decodes: its header must give the image's own width and height (a
// host sizes the picture by it) and say opaque RGB (the plots have no transparency).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TvkBaseGui/CCanvas.h"

namespace {

std::uint32_t BigEndian32(const std::vector<unsigned char>& bytes, std::size_t at) {
    return std::uint32_t{bytes.at(at)} << 24 | std::uint32_t{bytes.at(at + 1)} << 16 |
           std::uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
}

}  // namespace

TEST(Canvas, PngHeaderHasTheSizeAndOpaqueRgbAfterWhatWasThere) {
    CCanvas canvas(7, 3);
    canvas.SetColor(10, 20, 30);
    canvas.Paint();
    std::vector<unsigned char> png = {0xAB};
    ASSERT_TRUE(canvas.AppendPng(png));
    ASSERT_GT(png.size(), 1u + 8 + 8 + 13);
    EXPECT_EQ(png[0], 0xAB);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 9), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(std::string(png.begin() + 13, png.begin() + 17), "IHDR");
    EXPECT_EQ(BigEndian32(png, 17), 7u);
    EXPECT_EQ(BigEndian32(png, 21), 3u);
    EXPECT_EQ(png[25], 8);  // bits per component
    EXPECT_EQ(png[26], 2);  // RGB, no alpha
}

TEST(Canvas, ImageThatCannotBeMadeGivesNoPng) {
    CCanvas canvas(-1, 300);
    canvas.SetColor(255, 255, 255);
    canvas.Paint();
    std::vector<unsigned char> png;
    EXPECT_FALSE(canvas.AppendPng(png));
}
