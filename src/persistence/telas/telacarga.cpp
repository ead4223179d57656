#include "persistence/telas/telacarga.hpp"

#include "persistence/jogosalvo.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"

#include <QEventLoop>
#include <QProgressBar>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace persistence::telas {
namespace {

constexpr int kTextoLendoJogo = 2970;
constexpr int kTextoSalvandoJogo = 2971;
// The bar's steps: reading the file fills most of it, the checks and the
// caller's work the rest.
constexpr int kPassos = 1000;
constexpr int kLido = 900;
constexpr int kAceito = 950;
// How often the bar follows the worker.
constexpr int kIntervaloMs = 40;

} // namespace

TelaCarga::TelaCarga(QWidget* pai, Tipo tipo) : QWidget(pai), barra_(new QProgressBar) {
    const bool salvar = tipo == Tipo::salvar;
    setObjectName(salvar ? QStringLiteral("salvandojogo") : QStringLiteral("carregandojogo"));
    barra_->setRange(0, salvar ? 0 : kPassos); // a save tells no progress: to and fro
    barra_->setValue(0);
    ui::PaginaDeCarga(this, ui::T(salvar ? kTextoSalvandoJogo : kTextoLendoJogo), barra_);
}

void TelaCarga::Esperar(QThread* trabalhador, QEventLoop::ProcessEventsFlags flags) {
    QEventLoop espera;
    connect(trabalhador, &QThread::finished, &espera, &QEventLoop::quit);
    trabalhador->start();
    espera.exec(flags);
    // Left early only when the program is quitting: the worker is let finish.
    trabalhador->wait();
}

bool TelaCarga::Executar(const std::function<bool()>& trabalho) {
    carregando_ = true;
    bool ok = false;
    std::unique_ptr<QThread> trabalhador(QThread::create([&] { ok = trabalho(); }));
    Esperar(trabalhador.get(), QEventLoop::ExcludeUserInputEvents);
    carregando_ = false;
    return ok;
}

std::shared_ptr<world::Jogo>
TelaCarga::Carregar(const std::string& nome,
                    const std::function<void(const world::Jogo&)>& depois) {
    carregando_ = true;
    barra_->setValue(0);
    auto jogo = std::make_shared<world::Jogo>();
    std::atomic<int> passo{0};
    bool ok = false;
    // The worker touches only the fresh game; `ok` is read once it has ended.
    std::unique_ptr<QThread> trabalhador(QThread::create([&] {
        ok = carregajogo(*jogo, nome, [&passo](std::uint64_t lidos, std::uint64_t total) {
            if (total > 0)
                passo.store(static_cast<int>(lidos * kLido / total), std::memory_order_relaxed);
        });
        if (!ok) return;
        passo.store(kAceito, std::memory_order_relaxed);
        if (depois) depois(*jogo);
        passo.store(kPassos, std::memory_order_relaxed);
    }));
    QTimer relogio;
    relogio.setInterval(kIntervaloMs);
    connect(&relogio, &QTimer::timeout, this,
            [&] { barra_->setValue(passo.load(std::memory_order_relaxed)); });
    relogio.start();
    Esperar(trabalhador.get(), QEventLoop::AllEvents);
    relogio.stop();
    barra_->setValue(passo.load());
    carregando_ = false;
    return ok ? jogo : nullptr;
}

} // namespace persistence::telas
