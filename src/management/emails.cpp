// The mailbox (being written).
#include "management/emails.hpp"

#include <cstring>

namespace management {

using namespace world;

int PostarEmail(Jogo&, int, int, int, i32, int, int) {
    return -1;
}
double DataDoEmail(const TEmail& e) {
    double d;
    std::memcpy(&d, e.data, sizeof d);
    return d;
}
void DefinirDataDoEmail(TEmail& e, double data) {
    std::memcpy(e.data, &data, sizeof data);
}
std::string TextoDoEmail(int) {
    return {};
}
std::string RemetenteDoEmail(const TEmail&) {
    return {};
}
std::string AssuntoDoEmail(const Jogo&, const TEmail&) {
    return {};
}
std::string CorpoDoEmail(const Jogo&, const TEmail&) {
    return {};
}
std::vector<int> EmailsDoClube(const Jogo&, int) {
    return {};
}
int EmailsNaoLidos(const Jogo&, int) {
    return 0;
}
std::string TextoNoticias(const Jogo&, int) {
    return {};
}
void MarcarEmailLido(Jogo&, int) {}
void ResponderEmail(Jogo&, int, bool) {}

} // namespace management
