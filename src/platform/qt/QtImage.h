#pragma once
#include <QImage>

#include "platform/IndexedImage.h"

// The palette picture as an RGB image (painting that is faster than painting indexed).
QImage ToQImage(const IndexedImage& image);
// The same, for a palette given apart from the picture.
QImage ToQImage(const IndexedImage& image, const Palette& palette);
