#pragma once

#include <vector>

#include "artwork.h"
#include "figure.h"

namespace tintara::artgen {

// Every head picture has the same size, so that they line up in the catalogue.
inline constexpr int kHeadWidth = 56;
inline constexpr int kHeadHeight = 64;
inline constexpr double kHeadAxis = (kHeadWidth - 1) / 2.0;

std::vector<Shape> BothSides(std::vector<Shape> shapes);

// A single pixel, or a line of pixels, in one shade over everything else.
void AddDot(Figure& figure, double x, double y, int material, int shade = 0);
void AddLine(Figure& figure, Point from, Point to, int material, int shade = 0);

// Small eyes of a realistic face, eye-slot irises, at the given row and distance from the axis.
// Lashes flick outwards; brows, when given a material, sit two rows above.
void AddSmallEyes(Figure& figure, double row, double spacing, bool lashes, int browMaterial);

// Large stylised eyes: a dark lid, an eye-slot iris filling most of the eye, a pupil and a
// highlight.
void AddLargeEyes(Figure& figure, double row, double spacing, double size);

// Round animal eyes: an eye-slot iris with a pupil and a highlight.
void AddRoundEyes(Figure& figure, double row, double spacing, double radius, bool slit = false);

enum class Neckline { Round, VNeck, High, Cape };

// The neck and the clothed shoulders at the bottom of a head picture.
void AddShoulders(Figure& figure, int clothing, Neckline neckline, double neckHalfWidth = 5);

// A picture of the head size with the usual own colours: red accent, cream second accent.
ArtworkDesign HeadPicture(const char* fileName, Figure figure);

}  // namespace tintara::artgen
