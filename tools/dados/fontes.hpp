#pragma once
// Reading the world's sources: the country table and the name pools.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dados {

struct PaisFonte {
    int codigo = 0;
    int clubes = 0;
    int nivelmin = 0, nivelmax = 0;
    int nivelselecao = -1; // -1: no national-team file
};

struct Nomes {
    std::vector<std::string> nomes, sobrenomes, padroes, estadios;
    std::vector<std::pair<int, std::string>> cidades; // state (-1 when none), town
};

// data/mundo/paises.tsv; columns are found by their header names.
bool LerPaises(const std::filesystem::path& arquivo, std::vector<PaisFonte>& paises,
               std::string& erro);
// data/mundo/nomes/<code>.txt.
bool LerNomes(const std::filesystem::path& arquivo, Nomes& nomes, std::string& erro);

} // namespace dados
