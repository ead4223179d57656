// The saved games on disk: the "sav" folder, the name rules of the name
// dialog, saving, loading and the load dialog's list, description and delete.
#include "persistence/jogosalvo.hpp"

#include "competitions/calendario.hpp"
#include "competitions/torneios.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"
#include "plataforma/datas.hpp"
#include "world/idioma.hpp"

#include <cstring>
#include <string_view>
#include <system_error>
#include <utility>

namespace persistence {

using namespace world;

namespace {

constexpr std::size_t kDescricao = 25;
constexpr int kTextoIlegivel = 357;

// A name from the list or from `arquivo` must stay inside "sav": no folders,
// no way up.
bool NomeSeguro(std::string_view nome) {
    if (nome.empty() || nome == "." || nome == "..") return false;
    for (char c : nome)
        if (c == '/' || c == '\\' || c == '\0') return false;
    return true;
}

std::filesystem::path CaminhoDe(const std::string& arquivo) {
    return plataforma::ResolverEm(PastaSav(), arquivo);
}

std::string Utf8(std::string_view cp1252) {
    return plataforma::Cp1252ParaUtf8(cp1252);
}

// What the load dialog shows for the competition of the next match.
std::string TextoDoTipo(i32 tipo) {
    switch (tipo) {
    case kAmistoso:
        return texto(731);
    case kLiga:
        return texto(326);
    case kCopaNacional:
        return texto(327);
    case kEstadual:
        return "Campeonato estadual";
    case kContinental1:
        return texto(328) + "/" + texto(329);
    case kMundialDeClubes:
        return texto(332);
    case kContinental2:
        return texto(330) + "/" + texto(331);
    case kCopaDoMundo:
        return texto(358);
    case kCopaAmerica:
        return texto(342);
    case kEurocopa:
        return texto(341);
    case kSemEvento: // saved after the last date: the season end comes next
        return "Fim de temporada";
    default:
        return {};
    }
}

} // namespace

std::filesystem::path PastaSav() {
    return plataforma::ResolverEm(plataforma::PastasDoJogo().salvos, "sav");
}

std::string DescricaoComSelecao(std::string_view selecao, std::string_view clube) {
    std::string r(selecao);
    r += " (";
    r += clube;
    r += ")";
    if (r.size() > kDescricao) r.resize(kDescricao);
    return r;
}

void PreencherDescricao(Jogo& jogo) {
    TEstadoJogo& e = jogo.estado;
    e.descrtecnico.set({});
    e.descrtime.set({});
    const i32 c = e.timeatual;
    if (e.numhumanos == 0) {
        // Nobody coaches a club: the game is the coach's who waits for an
        // invitation.
        for (i32 k : e.humanos)
            if (k >= 0 && static_cast<std::size_t>(k) < jogo.tecnicos.size()) {
                e.descrtecnico.set(jogo.tecnicos[k].nome.view());
                e.descrtime.set("Sem clube");
                return;
            }
    }
    if (c < 0 || static_cast<std::size_t>(c) >= jogo.times.size()) return;
    const TTime& t = jogo.times[c];
    if (t.tecnico >= 0 && static_cast<std::size_t>(t.tecnico) < jogo.tecnicos.size())
        e.descrtecnico.set(jogo.tecnicos[t.tecnico].nome.view());
    e.descrtime.set(t.nome.view());
    // On a tournament date the description names the national team the
    // club's coach takes charge of first.
    if (e.tipo < kCopaDoMundo) return;
    for (int h = 0; h < 6; ++h)
        if (e.humanos[h] >= 0 && e.humanos[h] == t.tecnico)
            if (const int s = competitions::SelecaoDoHumano(jogo, h); s >= 0)
                e.descrtime.set(DescricaoComSelecao(jogo.times[s].nome.view(), t.nome.view()));
}

bool salvajogo(Jogo& jogo) {
    const std::string nome = Utf8(jogo.estado.arquivo.view());
    if (!NomeSeguro(nome)) return false;
    PreencherDescricao(jogo);
    std::error_code ec;
    const auto pasta = PastaSav();
    if (!std::filesystem::is_directory(pasta, ec)) {
        std::filesystem::create_directories(pasta, ec);
        if (ec || !std::filesystem::is_directory(pasta, ec)) return false;
    }
    // What an interrupted save left behind goes before the folder fills up.
    plataforma::LimparTemporarios(pasta);
    return GravarJogo(CaminhoDe(nome), jogo);
}

namespace {
// Moves the match archive from one game to the other and back.
void TrocarArquivo(Jogo& a, Jogo& b) {
    std::swap(a.arquivo.jogos, b.arquivo.jogos);
    std::swap(a.arquivo.eventos, b.arquivo.eventos);
}
} // namespace

JogoAntesDoFim::JogoAntesDoFim(Jogo& jogo)
    : jogos_(jogo.arquivo.jogos.size()), eventos_(jogo.arquivo.eventos.size()) {
    Jogo semarquivo;
    TrocarArquivo(jogo, semarquivo);
    copia_ = jogo;
    TrocarArquivo(jogo, semarquivo);
}

bool JogoAntesDoFim::Salvar(Jogo& jogo) {
    if (jogo.arquivo.jogos.size() != jogos_ || jogo.arquivo.eventos.size() != eventos_)
        return false;
    copia_.estado.arquivo = jogo.estado.arquivo;
    TrocarArquivo(jogo, copia_);
    const bool ok = salvajogo(copia_);
    TrocarArquivo(jogo, copia_);
    return ok;
}

std::string ErroAoSalvar() {
    return "Erro ao salvar, verifique se você tem permisão para salvar ou se não existe a pasta "
           "sav";
}

bool carregajogo(Jogo& jogo, const std::string& nome, const Progresso& progresso) {
    if (!NomeSeguro(nome)) return false;
    // Read whatever the file's size: every count in it is checked against
    // the bytes left before anything is allocated.
    if (LerJogo(CaminhoDe(nome), jogo, progresso) != ResultadoCarga::Ok) return false;
    jogo.estado.arquivo.set(plataforma::Utf8ParaCp1252(nome));
    return true;
}

std::string NomeDoArquivo(const std::string& digitado) {
    std::string nome = plataforma::Utf8ParaCp1252(digitado);
    if (nome.empty()) return {};
    // Characters no file name may hold become "_", so the save lands in "sav"
    // under the name shown; the name is cut so that ".s07" always fits.
    for (char& c : nome)
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr("/\\:*?\"<>|", c)) c = '_';
    const std::size_t max = static_cast<std::size_t>(kMaxNomeArquivo) - std::strlen(kExtensao);
    if (nome.size() > max) nome.resize(max);
    return Utf8(nome + kExtensao);
}

bool ArquivoSalvoExiste(const std::string& arquivo) {
    return NomeSeguro(arquivo) && plataforma::ArquivoExiste(CaminhoDe(arquivo));
}

std::vector<std::string> ListarJogosSalvos() {
    std::vector<std::string> r;
    const auto pasta = PastaSav();
    // The folder's first use in a session may follow a save that was cut
    // short: its temporary file (up to a whole save) goes.
    plataforma::LimparTemporarios(pasta);
    // Folders named like a save are not offered: there is nothing to load.
    for (std::string& nome : plataforma::ListarArquivos(pasta, "*.s07"))
        if (plataforma::ArquivoExiste(pasta / nome)) r.push_back(std::move(nome));
    return r;
}

std::optional<DescricaoJogo> DescreverJogoSalvo(const std::string& arquivo) {
    if (!NomeSeguro(arquivo)) return std::nullopt;
    constexpr std::size_t kCabecalho = 4 + sizeof(TEstadoJogo);
    const auto bytes = plataforma::LerArquivo(CaminhoDe(arquivo), kCabecalho);
    if (!bytes || bytes->size() < kCabecalho) return std::nullopt;
    TEstadoJogo e;
    std::memcpy(&e, bytes->data() + 4, sizeof e);
    DescricaoJogo d;
    if (e.marcador != 2007) {
        d.aviso = Utf8(texto(kTextoIlegivel));
        return d;
    }
    if (e.temporada < 1 || e.temporada > kTemporadaMaxima || e.dataatual < 0 ||
        e.dataatual > kDatasPorTemporada)
        return std::nullopt;
    d.valido = true;
    d.tecnico = Utf8(e.descrtecnico.view());
    d.time = Utf8(e.descrtime.view());
    // The calendar is not saved: its days follow from the season. Before the
    // first date the game stands on the first.
    const auto hoje =
        plataforma::DecodificarData(competitions::DiaDaData(e.temporada, e.dataatual));
    d.ano = hoje.ano;
    d.mes = hoje.mes;
    d.dia = hoje.dia;
    d.proximo = Utf8(TextoDoTipo(e.tipo));
    return d;
}

bool ApagarJogoSalvo(const std::string& arquivo) {
    if (!ArquivoSalvoExiste(arquivo)) return false;
    std::error_code ec;
    return std::filesystem::remove(CaminhoDe(arquivo), ec) && !ec;
}

} // namespace persistence
