#include "management/telas/telaproposta.hpp"

#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/posicoes.hpp"
#include "world/valores.hpp"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <limits>

namespace management::telas {

using namespace world;

namespace {

constexpr int kTextoPropostaRecusada = 586;
constexpr int kTextoCancelarProposta = 839;

QString NomeClube(const Jogo& jogo, int c) {
    return jogo.TimeValido(c) ? ui::Q(jogo.times[c].nome.view()) : QString();
}

QString NomeJogador(const Jogo& jogo, int j) {
    return jogo.JogadorValido(j) ? ui::Q(jogo.jogadores[j].nome.view()) : QString();
}

// "Name (position, strength 57, 24 anos)": enough to know whom the question is about.
QString Apresentar(const Jogo& jogo, int jogador) {
    if (!jogo.JogadorValido(jogador)) return {};
    const TJogador& j = jogo.jogadores[jogador];
    return QStringLiteral("%1 (%2, %3 %4, %5 anos)")
        .arg(ui::Q(j.nome.view()), ui::Q(NomePosicao(j.posicao)), ui::T(ui::kTextoForca).toLower())
        .arg(j.forca)
        .arg(j.idade);
}

QString ValorPorExtenso(i32 v) {
    return ui::Dinheiro(v) + QStringLiteral("  (") + ui::DinheiroExtenso(v) + ')';
}

QString NomeTecnico(const Jogo& jogo, int clube) {
    if (!jogo.TimeValido(clube)) return {};
    const int t = jogo.times[clube].tecnico;
    return t >= 0 && t < static_cast<int>(jogo.tecnicos.size())
               ? ui::Q(jogo.tecnicos[t].nome.view())
               : QString();
}

QLabel* Rotulo(const QString& texto, bool negrito) {
    auto* r = new QLabel(texto);
    r->setTextFormat(Qt::PlainText);
    r->setWordWrap(true);
    if (negrito) {
        QFont f = r->font();
        f.setBold(true);
        r->setFont(f);
    }
    return r;
}

} // namespace

// --- The question ------------------------------------------------------------------

TelaPergunta::TelaPergunta(const QString& titulo, QWidget* pai) : QDialog(pai) {
    setWindowTitle(titulo);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    linhas_ = new QVBoxLayout;
    linhas_->setSpacing(4);
    layout->addLayout(linhas_);
    layout->addSpacing(10);
    sim_ = new QPushButton(QStringLiteral("Sim"), this);
    sim_->setObjectName(QStringLiteral("sim"));
    nao_ = new QPushButton(QStringLiteral("Não"), this);
    nao_->setObjectName(QStringLiteral("nao"));
    // A slip of Enter must not sell a player: the safe answer is the default.
    nao_->setDefault(true);
    connect(sim_, &QPushButton::clicked, this, &QDialog::accept);
    connect(nao_, &QPushButton::clicked, this, &QDialog::reject);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(sim_);
    botoes->addWidget(nao_);
    layout->addLayout(botoes);
    setMinimumWidth(420);
}

QLabel* TelaPergunta::Linha(const QString& texto, bool destaque) {
    QLabel* r = Rotulo(texto, destaque);
    if (destaque) {
        QFont f = r->font();
        f.setPointSizeF(f.pointSizeF() * 1.2);
        r->setFont(f);
    }
    linhas_->addWidget(r);
    return r;
}

void TelaPergunta::Espaco() {
    linhas_->addSpacing(8);
}

void TelaPergunta::Pergunta(const QString& texto) {
    Espaco();
    QLabel* r = Rotulo(texto, true);
    r->setObjectName(QStringLiteral("pergunta"));
    linhas_->addWidget(r);
}

void TelaPergunta::Botoes(const QString& sim, const QString& nao) {
    sim_->setText(sim);
    nao_->setText(nao);
}

QString TelaPergunta::Texto() const {
    QStringList v;
    for (const QLabel* r : findChildren<QLabel*>()) v << r->text();
    return v.join('\n');
}

bool PerguntarPropostaDeCompra(const Jogo& jogo, int comprador, int jogador, i32 valor,
                               QWidget* pai) {
    TelaPergunta t(QStringLiteral("Proposta de compra"), pai);
    t.setObjectName(QStringLiteral("propostadecompra"));
    t.Linha(QStringLiteral("Está querendo comprar o jogador:"));
    t.Linha(NomeClube(jogo, comprador), true)->setObjectName(QStringLiteral("clube"));
    t.Linha(Apresentar(jogo, jogador), true)->setObjectName(QStringLiteral("jogador"));
    t.Espaco();
    t.Linha(QStringLiteral("Valor da proposta:"));
    t.Linha(ValorPorExtenso(valor), true)->setObjectName(QStringLiteral("valor"));
    t.Pergunta(QStringLiteral("Deseja aceitar a proposta e vender o jogador?"));
    t.Botoes(QStringLiteral("Sim"), QStringLiteral("Não"));
    return t.exec() == QDialog::Accepted;
}

bool PerguntarVendaAoHumano(const Jogo& jogo, int comprador, int jogador, i32 valor, QWidget* pai) {
    TelaPergunta t(QStringLiteral("Atenção"), pai);
    t.setObjectName(QStringLiteral("atencao"));
    // In a game of several humans the keyboard passes: the question names
    // the coach and the club it is for.
    const int vendedor = jogo.JogadorValido(jogador) ? jogo.jogadores[jogador].time : -1;
    const QString tecnico = NomeTecnico(jogo, vendedor);
    t.Linha((tecnico.isEmpty() ? QString() : tecnico + QStringLiteral(", ")) +
                QStringLiteral("técnico do ") + NomeClube(jogo, vendedor) + ':',
            true)
        ->setObjectName(QStringLiteral("vendedor"));
    t.Espaco();
    t.Linha(QStringLiteral("O clube ") + NomeClube(jogo, comprador) +
            QStringLiteral(" oferece pelo jogador ") + Apresentar(jogo, jogador) + ':')
        ->setObjectName(QStringLiteral("oferta"));
    t.Linha(ValorPorExtenso(valor), true)->setObjectName(QStringLiteral("valor"));
    t.Pergunta(QStringLiteral("Deseja vende-lo por este preço?"));
    t.Botoes(QStringLiteral("Sim"), QStringLiteral("Não"));
    return t.exec() == QDialog::Accepted;
}

bool PerguntarExigencia(const Jogo& jogo, int jogador, int fator, i32 novosalario, QWidget* pai) {
    TelaPergunta t(QStringLiteral("Propor compra"), pai);
    t.setObjectName(QStringLiteral("exigencia"));
    const QString texto = ui::T(834) + ' ' + NomeJogador(jogo, jogador) + ' ' + ui::T(835) + ' ' +
                          QString::number(fator) + ' ' + ui::T(836) + QStringLiteral(", ") +
                          ui::T(837) + QStringLiteral(" $") + ui::Q(FormatarDinheiro(novosalario)) +
                          '.';
    t.Linha(texto, true)->setObjectName(QStringLiteral("texto"));
    if (jogo.JogadorValido(jogador))
        t.Linha(ui::T(ui::kTextoSalario) + QStringLiteral(": ") +
                ui::Dinheiro(jogo.jogadores[jogador].salario) + QStringLiteral(" → ") +
                ui::Dinheiro(novosalario));
    t.Botoes(ui::T(838), ui::T(kTextoCancelarProposta));
    return t.exec() == QDialog::Accepted;
}

bool ConfirmarCompra(const Jogo& jogo, int jogador, QWidget* pai) {
    if (!jogo.JogadorValido(jogador)) return false;
    const TJogador& j = jogo.jogadores[jogador];
    TelaPergunta t(QStringLiteral("Comprar"), pai);
    t.setObjectName(QStringLiteral("confirmarcompra"));
    t.Linha(Apresentar(jogo, jogador), true);
    t.Linha(NomeClube(jogo, j.time));
    t.Espaco();
    t.Linha(QStringLiteral("Preço pedido:"));
    t.Linha(ValorPorExtenso(j.passepedido), true)->setObjectName(QStringLiteral("valor"));
    t.Pergunta(QStringLiteral("Deseja comprar o jogador por este preço?"));
    t.Botoes(QStringLiteral("Sim"), QStringLiteral("Não"));
    return t.exec() == QDialog::Accepted;
}

// --- Why not ---------------------------------------------------------------------------

QString TextoImpedimento(Impedimento impedimento) {
    switch (impedimento) {
    case Impedimento::Nenhum:
        return {};
    case Impedimento::SemClube:
        return ui::T(ui::kTextoSemClube);
    case Impedimento::SemJogador:
        return ui::T(ui::kTextoEscolhaUmJogador);
    case Impedimento::DoProprioClube:
        return ui::T(2802);
    case Impedimento::EscaladoHoje:
        return ui::T(2803);
    case Impedimento::ElencoCheio:
        return ui::T(2804) + ' ' + QString::number(kMaximoElencoHumano);
    case Impedimento::NaoEstaAVenda:
        return ui::T(2805);
    case Impedimento::SemDinheiro:
        return ui::T(2806);
    case Impedimento::SemValor:
        return ui::T(2807);
    }
    return {};
}

QString TextoRecusa(const Jogo& jogo, int jogador, const ResultadoProposta& r) {
    const bool valido = jogo.JogadorValido(jogador);
    // The least the club takes, where some amount reaches it.
    const QString minimo =
        r.minimo > 0 ? QStringLiteral(": ") + ui::T(2819) + ' ' + ui::DinheiroSemQuebra(r.minimo)
                     : QString();
    switch (r.resultado) {
    case Proposta::Aceita:
    case Proposta::ExigenciaRecusada:
        return {};
    case Proposta::Impedida:
        return TextoImpedimento(r.impedimento);
    case Proposta::UnicoDaPosicao: {
        const QString posicao =
            valido ? ui::Q(NomePosicao(jogo.jogadores[jogador].posicao)).toLower() : QString();
        return ui::T(kTextoPropostaRecusada) + '\n' + ui::T(2816) + ' ' + posicao +
               (r.minimo > 0 ? ' ' + ui::T(2817) + ' ' + ui::DinheiroSemQuebra(r.minimo)
                             : QString()) +
               '.';
    }
    case Proposta::AbaixoDoMinimo:
        return ui::T(kTextoPropostaRecusada) + '\n' + ui::T(2818) + minimo + '.';
    case Proposta::JogadorNaoDesce:
        return NomeJogador(jogo, jogador) + ' ' + ui::T(833);
    case Proposta::RecusaHumano:
        return ui::T(2820) + ' ' +
               (valido ? NomeClube(jogo, jogo.jogadores[jogador].time) : QString()) + ' ' +
               ui::T(2821);
    }
    return {};
}

// --- Notices ---------------------------------------------------------------------------

TelaAvisoMercado::TelaAvisoMercado(const QString& titulo, const QString& texto, bool recusa,
                                   QWidget* pai)
    : QDialog(pai) {
    setWindowTitle(titulo);
    setObjectName(recusa ? QStringLiteral("recusa") : QStringLiteral("aviso"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    texto_ = Rotulo(texto, true);
    texto_->setObjectName(QStringLiteral("texto"));
    QFont f = texto_->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    texto_->setFont(f);
    texto_->setStyleSheet(recusa ? QStringLiteral("QLabel { color: #a01010; }")
                                 : QStringLiteral("QLabel { color: #105010; }"));
    texto_->setMinimumWidth(360);
    auto* icone = new QLabel;
    icone->setPixmap(
        style()
            ->standardIcon(recusa ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation)
            .pixmap(40, 40));
    icone->setAlignment(Qt::AlignTop);
    auto* corpo = new QHBoxLayout;
    corpo->setSpacing(14);
    corpo->addWidget(icone);
    corpo->addWidget(texto_, 1);
    layout->addLayout(corpo);
    layout->addSpacing(10);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(ok);
    layout->addLayout(botoes);
}

QString TelaAvisoMercado::Texto() const {
    return texto_->text();
}

void AvisarMercado(const QString& titulo, const QString& texto, bool recusa, QWidget* pai) {
    TelaAvisoMercado t(titulo, texto, recusa, pai);
    t.exec();
}

// --- The offer ---------------------------------------------------------------------------

namespace {

// The most thousands an amount in $ can hold.
constexpr int kMaximoMilhares = std::numeric_limits<i32>::max() / 1000;

} // namespace

TelaOferta::TelaOferta(const Jogo& jogo, int comprador, int jogador, QWidget* pai)
    : QDialog(pai), jogo_(jogo), comprador_(comprador), jogador_(jogador) {
    setWindowTitle(QStringLiteral("Propor compra"));
    setObjectName(QStringLiteral("oferta"));
    setModal(true);
    caixa_ = jogo.TimeValido(comprador) ? jogo.times[comprador].dinheiro : 0;
    const bool valido = jogo.JogadorValido(jogador);
    const TJogador& j = valido ? jogo.jogadores[jogador] : jogo.jogadores[0];

    auto* nome = Rotulo(Apresentar(jogo, jogador), true);
    QFont grande = nome->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.25);
    nome->setFont(grande);

    auto* dados = new QFormLayout;
    dados->setLabelAlignment(Qt::AlignRight);
    dados->addRow(QStringLiteral("Clube:"), Rotulo(NomeClube(jogo, j.time), true));
    dados->addRow(QStringLiteral("Passe:"), Rotulo(ValorPorExtenso(j.passe), true));
    if (valido && j.avenda)
        dados->addRow(QStringLiteral("À venda por:"), Rotulo(ValorPorExtenso(j.passepedido), true));
    dados->addRow(ui::T(ui::kTextoSalario) + ':', Rotulo(ui::Dinheiro(j.salario), false));
    dados->addRow(QStringLiteral("Seu dinheiro em caixa:"), Rotulo(ValorPorExtenso(caixa_), true));

    valor_ = new QLineEdit;
    valor_->setObjectName(QStringLiteral("valor"));
    valor_->setValidator(new QIntValidator(0, kMaximoMilhares, valor_));
    valor_->setMaxLength(7);
    valor_->setAlignment(Qt::AlignRight);
    valor_->setMaximumWidth(120);
    // A starting figure the seller would look at: the asking price of a
    // listed player, his value otherwise.
    const i32 sugestao = valido ? (j.avenda ? j.passepedido : j.passe) : 0;
    valor_->setText(QString::number((static_cast<long long>(sugestao) + 999) / 1000));
    auto* linha = new QHBoxLayout;
    linha->addWidget(valor_);
    linha->addWidget(new QLabel(QStringLiteral("mil")));
    linha->addStretch();
    dados->addRow(QStringLiteral("Valor da proposta (em milhares de $):"), linha);
    extenso_ = Rotulo({}, true);
    extenso_->setObjectName(QStringLiteral("extenso"));
    extenso_->setStyleSheet(QStringLiteral("QLabel { color: #103070; }"));
    dados->addRow(QString(), extenso_);
    alerta_ = Rotulo({}, false);
    alerta_->setObjectName(QStringLiteral("alerta"));
    alerta_->setStyleSheet(QStringLiteral("QLabel { color: #a01010; }"));
    dados->addRow(QString(), alerta_);

    propor_ = new QPushButton(QStringLiteral("Propor"), this);
    propor_->setObjectName(QStringLiteral("propor"));
    propor_->setDefault(true);
    auto* cancelar = new QPushButton(ui::T(kTextoCancelarProposta), this);
    cancelar->setObjectName(QStringLiteral("cancelar"));
    connect(propor_, &QPushButton::clicked, this, [this] {
        if (propor_->isEnabled()) accept();
    });
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(propor_);
    botoes->addWidget(cancelar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    layout->addWidget(nome);
    layout->addSpacing(6);
    layout->addLayout(dados);
    layout->addSpacing(8);
    layout->addLayout(botoes);
    setMinimumWidth(520);

    connect(valor_, &QLineEdit::textChanged, this, &TelaOferta::Mudou);
    Mudou();
    valor_->selectAll();
    valor_->setFocus();
}

i32 TelaOferta::Valor() const {
    bool ok = false;
    const long long milhares = valor_->text().toLongLong(&ok);
    if (!ok || milhares <= 0) return 0;
    return static_cast<i32>(std::min<long long>(milhares, kMaximoMilhares) * 1000);
}

void TelaOferta::Mudou() {
    const i32 v = Valor();
    extenso_->setText(v > 0 ? ui::Dinheiro(v) + QStringLiteral("  (") + ui::DinheiroExtenso(v) + ')'
                            : QString());
    const Impedimento i = ImpedimentoDaProposta(jogo_, comprador_, jogador_, v);
    // Nothing typed yet needs no word; more than the cash says it as the
    // auction does.
    alerta_->setText(i == Impedimento::SemValor ? QString()
                     : i == Impedimento::SemDinheiro
                         ? QStringLiteral("Valor maior que seu dinheiro em caixa")
                         : TextoImpedimento(i));
    propor_->setEnabled(i == Impedimento::Nenhum);
}

} // namespace management::telas
