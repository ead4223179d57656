#pragma once
// The four match sounds, synthesised: 16-bit mono PCM WAV at 22 050 Hz.
#include <cstdint>
#include <string>
#include <vector>

namespace dados {

struct Som {
    std::string nome; // file name in sons/
    std::vector<std::uint8_t> wav;
};

// gol1.wav (a cheer), fimjogo.wav (three whistles), penalty.wav (one long
// whistle), contusao.wav (a low falling groan). Same bytes on every run.
std::vector<Som> GerarSons();

std::vector<std::uint8_t> Wav(const std::vector<std::int16_t>& amostras, int taxa);

} // namespace dados
