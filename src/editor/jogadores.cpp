// The players of the editor's teams: the form's add, edit and delete, the
// transfer between clubs and the copy of a club player into his national team.
#include "editor/editor.hpp"
#include "editor/interno.hpp"

#include <algorithm>

namespace editor {

using namespace world;

namespace {

TBlocoJogadores& Bloco(Editor& ed, int clube) {
    return ed.clubes[static_cast<std::size_t>(clube)].arquivo.jogadores;
}
const TBlocoJogadores& Bloco(const Editor& ed, int clube) {
    return ed.clubes[static_cast<std::size_t>(clube)].arquivo.jogadores;
}
TSelecao& Registro(Editor& ed, int pais) {
    return ed.selecoes[pais]->registro;
}
const TSelecao& Registro(const Editor& ed, int pais) {
    return ed.selecoes[pais]->registro;
}

int Vagas(Equipe e) {
    return e.selecao ? kVagasSelecao : kVagasTime;
}

const ShortString<35>& Nome(const Editor& ed, Equipe e, int vaga) {
    return e.selecao ? Registro(ed, e.indice).nomes[vaga] : Bloco(ed, e.indice).nomes[vaga];
}

// The first slot that holds nobody: the placeholder or an empty name.
int VagaLivre(const Editor& ed, Equipe e) {
    for (int k = 0; k < Vagas(e); ++k)
        if (VagaVazia(Nome(ed, e, k))) return k;
    return -1;
}

Resultado Salvar(Editor& ed, Equipe e) {
    return e.selecao ? SalvarSelecao(ed, e.indice) : SalvarClube(ed, e.indice);
}

// Writes the form's values into a slot; a value that did not change keeps its
// bytes (an odd star byte, an age outside the form's range).
void Escrever(Editor& ed, Equipe e, int k, const DadosJogador& d) {
    if (e.selecao) {
        TSelecao& s = Registro(ed, e.indice);
        Atribuir(s.nomes[k], d.nome);
        AtribuirNumero(s.posicoes[k], d.posicao, 0, 4);
        AtribuirNumero(s.idades[k], d.idade, 0, 255);
        AtribuirNumero(s.caract1s[k], d.caract1, 0, 13);
        AtribuirNumero(s.caract2s[k], d.caract2, 0, 13);
        if ((s.estrelas[k] != 0) != d.estrela) s.estrelas[k] = d.estrela ? 1 : 0;
    } else {
        TBlocoJogadores& b = Bloco(ed, e.indice);
        Atribuir(b.nomes[k], d.nome);
        AtribuirNumero(b.posicoes[k], d.posicao, 0, 4);
        AtribuirNumero(b.paises[k], d.pais, 0, kNumPaises - 1);
        AtribuirNumero(b.idades[k], d.idade, 0, 255);
        AtribuirNumero(b.caract1[k], d.caract1, 0, 13);
        AtribuirNumero(b.caract2[k], d.caract2, 0, 13);
        if ((b.estrelas[k] != 0) != d.estrela) b.estrelas[k] = d.estrela ? 1 : 0;
    }
}

void Titular(Editor& ed, Equipe e, int k, bool titular) {
    if (e.selecao)
        Registro(ed, e.indice).titulares[k] = titular ? 1 : 0;
    else
        Bloco(ed, e.indice).titulares[k] = titular ? 1 : 0;
}

// The slot holds the placeholder and nothing else, as in a new team.
void Esvaziar(Editor& ed, Equipe e, int k) {
    if (e.selecao) {
        TSelecao& s = Registro(ed, e.indice);
        s.nomes[k].set(kNomeVazio);
        s.idades[k] = s.posicoes[k] = s.titulares[k] = s.caract1s[k] = s.caract2s[k] = 0;
        s.estrelas[k] = 0;
    } else {
        TBlocoJogadores& b = Bloco(ed, e.indice);
        b.nomes[k].set(kNomeVazio);
        b.estrelas[k] = b.paises[k] = b.idades[k] = b.posicoes[k] = b.titulares[k] = 0;
        b.caract1[k] = b.caract2[k] = 0;
    }
}

bool EmBranco(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace

bool VagaOcupada(const Editor& ed, Equipe e, int vaga) {
    return Existe(ed, e) && vaga >= 0 && vaga < Vagas(e) && !VagaVazia(Nome(ed, e, vaga));
}

DadosJogador DadosDoJogador(const Editor& ed, Equipe e, int vaga) {
    DadosJogador d;
    if (!Existe(ed, e) || vaga < 0 || vaga >= Vagas(e)) return d;
    if (e.selecao) {
        const TSelecao& s = Registro(ed, e.indice);
        d.nome = s.nomes[vaga].str();
        d.posicao = s.posicoes[vaga];
        d.pais = s.pais;
        d.idade = s.idades[vaga];
        d.estrela = s.estrelas[vaga] != 0;
        d.caract1 = s.caract1s[vaga];
        d.caract2 = s.caract2s[vaga];
        d.titular = s.titulares[vaga] != 0;
    } else {
        const TBlocoJogadores& b = Bloco(ed, e.indice);
        d.nome = b.nomes[vaga].str();
        d.posicao = b.posicoes[vaga];
        d.pais = b.paises[vaga];
        d.idade = b.idades[vaga];
        d.estrela = b.estrelas[vaga] != 0;
        d.caract1 = b.caract1[vaga];
        d.caract2 = b.caract2[vaga];
        d.titular = b.titulares[vaga] != 0;
    }
    return d;
}

std::vector<LinhaJogador> JogadoresDe(const Editor& ed, Equipe e) {
    std::vector<LinhaJogador> r;
    if (!Existe(ed, e)) return r;
    for (int k = 0; k < Vagas(e); ++k) {
        if (VagaVazia(Nome(ed, e, k))) continue;
        const DadosJogador d = DadosDoJogador(ed, e, k);
        r.push_back({k, d, d.titular});
    }
    auto grupo = [](const LinhaJogador& l) {
        return l.dados.posicao >= 0 && l.dados.posicao <= 4 ? l.dados.posicao : 5;
    };
    std::stable_sort(r.begin(), r.end(), [&](const LinhaJogador& a, const LinhaJogador& b) {
        return grupo(a) < grupo(b);
    });
    return r;
}

int ContarJogadores(const Editor& ed, Equipe e) {
    if (!Existe(ed, e)) return 0;
    int n = 0;
    for (int k = 0; k < Vagas(e); ++k) n += VagaVazia(Nome(ed, e, k)) ? 0 : 1;
    return n;
}

int ContarTitulares(const Editor& ed, Equipe e) {
    int n = 0;
    for (const LinhaJogador& l : JogadoresDe(ed, e)) n += l.titular ? 1 : 0;
    return n;
}

std::vector<int> CaracteristicasDaPosicao(int posicao) {
    std::vector<int> r;
    const int primeira = posicao == 0 ? 0 : 4, ultima = posicao == 0 ? 3 : 13;
    for (int c = primeira; c <= ultima; ++c) r.push_back(c);
    return r;
}

bool PodeAdicionar(const Editor& ed, Equipe e) {
    return Existe(ed, e) && ContarJogadores(ed, e) < kLimiteJogadores && VagaLivre(ed, e) >= 0;
}

bool PodeReceber(const Editor& ed, int clube) {
    return PodeAdicionar(ed, Equipe::Clube(clube));
}

Resultado AdicionarJogador(Editor& ed, Equipe e, const DadosJogador& d, int* vaga) {
    if (!Existe(ed, e)) return {Falha::EquipeInvalida, {}};
    if (EmBranco(d.nome)) return {Falha::NomeJogador, {}};
    if (ContarJogadores(ed, e) >= kLimiteJogadores) return {Falha::TimeCheio, {}};
    const int k = VagaLivre(ed, e);
    if (k < 0) return {Falha::SemVaga, {}};
    Esvaziar(ed, e, k);
    Escrever(ed, e, k, d);
    Titular(ed, e, k, d.titular);
    if (e.selecao) ++Registro(ed, e.indice).numjogadores;
    if (vaga) *vaga = k;
    return Salvar(ed, e);
}

Resultado EditarJogador(Editor& ed, Equipe e, int vaga, const DadosJogador& d) {
    if (!VagaOcupada(ed, e, vaga)) return {Falha::EquipeInvalida, {}};
    if (EmBranco(d.nome)) return {Falha::NomeJogador, {}};
    // An odd starter byte is kept while the flag it means stays.
    if (DadosDoJogador(ed, e, vaga).titular != d.titular) Titular(ed, e, vaga, d.titular);
    Escrever(ed, e, vaga, d);
    return Salvar(ed, e);
}

Resultado ApagarJogador(Editor& ed, Equipe e, int vaga) {
    if (!VagaOcupada(ed, e, vaga)) return {Falha::EquipeInvalida, {}};
    Esvaziar(ed, e, vaga);
    if (e.selecao) {
        i32& n = Registro(ed, e.indice).numjogadores;
        if (n > 0) --n;
    }
    return Salvar(ed, e);
}

Resultado TransferirJogador(Editor& ed, int origem, int vaga, int destino) {
    const Equipe de = Equipe::Clube(origem), para = Equipe::Clube(destino);
    if (!VagaOcupada(ed, de, vaga) || !Existe(ed, para) || origem == destino)
        return {Falha::EquipeInvalida, {}};
    if (ContarJogadores(ed, para) >= kLimiteJogadores) return {Falha::TimeCheio, {}};
    const int k = VagaLivre(ed, para);
    if (k < 0) return {Falha::SemVaga, {}};
    Esvaziar(ed, para, k);
    Escrever(ed, para, k, DadosDoJogador(ed, de, vaga));
    Titular(ed, para, k, false);
    Esvaziar(ed, de, vaga);
    // The source is written only once the target holds him: a failed write
    // leaves him in the source file rather than in neither.
    if (Resultado r = SalvarClube(ed, destino); !r.Ok()) return r;
    return SalvarClube(ed, origem);
}

Resultado CopiarParaSelecao(Editor& ed, int clube, int vaga) {
    const Equipe de = Equipe::Clube(clube);
    if (!VagaOcupada(ed, de, vaga)) return {Falha::EquipeInvalida, {}};
    const DadosJogador d = DadosDoJogador(ed, de, vaga);
    if (!TemSelecao(ed, d.pais)) return {Falha::SemSelecao, {}};
    const Equipe para = Equipe::Selecao(d.pais);
    TSelecao& s = Registro(ed, d.pais);
    if (s.numjogadores > kLimiteContador) return {Falha::ContadorCheio, {}};
    for (int k = 0; k < kVagasSelecao; ++k)
        if (!VagaVazia(s.nomes[k]) && s.nomes[k].view() == d.nome) return {Falha::JaNaSelecao, {}};
    const int k = VagaLivre(ed, para);
    if (k < 0) return {Falha::SemVaga, {}};
    Esvaziar(ed, para, k);
    Escrever(ed, para, k, d);
    Titular(ed, para, k, false);
    ++s.numjogadores;
    return Salvar(ed, para);
}

} // namespace editor
