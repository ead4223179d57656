#pragma once
// The formation box of the lineup screen: the formations the available players
// allow, and the automatic lineup for the one chosen.
#include "management/escalacao.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace management {

// Formations as defenders-midfielders-forwards digits (442), in the order the
// box lists them.
std::vector<int> FormacoesPossiveis(const Disponiveis& d);

// 442 <-> "4-4-2". A text that is not three digits joined by hyphens gives 0.
std::string TextoFormacao(int formacao);
std::string TextoFormacao(int defensores, int meias, int atacantes);
int FormacaoDoTexto(std::string_view texto);

// Chooses the lineup for the formation text: the best goalkeeper, the lines of
// the formation and a bench of one per position and the best others. A text
// the box does not offer changes nothing and returns false. Writes the club's
// `formacao` and the roles of the full-backs chosen.
bool EscolherFormacao(world::Jogo& jogo, Grade& grade, std::string_view texto);

} // namespace management
