#pragma once
// The game's icon for the desktop's menus: a pitch seen from above with a ball
// on its centre spot, drawn at any size, and a PNG writer for it.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace dados {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

// n x n pixels, row by row; transparent around the pitch's rounded corners.
std::vector<Rgba> DesenharIcone(int n);
// Truecolour with alpha, the image data in stored (uncompressed) deflate
// blocks: no compression library needed, and the icons are small.
std::vector<std::uint8_t> GerarPng(int largura, int altura, const std::vector<Rgba>& px);
// <pasta>/<n>x<n>/apps/pitchlord.png for every size the menus ask for.
bool GerarIcones(const std::filesystem::path& pasta, std::string& erro);

} // namespace dados
