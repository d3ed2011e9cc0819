#pragma once
// Positions and sizes given in twips, on a screen of 15 twips to the pixel.

namespace quelvo {

inline constexpr int kTwipsPorPixel = 15;

// To the nearest pixel, the same way either side of zero (15 is odd, so no
// whole number of twips lies half-way).
constexpr int Px(int twips) {
    constexpr int mitad = kTwipsPorPixel / 2;
    return twips >= 0 ? (twips + mitad) / kTwipsPorPixel : -((mitad - twips) / kTwipsPorPixel);
}

constexpr int Twips(int pixeles) { return pixeles * kTwipsPorPixel; }

}  // namespace quelvo
