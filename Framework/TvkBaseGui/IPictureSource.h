#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "TvkApi.h"

// A dialog that draws (the probability calculator's plots): the host can save what it shows.
class TVK_API IPictureSource {
public:
    virtual ~IPictureSource() = default;
    // Writes the picture as a PNG file; false when there is none or it cannot be written.
    virtual bool WritePicture(const std::string& pngPath) {
        std::vector<unsigned char> png;
        if (!PicturePng(png))
            return false;
        std::FILE* file = std::fopen(pngPath.c_str(), "wb");
        if (!file)
            return false;
        const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
        return std::fclose(file) == 0 && written;
    }
    // The same picture as PNG bytes in memory; false when there is none.
    virtual bool PicturePng(std::vector<unsigned char>& png) = 0;
    // Its size in pixels (width, height), the same before anything is drawn.
    virtual std::pair<int, int> PictureSize() const = 0;
};
