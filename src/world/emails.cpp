// The mailbox: the message catalogue, posting, and what the mailbox screen
// and the main screen's news line read.
#include "world/emails.hpp"

#include "plataforma/cp1252.hpp"
#include "world/idioma.hpp"
#include "world/valores.hpp"

#include <array>
#include <cstring>

namespace world {

using namespace world;

namespace {

// One catalogue entry: a language text, or a text of the game's own (kept
// here in UTF-8 and handed out in Windows-1252, like everything else).
struct Entrada {
    int numero = 0;                // s1/numero; 0 = built in
    const char* proprio = nullptr; // nullptr with numero 0: empty entry
};

constexpr Entrada L(int n) {
    return {n, nullptr};
}
constexpr Entrada P(const char* t) {
    return {0, t};
}
constexpr Entrada kVazio{};

constexpr const char* kContratacao =
    "A imprensa acaba de divulgar mais esta sensacional contratação que acaba de ocorrer nesta "
    "semana.";

// Entries 1..73; [0] is never used.
constexpr std::array<Entrada, kEntradasCatalogo + 1> kCatalogo = {{
    kVazio,
    L(625), // 1
    L(594), // 2
    L(595),
    L(596),
    L(597),
    L(598),
    L(599),
    L(600),
    L(601),
    L(602), // 3..10
    L(599),
    L(603),
    L(604),
    L(605),
    L(603),
    L(604),
    L(605), // 11..17
    P("Você acha que é quem cara? Eu nem tive culpa e você vem multando do meu salário? Poxa "
      "assim fica complicado jogar neste time."), // 18
    P("Não gostei de você ter me multado. Se continuar assim o clima neste time vai ficar "
      "ruim."), // 19
    P("Não pode ficar me multando. Por acaso quando o time perde a diretoria te multa? Então, a "
      "culpa foi do tribunal por ter me dados vários jogos de suspensão."), // 20
    P("A culpa pela suspensão não foi minha. Não merecia esta multa. Vou aceitar só desta "
      "vez."), // 21
    P(kContratacao),
    P(kContratacao), // 22, 23
    P("O jogador foi apresentado hoje ao novo clube, é mais um reforço importante para a "
      "disputa do campeonato."), // 24
    L(606),
    L(613),
    L(606),
    L(607),
    L(616),
    L(608),
    L(615),
    L(617),
    L(621),
    L(613), // 25..34
    L(620),
    L(612),
    L(610),
    L(618),
    L(619),
    L(622),
    L(623),
    L(611),
    L(612),
    L(618), // 35..44
    L(629), // 45
    L(626),
    L(627),
    L(628), // 46..48
    kVazio,
    kVazio, // 49, 50
    P("O jogador foi mal recebido por parte dos outros jogadores, parece que há um racha no "
      "elenco. Talvez o problema seja o excesso de estrelas no time."), // 51
    P("A recente contratação causou uma divisão no elenco. Era de se esperar que isso "
      "ocorre-se pelo grande número de estrelas juntos."), // 52
    P("Eu não venho jogando há muito tempo no time, isto está me deixando infeliz. Gostaria de "
      "ser negociado ou começar a participar dos jogos do time."), // 53
    P("Eu não venho sendo aproveitado no time, não quero continuar a esquentar o banco. "
      "Gostaria de ser escalado nas próximas partidas."), // 54
    P("Estou sem contrato há vários jogos, esta situação me deixa inseguro no clube. Gostaria "
      "que meu contrato fosse renovado como uma nova oferta salarial ou que eu fosse "
      "negociado."), // 55
    P("Gostaria que meu contrato fosse renovado com um novo salário, pois esta situação "
      "indefinida me deixa inseguro para continuar no clube. "), // 56
    P("Uma briga durante os treinamentos entre estes dois jogadores tulmutuou o elenco. "
      "Esperamos que daqui pra frente as coisas acalmem."), // 57
    P("Os dois jogadores partiram para a briga depois de uma dividida no treino. A diretoria "
      "exige que as coisas se acalmem no clube."), // 58
    P("A fase do time não anda nada bem, e os torcedores resolveram tumultuar o centro de "
      "treinamento do time, o resultado é que o jogador acabou brigando fisicamente com membros "
      "da torcida organizada."), // 59
    P("Na chega do time ao centro de treinamento o jogador foi hostilizado pela torcida e "
      "acabou sendo agredido."),                                                    // 60
    P("Os torcedores receberam os jogadores com violência na entrada do CT hoje."), // 61
    P("Estou sendo submetido à um esforço excessivo. Esta situação está me deixando descontente "
      "com a sua comissão técnica. Gostaria de ser poupado por 1 ou mais jogos."), // 62
    P("Eu não sou burro de carga! Você está me escalando sem eu ter condições físicas ideais, "
      "este excesso de jogos está me deixando descontente. Gostaria de ser poupado por 1 ou "
      "mais jogos."), // 63
    kVazio,
    kVazio,
    kVazio, // 64..66
    L(639),
    L(639), // 67, 68
    L(640), // 69
    L(641), // 70
    L(850), // 71
    L(849), // 72
    L(625), // 73
}};

// The subject of category c is s1/(2100 + c).
constexpr int kAssuntos = 2100;
constexpr int kCategorias = 18;
// The two lines a sale adds to its text.
constexpr int kTextoComprador = 2120;
constexpr int kTextoPreco = 2121;
// What ends an injury's text: "Ele ficará fora por" n "semanas".
constexpr int kTextoSemanasFora = 2122;
constexpr int kTextoSemanas = 2301;
constexpr int kCategoriaContusao = 4;

bool EmailValido(const Jogo& jogo, int i) {
    return i >= 0 && i < static_cast<int>(jogo.emails.size());
}

std::string NomeDoJogador(const Jogo& jogo, int j) {
    if (j <= 0 || j >= static_cast<int>(jogo.jogadores.size())) return {};
    return std::string(jogo.jogadores[j].nome.view());
}

std::string NomeDoClube(const Jogo& jogo, int c) {
    return jogo.TimeValido(c) ? std::string(jogo.times[c].nome.view()) : std::string();
}

// Pieces joined by a space, the empty ones left out.
std::string Juntar(std::initializer_list<std::string> partes, const char* separador = " ") {
    std::string r;
    for (const std::string& p : partes) {
        if (p.empty()) continue;
        if (!r.empty()) r += separador;
        r += p;
    }
    return r;
}

// What a message is made of, before it is dated and stored.
struct Modelo {
    int texto = 0;
    int remetente = 1;
    int categoria = 1;
    bool pergunta = false;
};

// The injury text by weeks out; 11 to 14 weeks have none.
int TextoDaContusao(Jogo& jogo, int semanas) {
    if (semanas == 2) return 25 + jogo.Aleatorio(3);
    if (semanas == 3) return 28 + jogo.Aleatorio(2);
    if (semanas == 4) return 30 + jogo.Aleatorio(2);
    if (semanas <= 6) return 32 + jogo.Aleatorio(4);
    if (semanas == 7) return 36 + jogo.Aleatorio(2);
    if (semanas <= 10) return 38 + jogo.Aleatorio(4);
    if (semanas >= 15) return 42 + jogo.Aleatorio(4);
    return 0;
}

// The message of a type and subtype, its text drawn now; false for a pair the
// game does not know. Draws only for pairs that post.
bool MontarModelo(Jogo& jogo, int tipo, int subtipo, int jogador, Modelo& m) {
    switch (tipo) {
    case kEmailBoasVindas:
        if (subtipo != 0 && subtipo != 1) return false;
        m = {subtipo == 0 ? 73 : 1, 1, 1};
        return true;
    case kEmailSuspensao: {
        int texto = 0;
        switch (subtipo) {
        case 2:
            texto = 12 + jogo.Aleatorio(6);
            break;
        case 3:
            texto = 7 + jogo.Aleatorio(5);
            break;
        case 5:
            texto = 4 + jogo.Aleatorio(2);
            break;
        case 10:
            texto = 2;
            break;
        default:
            return false;
        }
        m = {texto, 1, 2, true};
        return true;
    }
    case kEmailJogador:
        if (subtipo == 1) {
            m = {67, 3, 10};
            return true;
        }
        if (subtipo == 6) {
            m = {62 + jogo.Aleatorio(2), 3, 11};
            return true;
        }
        return false;
    case kEmailContusao:
        if (subtipo < 2 || subtipo > 20) return false;
        m = {TextoDaContusao(jogo, subtipo), 5, 4};
        return true;
    case kEmailGoleada: {
        if (subtipo != 0) return false;
        const int texto = 46 + jogo.Aleatorio(3);
        m = {texto, 2, 5 + jogo.Aleatorio(3)};
        return true;
    }
    case kEmailNoticia:
        if (subtipo == 0) {
            m = {22 + jogo.Aleatorio(3), 4, 8};
            return true;
        }
        if (subtipo == 1) {
            m = {70, 1, 16};
            return true;
        }
        return false;
    case kEmailRacha:
        if (subtipo != 0) return false;
        m = {51 + jogo.Aleatorio(2), 1, 9};
        return true;
    case kEmailVenda:
        if (subtipo != 0 || jogador == 0) return false;
        m = {69, 1, 15};
        return true;
    case kEmailContrato:
        if (subtipo != 0 && subtipo != 1) return false;
        m = {subtipo == 0 ? 71 : 72, 1, subtipo == 0 ? 17 : 18};
        return true;
    default:
        return false;
    }
}

} // namespace

int PostarEmail(Jogo& jogo, int clube, int tipo, int subtipo, i32 valor, int outro, int jogador) {
    // Only the clubs of human coaches have a mailbox; national teams of a
    // tournament are cut away afterwards, so they have none either.
    if (!jogo.TimeValido(clube) || !jogo.times[clube].humano || jogo.EhSelecao(clube)) return -1;
    Modelo m;
    if (!MontarModelo(jogo, tipo, subtipo, jogador, m)) return -1;
    TEmail e{};
    e.clube = clube;
    DefinirDataDoEmail(e, jogo.Hoje());
    e.texto = m.texto;
    e.remetente = m.remetente;
    e.categoria = m.categoria;
    e.jogador = jogador;
    e.outroclube = outro;
    e.valor = valor;
    // An injury has no amount: its field keeps the weeks out for the text.
    if (tipo == kEmailContusao) e.valor = subtipo;
    e.pergunta = m.pergunta ? 1 : 0;
    jogo.emails.push_back(e);
    return static_cast<int>(jogo.emails.size()) - 1;
}

double DataDoEmail(const TEmail& e) {
    double d;
    std::memcpy(&d, e.data, sizeof d);
    return d;
}

void DefinirDataDoEmail(TEmail& e, double data) {
    std::memcpy(e.data, &data, sizeof data);
}

std::string TextoDoEmail(int texto) {
    if (texto < 1 || texto > kEntradasCatalogo) return {};
    const Entrada& c = kCatalogo[texto];
    if (c.numero > 0) return world::texto(c.numero);
    if (!c.proprio) return {};
    // Converted once: the built-in texts do not change with the language.
    static std::array<std::string, kEntradasCatalogo + 1> convertidos;
    std::string& t = convertidos[texto];
    if (t.empty()) t = plataforma::Utf8ParaCp1252(c.proprio);
    return t;
}

std::string RemetenteDoEmail(const TEmail& e) {
    if (e.remetente < 1 || e.remetente > 5) return {};
    return world::texto(588 + e.remetente);
}

std::string AssuntoDoEmail(const Jogo& jogo, const TEmail& e) {
    if (e.categoria < 1 || e.categoria > kCategorias) return {};
    const std::string assunto = world::texto(kAssuntos + e.categoria);
    const std::string jogador = NomeDoJogador(jogo, e.jogador);
    switch (e.categoria) {
    case 1:
        return Juntar({assunto, NomeDoClube(jogo, e.clube)});
    case 2:
    case 4:
        return Juntar({jogador, assunto});
    case 8:
        return Juntar({jogador, assunto, NomeDoClube(jogo, e.outroclube)});
    case 13: // a fight: the second player is in `outroclube`
        return Juntar({assunto, Juntar({jogador, NomeDoJogador(jogo, e.outroclube)}, ", ")});
    case 15:
        return Juntar({assunto, Juntar({jogador, NomeDoClube(jogo, e.outroclube)}, " - ")});
    case 17:
    case 18:
        return Juntar({assunto, jogador});
    default:
        return assunto;
    }
}

std::string CorpoDoEmail(const Jogo& jogo, const TEmail& e) {
    std::string corpo = TextoDoEmail(e.texto);
    if (e.texto == 69) { // a sale: who bought and for how much
        corpo += "\n\n" + world::texto(kTextoComprador) + " " + NomeDoClube(jogo, e.outroclube) +
                 "\n" + world::texto(kTextoPreco) + " $" +
                 FormatarDinheiro(e.valor, kEspacoInseparavel);
    }
    // An injury: for how long (mail of older games has no weeks kept).
    if (e.categoria == kCategoriaContusao && e.valor > 0)
        corpo = Juntar({corpo, world::texto(kTextoSemanasFora), std::to_string(e.valor),
                        world::texto(kTextoSemanas) + "."});
    return corpo;
}

std::vector<int> EmailsDoClube(const Jogo& jogo, int clube) {
    std::vector<int> r;
    for (int i = static_cast<int>(jogo.emails.size()) - 1; i >= 0; --i)
        if (jogo.emails[i].clube == clube) r.push_back(i);
    return r;
}

int EmailsNaoLidos(const Jogo& jogo, int clube) {
    int n = 0;
    for (const TEmail& e : jogo.emails)
        if (e.clube == clube && !e.lido) ++n;
    return n;
}

std::string TextoNoticias(const Jogo& jogo, int clube) {
    const int n = EmailsNaoLidos(jogo, clube);
    if (n == 0) return world::texto(77);
    return std::to_string(n) + " " + world::texto(78);
}

std::string PerguntaDoEmail(const TEmail& e) {
    if (!e.pergunta) return {};
    static const std::string multa =
        plataforma::Utf8ParaCp1252("Deseja multar o jogador em 30% do salário?");
    return multa;
}

void MarcarEmailLido(Jogo& jogo, int indice) {
    if (EmailValido(jogo, indice)) jogo.emails[indice].lido = 1;
}

void ResponderEmail(Jogo& jogo, int indice, bool /*sim*/) {
    if (!EmailValido(jogo, indice)) return;
    jogo.emails[indice].pergunta = 0;
    jogo.emails[indice].lido = 1;
}

void AvisarGoleada(Jogo& jogo, int mandante, int visitante, int golsmandante, int golsvisitante) {
    if (golsvisitante - golsmandante >= 4) PostarEmail(jogo, mandante, kEmailGoleada, 0);
    if (golsmandante - golsvisitante >= 5) PostarEmail(jogo, visitante, kEmailGoleada, 0);
}

bool AnunciarCopaDoMundo(Jogo& jogo, int clube) {
    const TEstadoJogo& e = jogo.estado;
    if (!e.copadomundo || e.temporada % 4 != 0) return false;
    if (e.contadores.turnoliga != 1 || e.contadores.rodadaliga != 5) return false;
    // The counter stays on matchday 5 over the cup dates in between and the
    // screen is refreshed many times a date: once a season is enough.
    const double inicio = jogo.calendario[0].data;
    for (const TEmail& m : jogo.emails)
        if (m.clube == clube && m.categoria == 16 && DataDoEmail(m) >= inicio) return false;
    return PostarEmail(jogo, clube, kEmailNoticia, 1) >= 0;
}

void RemoverEmailsDoClube(Jogo& jogo, int clube) {
    std::erase_if(jogo.emails, [clube](const TEmail& e) { return e.clube == clube; });
}

} // namespace world
