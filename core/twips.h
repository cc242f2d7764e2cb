#pragma once

class QWidget;

// Twips (1/1440 inch) are the unit of every window and control geometry. Pixels here are logical
// pixels: the factor comes from the logical DPI, so a scaled screen keeps the same layout.

// Twips per pixel at a logical DPI, rounded: 15 at 96 DPI.
[[nodiscard]] int TwipsPerPixelAt(double logicalDpi);

// Twips per pixel of the primary screen (15 when there is none).
[[nodiscard]] int TwipsPerPixel();

// Twips to pixels divides by the factor, dropping the remainder towards zero.
[[nodiscard]] int TwipsToPixels(int twips);
[[nodiscard]] int PixelsToTwips(int pixels);

// Places a control at its designed place and size in twips of its container.
void SetTwipsGeometry(QWidget *control, int left, int top, int width, int height);
