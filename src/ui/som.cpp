#include "ui/som.hpp"

#include "plataforma/caminhos.hpp"

#include <QSoundEffect>
#include <QUrl>

namespace ui {

namespace {
constexpr std::pair<const char*, const char*> kSons[] = {{"gol", "sons\\gol1.wav"},
                                                         {"fimjogo", "sons\\fimjogo.wav"},
                                                         {"penalty", "sons\\penalty.wav"},
                                                         {"contusao", "sons\\contusao.wav"}};
} // namespace

Som::Som(QObject* pai) : QObject(pai) {
    for (const auto& [alias, arquivo] : kSons) {
        const auto caminho = plataforma::Resolver(arquivo);
        if (plataforma::ArquivoExiste(caminho)) arquivos_[alias] = caminho.string();
    }
}

Som::~Som() = default;

bool Som::Tem(const std::string& alias) const {
    return arquivos_.count(alias) != 0;
}

void Som::Tocar(const std::string& alias, bool ligado) {
    if (!ligado) return;
    const auto it = arquivos_.find(alias);
    if (it == arquivos_.end()) return;
    ++tocados_;
    // PITCHLORD_SEM_SOM keeps the audio back end untouched altogether (the
    // screen tests: a back end probing for a sound server that is not there
    // can stall under load).
    if (!qEnvironmentVariableIsEmpty("PITCHLORD_SEM_SOM")) return;
    // The effect is made when first needed, so a game that never plays a
    // sound never touches the audio back end.
    QSoundEffect*& efeito = efeitos_[alias];
    if (!efeito) {
        efeito = new QSoundEffect(this);
        efeito->setSource(QUrl::fromLocalFile(QString::fromStdString(it->second)));
    }
    efeito->play();
}

} // namespace ui
