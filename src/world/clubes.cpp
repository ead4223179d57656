#include "world/clubes.hpp"

#include "plataforma/caminhos.hpp"
#include "plataforma/cp1252.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"
#include "world/selecoes.hpp"
#include "world/valores.hpp"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

namespace world {

bool EntradaIndice::Usavel() const {
    return valido != 0 && (versao == 6 || versao == 7) && !nome.empty();
}

int CotaExtras(int posicao) {
    return posicao == 0 ? 14 : posicao <= 10 ? 12 : 10;
}

IndiceTimes contatimes() {
    IndiceTimes indice;
    const auto pasta = plataforma::Resolver("teams");
    for (const std::string& nome : plataforma::ListarArquivos(pasta, "*.b07")) {
        EntradaIndice e;
        e.arquivo = nome;
        // An unreadable entry (a folder, no permission) reads as zeros: unusable.
        if (const auto c = LerCabecalhoTime(pasta / nome)) {
            e.pais = c->pais;
            e.valido = c->valido;
            e.versao = c->versao;
            e.nivel = c->nivel;
            e.nome = c->nome;
        }
        indice.push_back(std::move(e));
    }
    return indice;
}

std::array<int, 203> UsaveisPorPais(const IndiceTimes& indice) {
    std::array<int, 203> n{};
    for (const EntradaIndice& e : indice)
        if (e.Usavel() && e.pais < n.size()) ++n[e.pais];
    return n;
}

std::vector<int> timesdopais(const IndiceTimes& indice, int pais) {
    std::vector<int> r;
    for (std::size_t i = 0; i < indice.size(); ++i)
        if (indice[i].pais == pais && indice[i].Usavel()) r.push_back(static_cast<int>(i));
    return r;
}

int AcrescentarTime(Jogo& jogo, const EntradaIndice& entrada) {
    TTime t = NovoTime();
    t.nome = entrada.nome.view();
    t.pais = entrada.pais;
    jogo.times.push_back(t);
    jogo.arquivostimes.resize(jogo.times.size() - 1);
    jogo.arquivostimes.push_back(entrada.arquivo);
    return static_cast<int>(jogo.times.size()) - 1;
}

void JogadoresPorTime(const Jogo& jogo, std::vector<std::vector<int>>& r) {
    r = jogo.indiceelencos.Todos(jogo);
}

std::vector<std::vector<int>> JogadoresPorTime(const Jogo& jogo) {
    return jogo.indiceelencos.Todos(jogo);
}

std::span<const int> JogadoresDoTime(const Jogo& jogo, int clube) {
    if (!jogo.TimeValido(clube)) return {};
    return jogo.indiceelencos.Todos(jogo)[clube];
}

void ElencosPlanos::Montar(const Jogo& jogo) {
    const auto& porclube = jogo.indiceelencos.Todos(jogo);
    const std::size_t n = porclube.size();
    inicio_.resize(n + 1);
    inicio_[0] = 0;
    for (std::size_t c = 0; c < n; ++c)
        inicio_[c + 1] = inicio_[c] + static_cast<int>(porclube[c].size());
    lista_.resize(static_cast<std::size_t>(inicio_[n]));
    for (std::size_t c = 0; c < n; ++c)
        std::copy(porclube[c].begin(), porclube[c].end(), lista_.begin() + inicio_[c]);
}

int ContarDisponiveis(const Jogo& jogo, const std::vector<int>& jogadores, int tipo, double hoje) {
    if (tipo < 0 || tipo >= kTiposCompeticao) tipo = 0;
    int n = 0;
    for (int i : jogadores) {
        const TJogador& j = jogo.jogadores[i];
        if (j.posicaoatual == kGoleiro) continue;
        if (j.retorno > hoje || j.suspensao[tipo] != 0 || j.cartoes[tipo] >= 3) continue;
        ++n;
    }
    return n;
}

void ContarElenco(Jogo& jogo, int time, const std::vector<int>& jogadores) {
    TTime& t = jogo.times[time];
    t.elenco = static_cast<i32>(jogadores.size());
    for (auto& p : t.porposicao) p = 0;
    for (int i : jogadores) {
        const int p = jogo.jogadores[i].posicaoatual;
        if (p >= 0 && p <= 4) ++t.porposicao[p];
    }
    t.disponiveis = ContarDisponiveis(jogo, jogadores, jogo.estado.tipo, 0.0);
}

int BaseExtra(int nivel) {
    static constexpr int kBase[26] = {0,  7,  7,  7,  7,  7,  12, 12, 12, 12, 12, 15, 17,
                                      19, 22, 25, 27, 30, 35, 37, 40, 45, 50, 55, 60, 65};
    return nivel >= 0 && nivel <= 25 ? kBase[nivel] : 0;
}

namespace {

constexpr InicioDivisao kDivisoes[5] = {
    {{1000, 5000, 100, 0}, {1, 5, 15, 25}, 1'000'000, 700'000},
    {{15000, 60000, 5000, 400}, {10, 15, 25, 80}, 15'000'000, 12'000'000},
    {{10000, 45000, 5000, 300}, {7, 13, 20, 70}, 12'000'000, 10'000'000},
    {{8000, 20000, 2000, 100}, {5, 12, 17, 40}, 10'000'000, 7'000'000},
    {{3500, 10000, 1000, 50}, {3, 10, 15, 30}, 3'000'000, 2'500'000},
};

int DivisaoPeloNivel(int nivel) {
    if (nivel >= 20) return 1;
    if (nivel >= 18) return 2;
    if (nivel >= 12) return 3;
    if (nivel >= 1) return 4;
    return 0;
}

int BaseLiga(const Jogo& jogo, int divisao, int nivel) {
    int b = 0;
    if (jogo.estado.divisoesporliga == 4) {
        if (divisao == 1)
            b = 20;
        else if (divisao == 2)
            b = 15;
        else if (divisao == 3)
            b = 10;
    } else {
        if (divisao == 1)
            b = 20;
        else if (divisao == 2)
            b = 15;
        else if (divisao == 0)
            b = 1;
    }
    return b + nivel;
}

// Step 1: the extra clubs of the countries whose league is not played.
void CarregarExtras(Jogo& jogo) {
    IndiceTimes indice = contatimes();
    std::stable_sort(indice.begin(), indice.end(),
                     [](const EntradaIndice& a, const EntradaIndice& b) {
                         if (a.nivel != b.nivel) return a.nivel > b.nivel;
                         return a.pais < b.pais;
                     });
    const auto pasta = plataforma::Resolver("teams");
    for (int r = 0; r < kPaisesExtras; ++r) {
        const int pais = kPaisesExtrasLista[r];
        auto& linha = jogo.estado.extrasporpais[r];
        linha[0] = 0;
        if (jogo.LigaDoPais(pais) >= 0) continue; // its clubs play their league
        for (const EntradaIndice& e : indice) {
            if (linha[0] >= CotaExtras(r)) break;
            if (e.pais != pais || !e.Usavel()) continue;
            if (!plataforma::ArquivoExiste(plataforma::ResolverEm(pasta, e.arquivo))) continue;
            const int c = AcrescentarTime(jogo, e);
            linha[++linha[0]] = c;
            ++jogo.estado.numtimesextras;
        }
    }
}

// Step 3: what a club takes from its file's header, and its start by division.
void CabecalhoParaTime(Jogo& jogo, int c, const std::optional<ArquivoTime>& arq) {
    TTime& t = jogo.times[c];
    const bool personalizado = jogo.estado.paisprincipal == kPaisInternacional;
    if (arq) {
        const TCabecalhoTime& h = arq->cabecalho;
        // A level past the scale (a damaged or hand-made file) counts as the
        // top one: the market's level windows and the saved game rely on it.
        t.nivel = std::min<int>(h.nivel, kNivelMaximo);
        // A file cut short inside its header keeps the name the setup read.
        if (arq->CabecalhoInteiro() && !h.nome.empty()) t.nome = h.nome.view();
        t.corfundo = h.corfundo;
        t.cortexto = h.cortexto;
        t.escudo = h.escudo.view();
        t.estadio = h.estadio.view();
        t.estado = h.estado;
        t.pais = h.pais;
    }
    if (personalizado) t.pais = kPaisInternacional;
    t.confdiretoria = 100;
    t.conftorcida = 100;
    if (c >= jogo.estado.numtimesligas) t.divisao = DivisaoPeloNivel(t.nivel);
    const InicioDivisao& d = InicioDaDivisao(t.divisao);
    for (int s = 0; s < 4; ++s) {
        t.capacidade[s] = d.capacidade[s];
        t.precos[s] = d.precos[s];
    }
    t.dinheiro = jogo.estado.estaduais ? d.dinheirocomestaduais : d.dinheirosemestaduais;
}

// Step 4: one coach per club plus six spare records.
void CriarTecnicos(Jogo& jogo, const std::vector<std::optional<ArquivoTime>>& arquivos) {
    const int n = static_cast<int>(jogo.times.size());
    jogo.tecnicos.assign(static_cast<std::size_t>(n) + 6, NovoTecnico());
    int sobra = n;
    for (int c = 0; c < n; ++c) {
        TTime& t = jogo.times[c];
        TTecnico& tec = jogo.tecnicos[c];
        const ShortString<25> nomeArquivo =
            arquivos[c] ? arquivos[c]->cabecalho.tecnico : ShortString<25>{};
        tec.nome = nomeArquivo.view();
        tec.pais = t.pais;
        tec.nivel = t.divisao;
        tec.time = c;
        tec.clubes[0][0] = c;
        tec.empregado = 1;
        t.tecnico = c;
        if (!t.humano) continue;
        // The file's coach moves to a spare record; the human takes the club.
        TTecnico& livre = jogo.tecnicos[sobra++];
        livre.nome = nomeArquivo.view();
        livre.pais = t.pais;
        livre.nivel = t.divisao;
        int humano = 0;
        while (humano < 6 && jogo.estado.timeshumanos[humano] != c) ++humano;
        tec.nome = humano < 6 ? std::string_view(jogo.nomeshumanos[humano]) : std::string_view();
        tec.humano = 1;
        tec.novo = 1;
        for (auto& h : jogo.estado.humanos)
            if (h == -1) {
                h = c;
                break;
            }
    }
}

// Step 5: the players of every club's file.
void CriarJogadores(Jogo& jogo, const std::vector<std::optional<ArquivoTime>>& arquivos) {
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        if (!arquivos[c]) continue;
        const TBlocoJogadores& b = arquivos[c]->jogadores;
        for (int k = 0; k < kVagasTime; ++k) {
            if (VagaVazia(b.nomes[k])) continue;
            TJogador j = NovoJogador();
            j.nome = b.nomes[k].view().substr(0, 20);
            j.estrela = b.estrelas[k] ? 1 : 0;
            // A position the game does not know (the file format allows any
            // byte) plays in midfield, the most general of the outfield places.
            j.posicao = j.posicaoatual =
                b.posicoes[k] <= kAtacante ? int{b.posicoes[k]} : int{kMeia};
            j.idade = b.idades[k];
            j.pais = b.paises[k];
            j.titular = b.titulares[k] ? 1 : 0;
            int car[2] = {b.caract1[k], b.caract2[k]};
            for (int& x : car) {
                if (x > 13) x = 0;
                if (j.posicao != kGoleiro && x == 0) x = 4 + jogo.Aleatorio(8);
            }
            j.caract1 = car[0];
            j.caract2 = car[1];
            j.funcao = FuncaoInicial(j.posicao, j.caract1, j.caract2);
            j.time = static_cast<i32>(c);
            j.energia = 100;
            j.moral = 3;
            jogo.jogadores.push_back(j);
        }
    }
}

// Step 6: strength from the club's standing, then value and salary.
void DefinirForcas(Jogo& jogo, const std::vector<std::vector<int>>& porTime) {
    for (std::size_t c = 0; c < jogo.times.size(); ++c) {
        const int b = BaseDeForca(jogo, static_cast<int>(c), jogo.times[c].nivel);
        for (int i : porTime[c]) {
            TJogador& j = jogo.jogadores[i];
            j.forca = ForcaInicial(b, jogo.Aleatorio(kSorteioForca), j.titular == 1, j.estrela);
            world::AvaliarJogador(jogo, j);
        }
    }
}

// The taker is looked for by name first; no name is special in this world.
constexpr std::string_view kCobradoresEspeciais[] = {""};

// Step 7: captain and free-kick taker.
void EscolherCapitaes(Jogo& jogo, const std::vector<std::vector<int>>& porTime) {
    for (std::size_t c = 0; c < jogo.times.size(); ++c)
        EscolherCapitao(jogo, static_cast<int>(c), porTime[c]);
}

} // namespace

int BaseDeForca(const Jogo& jogo, int clube, int nivel) {
    if (clube < jogo.estado.numtimesligas && jogo.TimeValido(clube))
        return BaseLiga(jogo, jogo.times[clube].divisao, nivel);
    return BaseExtra(nivel);
}

int ForcaInicial(int base, int sorteio, bool titular, bool estrela) {
    return base + sorteio + (titular ? 7 : 0) + (estrela ? 7 : 0);
}

void EscolherCapitao(Jogo& jogo, int time, const std::vector<int>& lista) {
    TTime& t = jogo.times[time];
    std::vector<int> titulares;
    for (int i : lista)
        if (jogo.jogadores[i].titular == 1) titulares.push_back(i);
    // A club without regular starters picks from its whole squad instead.
    const std::vector<int>& base = titulares.empty() ? lista : titulares;
    t.capitao = base.empty() ? -1 : base.front();
    t.cobrador = -1;
    for (int i : base)
        for (std::string_view especial : kCobradoresEspeciais)
            if (t.cobrador < 0 && !especial.empty() && jogo.jogadores[i].nome == especial)
                t.cobrador = i;
    for (int car : {9, 4, 11})
        for (int i : base)
            if (t.cobrador < 0 && jogo.jogadores[i].caract1 == car) t.cobrador = i;
    if (t.cobrador < 0 && !base.empty()) t.cobrador = base.front();
}

const InicioDivisao& InicioDaDivisao(int divisao) {
    return kDivisoes[divisao >= 0 && divisao <= 4 ? divisao : 0];
}

void MontarListaDeVendas(Jogo& jogo, const std::vector<std::vector<int>>& porTime) {
    const int n = std::min({static_cast<int>(jogo.estado.numtimesligas),
                            static_cast<int>(jogo.times.size()), static_cast<int>(porTime.size())});
    for (int c = 0; c < n; ++c) {
        const TTime& t = jogo.times[c];
        if (t.humano || porTime[c].size() <= 15) continue;
        int porPosicao[5] = {};
        for (int i : porTime[c]) {
            const int p = jogo.jogadores[i].posicao;
            if (p >= 0 && p <= 4) ++porPosicao[p];
        }
        struct Regra {
            int posicao, minimo;
        };
        static constexpr Regra kRegras[] = {{kGoleiro, 2}, {kLateral, 3}, {kZagueiro, 3},
                                            {kMeia, 5},    {kMeia, 6},    {kAtacante, 3}};
        for (const Regra& r : kRegras) {
            if (porPosicao[r.posicao] <= r.minimo) continue;
            for (int i : porTime[c]) {
                TJogador& j = jogo.jogadores[i];
                if (j.posicao != r.posicao || j.estrela || j.avenda) continue;
                j.avenda = 1;
                j.passepedido = j.passe;
                break;
            }
        }
    }
}

void iniciatimes(Jogo& jogo, const OpcoesCarga& opcoes) {
    if (jogo.estado.paisprincipal != kPaisInternacional) CarregarExtras(jogo);
    const std::size_t n = jogo.times.size();
    jogo.arquivostimes.resize(n);

    const auto pasta = plataforma::Resolver("teams");
    std::vector<std::optional<ArquivoTime>> arquivos(n);
    for (std::size_t c = 0; c < n; ++c)
        if (!jogo.arquivostimes[c].empty())
            arquivos[c] = learquivotime(plataforma::ResolverEm(pasta, jogo.arquivostimes[c]));

    for (std::size_t c = 0; c < n; ++c) CabecalhoParaTime(jogo, static_cast<int>(c), arquivos[c]);
    jogo.precospadrao = {
        {{1, 5, 15, 30}, {10, 15, 25, 80}, {7, 13, 20, 70}, {5, 12, 17, 40}, {3, 10, 15, 30}}};

    CriarTecnicos(jogo, arquivos);
    CriarJogadores(jogo, arquivos);
    const auto porTime = JogadoresPorTime(jogo);
    DefinirForcas(jogo, porTime);
    EscolherCapitaes(jogo, porTime);

    for (TLiga& l : jogo.ligas) l.numtimes = jogo.TimesDoPais(l.pais);
    jogo.financas.assign(n, TFinancas{});
    for (std::size_t c = 0; c < n; ++c) {
        if (static_cast<int>(c) < jogo.PrimeiraSelecao()) {
            i32 total = 0;
            for (int i : porTime[c]) total += jogo.jogadores[i].salario;
            jogo.financas[c].salariosemanal = total;
        }
        ContarElenco(jogo, static_cast<int>(c), porTime[c]);
    }
    MontarListaDeVendas(jogo, porTime);

    const TEstadoJogo& e = jogo.estado;
    if (e.copadomundo || e.eurocopa || e.copaamerica) carregaselecoes(jogo);
    if (e.estaduais && opcoes.formarestaduais) opcoes.formarestaduais(jogo);

    for (std::size_t i = 1; i < jogo.jogadores.size(); ++i) {
        TJogador& j = jogo.jogadores[i];
        if (j.time < 0 || j.time >= jogo.PrimeiraSelecao()) continue;
        THistoricoJogador h = NovoHistorico();
        h.clubes[0][0] = j.time;
        jogo.historicos.push_back(h);
        j.historico = static_cast<i32>(jogo.historicos.size()) - 1;
    }
}

namespace {

// Whether `arquivo` (lower case) is a picture of the folder: the folder is
// listed once and listed again only when the folder
// changes (its time of last change, one look at the disk per badge): a screen
// that shows a thousand badges no longer asks for two files of each.
bool FiguraNaPasta(const std::string& pasta, const std::string& arquivo) {
    struct Listagem {
        std::filesystem::file_time_type quando{};
        std::unordered_set<std::string> nomes;
    };
    static std::mutex trava;
    static std::unordered_map<std::string, Listagem> listadas;
    const std::filesystem::path caminho = plataforma::Resolver(pasta);
    std::error_code ec;
    const auto quando = std::filesystem::last_write_time(caminho, ec);
    std::lock_guard<std::mutex> guarda(trava);
    auto [it, nova] = listadas.try_emplace(caminho.string());
    Listagem& l = it->second;
    if (nova || l.quando != quando) {
        l.quando = quando;
        l.nomes.clear();
        for (std::filesystem::directory_iterator d(caminho, ec), fim; !ec && d != fim;
             d.increment(ec)) {
            if (!d->is_regular_file(ec)) continue;
            std::string nome = d->path().filename().string();
            for (char& c : nome)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            l.nomes.insert(std::move(nome));
        }
    }
    return l.nomes.count(arquivo) > 0;
}

// `pasta` is a folder with a trailing separator, followed by a name prefix
// ("teams\\minilogos\\mini_"); the first extension whose file exists wins.
std::string ProcurarFigura(const std::string& pasta, const std::string& nome,
                           std::initializer_list<const char*> extensoes) {
    if (nome.empty()) return {};
    const std::size_t barra = pasta.find_last_of("\\/");
    const std::string prefixo = pasta.substr(barra + 1);
    for (const char* ext : extensoes) {
        std::string arquivo = prefixo + nome + ext;
        for (char& c : arquivo)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (FiguraNaPasta(pasta.substr(0, barra), arquivo)) return pasta + nome + ext;
    }
    return {};
}

} // namespace

std::string escudotime(const Jogo& jogo, int time) {
    if (time < 0 || time >= static_cast<int>(jogo.times.size())) return {};
    const std::string nome = plataforma::Cp1252ParaUtf8(jogo.times[time].escudo.view());
    const std::string pasta = jogo.EhSelecao(time) ? "teams\\selecoes\\" : "teams\\logos\\";
    return ProcurarFigura(pasta, nome, {".gif", ".bmp"});
}

std::string miniescudotime(const Jogo& jogo, int time) {
    if (time < 0 || time >= static_cast<int>(jogo.times.size())) return {};
    const std::string nome = plataforma::Cp1252ParaUtf8(jogo.times[time].escudo.view());
    return ProcurarFigura("teams\\minilogos\\mini_", nome, {".bmp"});
}

} // namespace world
