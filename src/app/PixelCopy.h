#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// Copies a rectangle of pixels from one image to another unchanged: no
// blending, no scaling, the way the well has always been drawn. Both images
// must have the same 32-bit format; whatever falls outside either image is left out.
void CopyPixels(const QImage& source, QRect from, QImage& target, QPoint to);
