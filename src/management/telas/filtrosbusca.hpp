#pragma once
// The filter boxes of the player searches (the market's search and the
// national-team call-ups): each starts with its "any" entry (data -1).
#include <QString>

#include <string>
#include <vector>

class QComboBox;

namespace management::telas {

// The goalkeepers' characteristics (codes 0 to 3) read alike: one item of the
// characteristic box stands for all of them.
constexpr int kReflexos = -2;
bool DeGoleiro(int caract);

QComboBox* CaixaFiltro(const char* nome, const QString& todos);
// "Todas" then the bands, their data the band's number.
QComboBox* CaixaFaixas(const char* nome, const std::vector<std::string>& faixas);
// "Qualquer", the goalkeepers' one item, then the outfield characteristics.
QComboBox* CaixaCaracteristica(const char* nome);

} // namespace management::telas
