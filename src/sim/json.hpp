#pragma once
// A small streaming JSON writer for the --json forms of the commands.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

class Json {
public:
    Json& AbrirObjeto();
    Json& FecharObjeto();
    Json& AbrirLista();
    Json& FecharLista();
    Json& Chave(std::string_view k);
    Json& Texto(std::string_view utf8);
    Json& Numero(std::int64_t v);
    Json& Real(double v);
    Json& Logico(bool v);
    const std::string& Resultado() const { return s_; }

private:
    void Separar();
    std::string s_;
    std::vector<bool> primeiro_;
    bool depoisDaChave_ = false;
};

} // namespace sim
