#include "sim/json.hpp"

#include <cmath>
#include <cstdio>

namespace sim {

void Json::Separar() {
    if (depoisDaChave_) {
        depoisDaChave_ = false;
        return;
    }
    if (!primeiro_.empty()) {
        if (!primeiro_.back()) s_ += ',';
        primeiro_.back() = false;
    }
}

Json& Json::AbrirObjeto() {
    Separar();
    s_ += '{';
    primeiro_.push_back(true);
    return *this;
}
Json& Json::FecharObjeto() {
    s_ += '}';
    primeiro_.pop_back();
    return *this;
}
Json& Json::AbrirLista() {
    Separar();
    s_ += '[';
    primeiro_.push_back(true);
    return *this;
}
Json& Json::FecharLista() {
    s_ += ']';
    primeiro_.pop_back();
    return *this;
}
Json& Json::Chave(std::string_view k) {
    Texto(k);
    s_ += ':';
    depoisDaChave_ = true;
    return *this;
}
Json& Json::Texto(std::string_view t) {
    Separar();
    s_ += '"';
    for (unsigned char c : t) {
        switch (c) {
        case '"':
            s_ += "\\\"";
            break;
        case '\\':
            s_ += "\\\\";
            break;
        case '\n':
            s_ += "\\n";
            break;
        case '\r':
            s_ += "\\r";
            break;
        case '\t':
            s_ += "\\t";
            break;
        default:
            if (c < 0x20) {
                char b[8];
                std::snprintf(b, sizeof b, "\\u%04x", c);
                s_ += b;
            } else {
                s_ += static_cast<char>(c);
            }
        }
    }
    s_ += '"';
    return *this;
}
Json& Json::Numero(std::int64_t v) {
    Separar();
    s_ += std::to_string(v);
    return *this;
}
Json& Json::Real(double v) {
    Separar();
    if (!std::isfinite(v)) v = 0;
    char b[32];
    std::snprintf(b, sizeof b, "%.17g", v);
    s_ += b;
    return *this;
}
Json& Json::Logico(bool v) {
    Separar();
    s_ += v ? "true" : "false";
    return *this;
}

} // namespace sim
