#pragma once

#include <string>

#include "TvkApi.h"

// A dialog that draws (the probability calculator's plots): the host can save what it shows.
class TVK_API IPictureSource {
public:
    virtual ~IPictureSource() = default;
    // Writes the picture as a PNG file; false when there is none or it cannot be written.
    virtual bool WritePicture(const std::string& pngPath) = 0;
};
