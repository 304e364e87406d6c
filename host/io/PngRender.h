// Pictures of a document, drawn with cairo: the art of every layer on the artboard, as a PNG file
// or as pixels. Paths and compound paths with their fill rule, fills and strokes of every colour
// kind (patterns as a flat middle gray), linear and radial gradients with their matrices and
// stops (a midpoint other than 50 % as one extra stop), clipping groups, opacity, and gradient
// meshes as Coons patches with their node colours. Text, placed images and the other kinds of
// art are not drawn, nor blending modes.
#pragma once

#include "io/Artwork.h"
#include "io/ScreenColour.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scribera::io {

struct PngOptions {
    // The part of the document drawn, in document units (vertical axis up); an empty rectangle
    // stands for the artboard, 0 … width across and 0 … height up, as the SVG export draws it.
    SBRealRect area{0, 0, 0, 0};
    // Pixels per document unit; 0 for 1, raised until the larger side has `minimumSide` pixels.
    double pixelsPerUnit = 0;
    int minimumSide = 512;
    Rgb background{1, 1, 1};
    bool transparent = false;  // no background at all
};

// One pixel, not premultiplied.
struct Pixel {
    uint8_t red = 0, green = 0, blue = 0, alpha = 0;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<Pixel> pixels;  // row by row from the top of the picture
    Pixel At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The size in pixels a document of `width` × `height` gets, and the pixels per unit used.
bool PictureSize(double width, double height, const PngOptions& options, int* pixelsWide, int* pixelsHigh,
                 double* pixelsPerUnit, std::string* error);

// False with what is wrong (a picture too large, cairo missing or failing).
bool RenderArtwork(const Artwork& artwork, double width, double height, const PngOptions& options, Picture* out,
                   std::string* error);

// False with "FILE: what is wrong".
bool WriteArtworkPng(const Artwork& artwork, double width, double height, const PngOptions& options,
                     const std::string& path, std::string* error);

// The whole document on its artboard.
bool WritePng(const Document& doc, const PngOptions& options, const std::string& path, std::string* error);

}  // namespace scribera::io
