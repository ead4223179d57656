#include "management/autopiloto.hpp"

#include "competitions/fimdetemporada.hpp"
#include "match/escalacaoautomatica.hpp"
#include "world/clubes.hpp"

namespace management {

using namespace world;

void Autopiloto::Entrar() {
    proximo = EntrarNoJogo(jogo, ia);
}

void Autopiloto::EscalarHumano(int time) {
    if (time < 0 || time >= static_cast<int>(jogo.times.size())) return;
    const auto porTime = JogadoresPorTime(jogo);
    const int n = jogo.estado.dataatual;
    const double hoje = n >= 1 && n <= kDatasPorTemporada ? jogo.calendario[n - 1].data : 0.0;
    match::EscalarClube(jogo, time, porTime[time], jogo.estado.tipo, hoje);
}

bool Autopiloto::Jogar() {
    // A season has at most 148 dates, each passing every human once.
    for (long passos = 0; passos < 1'000'000'000L; ++passos) {
        switch (proximo.tela) {
        case Tela::Principal:
            if (proximo.eventos) EventosPreTela(jogo, ia);
            EscalarHumano(jogo.estado.timeatual);
            proximo = management::Jogar(jogo, ia);
            break;
        case Tela::Rodada: {
            AbrirRodadaDoDia(jogo, ex);
            match::JogarProximoGrupo(jogo, ex);
            while (ex.estado == match::EstadoRodada::Relogio) match::Minuto(jogo, ex);
            const int codigo = ex.codigo;
            proximo = Continuar(jogo, ia, codigo);
            if (depoisdadata && !depoisdadata(codigo)) return true;
            break;
        }
        case Tela::Resultados:
            proximo = Continuar(jogo, ia, proximo.codigo);
            break;
        case Tela::FimDeTemporada:
            if (fimdetemporada && !fimdetemporada()) return true;
            competitions::FimDeTemporada(jogo);
            proximo = ContinuarFimDeTemporada(jogo, ia);
            if (novatemporada && !novatemporada()) return true;
            break;
        }
    }
    return false;
}

} // namespace management
