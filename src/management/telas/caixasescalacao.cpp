#include "management/telas/caixasescalacao.hpp"

#include "management/escalacaoformacao.hpp"
#include "management/escalacaotatica.hpp"
#include "management/telas/gradeelenco.hpp"
#include "ui/textos.hpp"

#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace management::telas {

using namespace world;

namespace {

QComboBox* Caixa(const std::vector<std::string>& itens) {
    auto* c = new QComboBox;
    for (const std::string& t : itens) c->addItem(ui::Q(t));
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

} // namespace

void CaixasEscalacao::Montar(QWidget* dono, QFormLayout* f, Jogo& jogo, GradeElenco* grade,
                             std::function<int()> time, std::function<void()> validar) {
    // Captions: the language files have none for these boxes.
    formacao = new QComboBox;
    QComboBox* caixa = formacao;
    QObject::connect(
        formacao, &QComboBox::activated, dono, [&jogo, grade, caixa, validar](int item) {
            if (item < 0) return;
            if (EscolherFormacao(jogo, grade->grade(), ui::ParaJogo(caixa->itemText(item))))
                grade->Redesenhar();
            validar();
        });
    f->addRow(QStringLiteral("Formação:"), formacao);

    capitao = new QComboBox;
    QComboBox* cap = capitao;
    QObject::connect(capitao, &QComboBox::activated, dono, [&jogo, grade, cap](int item) {
        DefinirCapitao(jogo, grade->grade(), cap->itemData(item).toInt());
    });
    f->addRow(QStringLiteral("Capitão:"), capitao);
    cobrador = new QComboBox;
    QComboBox* cob = cobrador;
    QObject::connect(cobrador, &QComboBox::activated, dono, [&jogo, grade, cob](int item) {
        DefinirCobrador(jogo, grade->grade(), cob->itemData(item).toInt());
    });
    f->addRow(QStringLiteral("Cobrador de faltas:"), cobrador);

    estilo = Caixa(ItensEstilo());
    QObject::connect(estilo, &QComboBox::activated, dono,
                     [&jogo, time](int item) { DefinirEstilo(jogo, time(), item); });
    f->addRow(QStringLiteral("Estilo de jogo:"), estilo);
    jogadas = Caixa(ItensJogadas());
    QObject::connect(jogadas, &QComboBox::activated, dono,
                     [&jogo, time](int item) { DefinirJogadas(jogo, time(), item); });
    f->addRow(QStringLiteral("Jogadas:"), jogadas);
    marcacao = Caixa(ItensMarcacao());
    QObject::connect(marcacao, &QComboBox::activated, dono,
                     [&jogo, time](int item) { DefinirMarcacao(jogo, time(), item); });
    f->addRow(QStringLiteral("Marcação:"), marcacao);

    selecionados = new QLabel;
    QFont negrito = selecionados->font();
    negrito.setBold(true);
    selecionados->setFont(negrito);
}

void CaixasEscalacao::PreencherFormacoes(const Disponiveis& d) {
    const QSignalBlocker bloqueio(formacao);
    formacao->clear();
    for (int f : FormacoesPossiveis(d)) formacao->addItem(ui::Q(TextoFormacao(f)));
    formacao->setCurrentIndex(-1);
}

void CaixasEscalacao::Preencher(const Jogo& jogo, const Grade& grade, int c) {
    const std::vector<ItemJogador> itens = ItensJogadores(jogo, grade);
    for (QComboBox* caixa : {capitao, cobrador}) {
        const QSignalBlocker bloqueio(caixa);
        caixa->clear();
        for (const ItemJogador& i : itens) caixa->addItem(ui::Q(i.texto), i.jogador);
    }
    const QSignalBlocker b1(capitao), b2(cobrador), b3(estilo), b4(jogadas), b5(marcacao);
    const bool valido = jogo.TimeValido(c);
    capitao->setCurrentIndex(valido ? ItemDoJogador(itens, jogo.times[c].capitao) : -1);
    cobrador->setCurrentIndex(valido ? ItemDoJogador(itens, jogo.times[c].cobrador) : -1);
    auto mostrar = [](QComboBox* caixa, int valor) {
        caixa->setCurrentIndex(valor >= 0 && valor < caixa->count() ? valor : -1);
    };
    mostrar(estilo, valido ? jogo.times[c].estilo : -1);
    mostrar(jogadas, valido ? jogo.times[c].jogadas : -1);
    mostrar(marcacao, valido ? jogo.times[c].marcacao : -1);
}

Validacao CaixasEscalacao::Validar(Jogo& jogo, const Grade& grade) {
    const Validacao v = ValidarEscalacao(jogo, grade);
    {
        const QSignalBlocker bloqueio(formacao);
        formacao->setCurrentIndex(v.formacao.empty() ? -1 : formacao->findText(ui::Q(v.formacao)));
    }
    selecionados->setText(QStringLiteral("Selecionados: %1 + %2").arg(v.titulares).arg(v.reservas));
    return v;
}

} // namespace management::telas
