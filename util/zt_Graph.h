// Pictures as plain pixel data, Windows bitmap files, and fitting a picture into a box.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "util/Colour.h"

// A 24-bit picture held as one Colour (COLORREF layout, high byte 0) per pixel, rows top-down.
// Windows code turns it into an HBITMAP at the edge; portable code draws and tests it directly.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;

    Picture() = default;
    Picture(int w, int h, Colour fill = 0);

    bool Empty() const { return width <= 0 || height <= 0; }
    Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    void Set(int x, int y, Colour c) { pixels[static_cast<std::size_t>(y * width + x)] = c; }
    void Fill(Colour c);
    void FillRect(int left, int top, int right, int bottom,
                  Colour c);  // clipped, right/bottom exclusive
    bool operator==(const Picture&) const = default;
};

// Decodes a Windows bitmap (BITMAPINFOHEADER or later; 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed or with bit fields; bottom-up or top-down). Anything else, truncated or
// implausibly large data gives nothing.
std::optional<Picture> DecodeBitmap(std::span<const std::uint8_t> data);
// Encodes as an uncompressed 24-bit bottom-up Windows bitmap.
std::vector<std::uint8_t> EncodeBitmap(const Picture& picture);

// Nothing for a file above 16 MiB, without reading it.
std::optional<Picture> ReadBitmapFile(const std::filesystem::path& path);
bool WriteBitmapFile(const std::filesystem::path& path, const Picture& picture);

// Places the source unscaled on a box of the given size filled with the background colour:
// centred (a larger source is cut to its middle) or at the top left.
Picture FitBitmap(const Picture& source, int boxWidth, int boxHeight, bool centre,
                  Colour background);
