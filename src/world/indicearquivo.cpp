#include "world/indicearquivo.hpp"

#include "world/arquivojogos.hpp"

#include <algorithm>
#include <cstring>

namespace world {

namespace {

template <class T> std::vector<unsigned char> Bytes(const T& r) {
    const auto* p = reinterpret_cast<const unsigned char*>(&r);
    return {p, p + sizeof r};
}

template <class T> bool Iguais(const T& r, const std::vector<unsigned char>& b) {
    return b.size() == sizeof r && std::memcmp(&r, b.data(), sizeof r) == 0;
}

std::vector<int> Intervalo(std::ptrdiff_t de, std::ptrdiff_t ate) {
    std::vector<int> r;
    for (auto i = de; i < ate; ++i) r.push_back(static_cast<int>(i));
    return r;
}

} // namespace

bool IndiceArquivo::Valido(const Blocos<TJogoArquivado>& jogos,
                           const Blocos<TEvento>& eventos) const {
    if (jogos.size() < jogos_ || eventos.size() < eventos_) return false;
    if (jogos_ > 0 && (&jogos[0] != primeirojogo_ || !Iguais(jogos[jogos_ - 1], ultimojogo_)))
        return false;
    return eventos_ == 0 ||
           (&eventos[0] == primeiroevento_ && Iguais(eventos[eventos_ - 1], ultimoevento_));
}

void IndiceArquivo::Reconstruir(const Blocos<TJogoArquivado>& jogos,
                                const Blocos<TEvento>& eventos) {
    *this = IndiceArquivo{};
    Acompanhar(jogos, eventos);
}

namespace {

// Follows a list from `de` on: while it stays in key order nothing is kept
// (a binary search finds the records); once out of order, a table by key is
// built over the whole list and kept up from then on.
template <class T, class K, class Chave>
void Indexar(const Blocos<T>& lista, std::size_t de, bool& emordem,
             std::map<K, std::vector<int>>& tabela, Chave chave) {
    if (emordem) {
        std::size_t i = std::max<std::size_t>(de, 1);
        while (i < lista.size() && chave(lista[i - 1]) <= chave(lista[i])) ++i;
        if (i >= lista.size()) return;
        emordem = false;
        de = 0;
    }
    for (std::size_t i = de; i < lista.size(); ++i)
        tabela[chave(lista[i])].push_back(static_cast<int>(i));
}

double DataDe(const TJogoArquivado& a) {
    return a.data;
}
i32 JogoDe(const TEvento& e) {
    return e.jogo;
}

} // namespace

void IndiceArquivo::IndexarJogos(const Blocos<TJogoArquivado>& jogos, std::size_t de) {
    Indexar(jogos, de, jogosemordem_, pordata_, DataDe);
}

void IndiceArquivo::IndexarEventos(const Blocos<TEvento>& eventos, std::size_t de) {
    Indexar(eventos, de, eventosemordem_, porjogo_, JogoDe);
}

void IndiceArquivo::Acompanhar(const Blocos<TJogoArquivado>& jogos,
                               const Blocos<TEvento>& eventos) {
    if (!Valido(jogos, eventos)) return Reconstruir(jogos, eventos);
    if (jogos.size() > jogos_) IndexarJogos(jogos, jogos_);
    if (eventos.size() > eventos_) IndexarEventos(eventos, eventos_);
    jogos_ = jogos.size();
    eventos_ = eventos.size();
    primeirojogo_ = jogos_ > 0 ? &jogos[0] : nullptr;
    primeiroevento_ = eventos_ > 0 ? &eventos[0] : nullptr;
    ultimojogo_ = jogos_ > 0 ? Bytes(jogos[jogos_ - 1]) : std::vector<unsigned char>{};
    ultimoevento_ = eventos_ > 0 ? Bytes(eventos[eventos_ - 1]) : std::vector<unsigned char>{};
}

namespace {

// The records whose key is `valor`: by binary search over the first `n`
// records in key order, or from the table kept for a list out of order.
template <class T, class K, class Chave>
std::vector<int> Procurar(const Blocos<T>& lista, std::size_t n, bool emordem,
                          const std::map<K, std::vector<int>>& tabela, K valor, Chave chave) {
    if (!emordem) {
        const auto it = tabela.find(valor);
        return it == tabela.end() ? std::vector<int>{} : it->second;
    }
    const auto fim = lista.begin() + static_cast<std::ptrdiff_t>(n);
    const auto de =
        std::partition_point(lista.begin(), fim, [&](const T& r) { return chave(r) < valor; });
    const auto ate = std::partition_point(de, fim, [&](const T& r) { return chave(r) <= valor; });
    return Intervalo(de - lista.begin(), ate - lista.begin());
}

} // namespace

std::vector<int> IndiceArquivo::DaData(const Blocos<TJogoArquivado>& jogos, double data) const {
    return Procurar(jogos, jogos_, jogosemordem_, pordata_, data, DataDe);
}

std::vector<int> IndiceArquivo::EventosDe(const Blocos<TEvento>& eventos, int entrada) const {
    return Procurar(eventos, eventos_, eventosemordem_, porjogo_, static_cast<i32>(entrada),
                    JogoDe);
}

} // namespace world
