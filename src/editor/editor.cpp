#include "editor/editor.hpp"

#include "editor/interno.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"
#include "world/idioma.hpp"
#include "world/selecoes.hpp"

#include <algorithm>
#include <system_error>

namespace editor {

namespace fs = std::filesystem;
using namespace world;

namespace {

bool TerminaCom(std::string_view s, std::string_view fim) {
    return s.size() >= fim.size() &&
           plataforma::IguaisSemCaixa(s.substr(s.size() - fim.size()), fim);
}

bool EmBranco(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Characters no file name of the data folder may hold, on any system the
// game's files travel to.
bool NomeDeArquivoValido(std::string_view nome) {
    if (nome == "." || nome == ".." || nome.front() == ' ' || nome.back() == ' ' ||
        nome.back() == '.')
        return false;
    return std::none_of(nome.begin(), nome.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 ||
               std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    });
}

// The file name as the user typed it, less a ".b07" he may have added.
std::string SemExtensao(std::string nome) {
    if (TerminaCom(nome, ".b07")) nome.resize(nome.size() - 4);
    return nome;
}

bool MesmoArquivo(const fs::path& a, const fs::path& b) {
    if (a == b) return true;
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

Resultado Gravou(bool ok, const fs::path& caminho) {
    if (ok) return {};
    return {Falha::Gravacao, caminho.string()};
}

// Where a new national team goes: <pais>.s05, unless that file holds another
// country's team (named by hand), which must not be overwritten.
fs::path CaminhoNovaSelecao(const Editor& ed, int pais) {
    const std::string base = "teams\\selecoes\\" + std::to_string(pais);
    for (int n = 1;; ++n) {
        const fs::path p =
            plataforma::Resolver(n == 1 ? base + ".s05" : base + "_" + std::to_string(n) + ".s05");
        std::error_code ec;
        if (!fs::exists(p, ec)) return p;
        const bool deOutro =
            std::any_of(ed.selecoes.begin(), ed.selecoes.end(), [&](const auto& s) {
                return s && s->registro.pais != pais && MesmoArquivo(s->caminho, p);
            });
        if (!deOutro) return p;
    }
}

// An installed game's teams/ is not the player's to change: before the first
// change it is copied into his folder, and the files the editor holds follow.
void PrepararGravacao(Editor& ed) {
    const auto mudanca = plataforma::CopiarEquipesDoUsuario();
    if (!mudanca) return;
    auto seguir = [&](fs::path& caminho) {
        const fs::path resto = caminho.lexically_relative(mudanca->de);
        if (!resto.empty() && *resto.begin() != "..") caminho = mudanca->para / resto;
    };
    for (ClubeEditor& c : ed.clubes) seguir(c.caminho);
    for (auto& s : ed.selecoes)
        if (s) seguir(s->caminho);
}

void CriarPastaDe(const fs::path& caminho) {
    std::error_code ec;
    fs::create_directories(caminho.parent_path(), ec); // a failure shows on writing
}

} // namespace

std::vector<std::string> ArquivosDeClubes() {
    return plataforma::ListarArquivos(plataforma::Resolver("teams"), "*.b07");
}

Editor CarregarEditor(const std::function<void(int, int)>& progresso) {
    Editor ed;
    const fs::path pasta = plataforma::Resolver("teams");
    const std::vector<std::string> nomes = ArquivosDeClubes();
    const int total = static_cast<int>(nomes.size());
    ed.clubes.reserve(nomes.size());
    for (int i = 0; i < total; ++i) {
        const std::string& nome = nomes[static_cast<std::size_t>(i)];
        if (auto a = learquivotime(pasta / nome)) {
            // The header names the file it is read from, whatever it said.
            Atribuir(a->cabecalho.arquivo,
                     plataforma::Utf8ParaCp1252(nome.substr(0, nome.size() - 4)));
            ed.clubes.push_back({*a, pasta / nome});
        }
        if (progresso) progresso(i + 1, total);
    }
    const fs::path selecoes = plataforma::Resolver("teams\\selecoes");
    for (const std::string& nome : plataforma::ListarArquivos(selecoes, "*.s05")) {
        auto s = LerArquivoSelecao(selecoes / nome);
        // A later file of the same country replaces an earlier one.
        if (s && s->pais >= 0 && s->pais < kNumPaises) ed.selecoes[s->pais] = {*s, selecoes / nome};
    }
    return ed;
}

bool Existe(const Editor& ed, Equipe e) {
    if (e.selecao) return TemSelecao(ed, e.indice);
    return e.indice >= 0 && e.indice < static_cast<int>(ed.clubes.size());
}

bool TemSelecao(const Editor& ed, int pais) {
    return pais >= 0 && pais < kNumPaises && ed.selecoes[pais] &&
           !ed.selecoes[pais]->registro.tecnico.empty();
}

bool Incompleta(const Editor& ed, Equipe e) {
    if (!Existe(ed, e)) return false;
    if (e.selecao) {
        const TSelecao& s = ed.selecoes[e.indice]->registro;
        return s.completo == 0 || !SelecaoCompleta(s);
    }
    const ArquivoTime& a = ed.clubes[static_cast<std::size_t>(e.indice)].arquivo;
    return a.cabecalho.valido == 0 || !TimeCompleto(a.jogadores);
}

std::string Mensagem(const Resultado& r) {
    auto cp = [](std::string_view utf8) { return plataforma::Utf8ParaCp1252(utf8); };
    switch (r.falha) {
    case Falha::Nenhuma:
        return {};
    case Falha::NomeCompleto:
        return "Enter full name";
    case Falha::NomeCurto:
        return "Enter short name";
    case Falha::Tecnico:
        return "Enter coach name";
    case Falha::Estadio:
        return "Enter stadium name";
    case Falha::NomeArquivo:
        return "Enter file name";
    case Falha::ArquivoInvalido:
        return cp("O nome do arquivo não pode ter os caracteres \\ / : * ? \" < > |, nem começar "
                  "ou terminar com espaço ou ponto.");
    case Falha::ArquivoExiste:
        return texto(718);
    case Falha::SelecaoExiste:
        return "That NT already exists, you can only edit it";
    case Falha::NomeJogador:
        return "Enter player name";
    case Falha::TimeCheio:
        return cp("Você já tem 25 jogadores no time");
    case Falha::SemVaga:
        return cp("Não há vaga livre neste time.");
    case Falha::SemSelecao:
        return cp("O país deste jogador não tem seleção.");
    case Falha::ContadorCheio:
        return cp("Esta seleção já recebeu o máximo de jogadores.");
    case Falha::JaNaSelecao:
        return cp("Este jogador já está na seleção.");
    case Falha::EquipeInvalida:
        return cp("Time não encontrado.");
    case Falha::Gravacao:
        return cp("Não foi possível gravar o arquivo \"" + r.arquivo +
                  "\". A alteração continua no editor, mas não está no arquivo.");
    case Falha::Exclusao:
        return cp("Não foi possível apagar o arquivo \"" + r.arquivo + "\".");
    }
    return {};
}

// --- clubs -----------------------------------------------------------------

DadosClube DadosDoClube(const Editor& ed, int clube) {
    DadosClube d;
    if (clube < 0 || clube >= static_cast<int>(ed.clubes.size())) return d;
    const TCabecalhoTime& c = ed.clubes[static_cast<std::size_t>(clube)].arquivo.cabecalho;
    d.nomecompleto = c.nomecompleto.str();
    d.nome = c.nome.str();
    d.tecnico = c.tecnico.str();
    d.estadio = c.estadio.str();
    d.arquivo = c.arquivo.str();
    d.escudo = c.escudo.str();
    d.pais = c.pais;
    d.nivel = c.nivel;
    d.corfundo = c.corfundo;
    d.cortexto = c.cortexto;
    d.estado = c.estado;
    return d;
}

Falha ValidarClube(const DadosClube& d, bool novo) {
    if (EmBranco(d.nomecompleto)) return Falha::NomeCompleto;
    if (EmBranco(d.nome)) return Falha::NomeCurto;
    if (EmBranco(d.tecnico)) return Falha::Tecnico;
    if (EmBranco(d.estadio)) return Falha::Estadio;
    if (novo) {
        const std::string arquivo = SemExtensao(d.arquivo);
        if (EmBranco(arquivo)) return Falha::NomeArquivo;
        if (!NomeDeArquivoValido(arquivo)) return Falha::ArquivoInvalido;
    }
    return Falha::Nenhuma;
}

namespace {

void CopiarCabecalho(TCabecalhoTime& c, const DadosClube& d) {
    Atribuir(c.nomecompleto, d.nomecompleto);
    Atribuir(c.nome, d.nome);
    Atribuir(c.tecnico, d.tecnico);
    Atribuir(c.estadio, d.estadio);
    Atribuir(c.escudo, d.escudo);
    AtribuirNumero(c.pais, d.pais, 0, kNumPaises - 1);
    AtribuirNumero(c.nivel, d.nivel, 0, kNivelMaximo);
    c.corfundo = d.corfundo;
    c.cortexto = d.cortexto;
}

} // namespace

Resultado AdicionarClube(Editor& ed, const DadosClube& d, int* indice) {
    if (const Falha f = ValidarClube(d, true); f != Falha::Nenhuma) return {f, {}};
    PrepararGravacao(ed);
    const std::string arquivo = SemExtensao(d.arquivo).substr(0, 25);
    const std::string nomeUtf8 = plataforma::Cp1252ParaUtf8(arquivo);
    const fs::path caminho = plataforma::Resolver("teams\\" + nomeUtf8 + ".b07");
    std::error_code ec;
    const bool existe =
        fs::exists(caminho, ec) ||
        std::any_of(ed.clubes.begin(), ed.clubes.end(), [&](const ClubeEditor& c) {
            return plataforma::IguaisSemCaixa(c.caminho.filename().string(), nomeUtf8 + ".b07");
        });
    if (existe) return {Falha::ArquivoExiste, {}};

    ArquivoTime a = NovoArquivoTime();
    CopiarCabecalho(a.cabecalho, d);
    a.cabecalho.arquivo = arquivo;
    a.cabecalho.estado = 0;
    a.bytes = static_cast<std::uint32_t>(kTamanhoArquivoTime);
    ed.clubes.push_back({a, caminho});
    const int i = static_cast<int>(ed.clubes.size()) - 1;
    if (indice) *indice = i;
    CriarPastaDe(caminho);
    return SalvarClube(ed, i);
}

Resultado EditarClube(Editor& ed, int clube, const DadosClube& d) {
    if (!Existe(ed, Equipe::Clube(clube))) return {Falha::EquipeInvalida, {}};
    if (const Falha f = ValidarClube(d, false); f != Falha::Nenhuma) return {f, {}};
    TCabecalhoTime& c = ed.clubes[static_cast<std::size_t>(clube)].arquivo.cabecalho;
    CopiarCabecalho(c, d);
    AtribuirNumero(c.estado, d.estado, 0, kEstados - 1);
    return SalvarClube(ed, clube);
}

Resultado ApagarClube(Editor& ed, int clube) {
    if (!Existe(ed, Equipe::Clube(clube))) return {Falha::EquipeInvalida, {}};
    PrepararGravacao(ed);
    const fs::path caminho = ed.clubes[static_cast<std::size_t>(clube)].caminho;
    std::error_code ec;
    fs::remove(caminho, ec);
    // A file that was never written (or is gone already) is no reason to keep
    // the row; one that is still there is.
    if (fs::exists(caminho, ec)) return {Falha::Exclusao, caminho.string()};
    ed.clubes.erase(ed.clubes.begin() + clube);
    return {};
}

Resultado SalvarClube(Editor& ed, int clube) {
    if (!Existe(ed, Equipe::Clube(clube))) return {Falha::EquipeInvalida, {}};
    PrepararGravacao(ed);
    ClubeEditor& c = ed.clubes[static_cast<std::size_t>(clube)];
    const bool ok = SalvarTimeEm(c.arquivo, c.caminho);
    if (ok) c.arquivo.bytes = static_cast<std::uint32_t>(kTamanhoArquivoTime);
    return Gravou(ok, c.caminho);
}

std::vector<std::uint8_t> BytesDoClube(const Editor& ed, int clube) {
    if (!Existe(ed, Equipe::Clube(clube))) return {};
    ArquivoTime a = ed.clubes[static_cast<std::size_t>(clube)].arquivo;
    PrepararParaSalvar(a);
    return BytesArquivoTime(a.cabecalho, a.jogadores);
}

// --- national teams ----------------------------------------------------------

DadosSelecao DadosDaSelecao(const Editor& ed, int pais) {
    DadosSelecao d;
    d.pais = pais;
    if (!TemSelecao(ed, pais)) return d;
    const TSelecao& s = ed.selecoes[pais]->registro;
    d.tecnico = s.tecnico.str();
    d.escudo = s.escudo.str();
    d.nivel = s.nivel;
    d.corfundo = s.corfundo;
    d.cortexto = s.cortexto;
    return d;
}

namespace {

void CopiarSelecao(TSelecao& s, const DadosSelecao& d) {
    // The coach's slot is wider than the 30 characters the form gives him;
    // a longer name written by another tool is kept while it is not retyped.
    if (s.tecnico.view() != d.tecnico) s.tecnico.set(std::string_view(d.tecnico).substr(0, 30));
    Atribuir(s.escudo, d.escudo);
    AtribuirNumero(s.nivel, d.nivel, 1, kNivelMaximo);
    s.corfundo = d.corfundo;
    s.cortexto = d.cortexto;
}

} // namespace

Resultado AdicionarSelecao(Editor& ed, const DadosSelecao& d) {
    if (d.pais < 0 || d.pais >= kNumPaises) return {Falha::EquipeInvalida, {}};
    if (EmBranco(d.tecnico)) return {Falha::Tecnico, {}};
    if (TemSelecao(ed, d.pais)) return {Falha::SelecaoExiste, {}};
    PrepararGravacao(ed);
    auto& slot = ed.selecoes[d.pais];
    // A file of this country without a coach holds no team: it is filled in
    // and written where it is.
    if (!slot) slot = SelecaoEditor{NovaSelecao(d.pais), CaminhoNovaSelecao(ed, d.pais)};
    TSelecao& s = slot->registro;
    s.pais = d.pais;
    CopiarSelecao(s, d);
    s.numjogadores = 0;
    CriarPastaDe(slot->caminho);
    return SalvarSelecao(ed, d.pais);
}

Resultado EditarSelecao(Editor& ed, int pais, const DadosSelecao& d) {
    if (!TemSelecao(ed, pais)) return {Falha::EquipeInvalida, {}};
    if (EmBranco(d.tecnico)) return {Falha::Tecnico, {}};
    CopiarSelecao(ed.selecoes[pais]->registro, d);
    return SalvarSelecao(ed, pais);
}

Resultado SalvarSelecao(Editor& ed, int pais) {
    if (pais < 0 || pais >= kNumPaises || !ed.selecoes[pais]) return {Falha::EquipeInvalida, {}};
    PrepararGravacao(ed);
    SelecaoEditor& s = *ed.selecoes[pais];
    return Gravou(SalvarSelecaoEm(s.registro, s.caminho), s.caminho);
}

std::vector<std::uint8_t> BytesDaSelecao(const Editor& ed, int pais) {
    if (pais < 0 || pais >= kNumPaises || !ed.selecoes[pais]) return {};
    TSelecao s = ed.selecoes[pais]->registro;
    PrepararParaSalvar(s);
    return BytesArquivoSelecao(s);
}

} // namespace editor
