#pragma once

#include <QImage>

#include <cstddef>
#include <vector>

namespace cardphoto {

// Progressive, Huffman-optimised baseline-compatible JPEG of an RGB image.
std::vector<unsigned char> encodeProgressiveJpeg(const QImage& image, int quality);

// Picks the quality whose file lands closest to `targetBytes`, searching
// qualities `lowest`..`highest`. Returns the encoded bytes; `chosenQuality`
// receives the quality used.
std::vector<unsigned char> encodeNearSize(const QImage& image, std::size_t targetBytes, int lowest, int highest,
                                          int& chosenQuality);

}  // namespace cardphoto
