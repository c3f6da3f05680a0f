#pragma once
// Where the pips of a die's face lie: seven places on a 3 x 3 grid, and which of
// them each value uses. The die control and the generated die pictures both
// draw from here.

#include <array>
#include <span>

// A pip place as its column and row on the grid, each 0..2.
struct TPipPlace {
    int Column;
    int Row;
};

inline constexpr std::array<TPipPlace, 7> kPipPlaces{{
    {0, 0}, // top left
    {0, 1}, // middle left
    {0, 2}, // bottom left
    {1, 1}, // centre
    {2, 0}, // top right
    {2, 1}, // middle right
    {2, 2}, // bottom right
}};

namespace DieFaces {
inline constexpr std::array<int, 1> kFace1{3};
inline constexpr std::array<int, 2> kFace2{0, 6};
inline constexpr std::array<int, 3> kFace3{0, 3, 6};
inline constexpr std::array<int, 4> kFace4{0, 2, 4, 6};
inline constexpr std::array<int, 5> kFace5{0, 2, 3, 4, 6};
inline constexpr std::array<int, 6> kFace6{0, 1, 2, 4, 5, 6};
inline constexpr std::array<std::span<const int>, 6> kFaces{kFace1, kFace2, kFace3,
                                                            kFace4, kFace5, kFace6};
} // namespace DieFaces

// The pip places (indexes into kPipPlaces) of value AValue; none outside 1..6.
constexpr std::span<const int> PipPlacesOf(int AValue) {
    if (AValue < 1 || AValue > 6) {
        return {};
    }
    return DieFaces::kFaces[static_cast<std::size_t>(AValue - 1)];
}
