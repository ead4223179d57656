#include "management/telas/telaamistoso.hpp"

#include "management/fichajogador.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace management::telas {

using namespace world;

namespace {

QString NomeDoClube(const Jogo& jogo, int c) {
    return jogo.TimeValido(c) ? ui::Q(jogo.times[c].nome.view()) : QString();
}

// "dd/mm/aaaa - weekday", as the calendar lists its dates.
QString TextoDaData(double data) {
    const QDate d = QDate(1899, 12, 30).addDays(static_cast<qint64>(data));
    return d.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ") +
           ui::T(2000 + d.dayOfWeek() % 7);
}

bool Perguntar(QWidget* pai, const QString& texto) {
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Marcar amistoso"), texto,
                      QMessageBox::NoButton, pai);
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

} // namespace

TelaAmistoso::TelaAmistoso(Jogo& jogo, int clube, bool pretemporada, QWidget* pai)
    : QDialog(pai), jogo_(jogo), clube_(clube), pretemporada_(pretemporada),
      adversarios_(AdversariosDeAmistoso(jogo, clube)) {
    setWindowTitle(pretemporada ? QStringLiteral("Amistosos de Pré-temporada")
                                : QStringLiteral("Marcar amistoso"));
    setModal(true);
    confirmar = [this](const QString& texto) { return Perguntar(this, texto); };
    auto* v = new QVBoxLayout(this);
    auto* titulo = new QLabel(QStringLiteral("<b>Marcar amistoso</b> — ") +
                              NomeDoClube(jogo_, clube_).toHtmlEscaped());
    v->addWidget(titulo);

    auto* colunas = new QHBoxLayout;
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(new QLabel(QStringLiteral("Escolha uma data disponível:")));
    datas_ = new QListWidget;
    datas_->setMinimumWidth(230);
    esquerda->addWidget(datas_, 1);
    colunas->addLayout(esquerda);

    auto* direita = new QVBoxLayout;
    direita->addWidget(new QLabel(QStringLiteral("Escolha um adversário:")));
    adversario_ = new QComboBox;
    adversario_->setMaxVisibleItems(20);
    for (int c : adversarios_) {
        const TTime& t = jogo_.times[c];
        QString item = ui::Q(t.nome.view());
        // The country tells apart clubs of the same name.
        if (t.pais != jogo_.times[clube_].pais)
            item += QStringLiteral(" (") + ui::Q(NomePais(t.pais)) + ')';
        adversario_->addItem(item);
    }
    adversario_->setCurrentIndex(-1);
    direita->addWidget(adversario_);
    direita->addWidget(new QLabel(QStringLiteral("Local do jogo:")));
    local_ = new QComboBox;
    local_->addItem(ui::T(2200));
    local_->addItem(ui::T(2201));
    direita->addWidget(local_);
    cota_ = new QLabel;
    cota_->setObjectName(QStringLiteral("cota"));
    direita->addWidget(cota_);
    mensagem_ = new QLabel;
    mensagem_->setObjectName(QStringLiteral("mensagem"));
    mensagem_->setWordWrap(true);
    mensagem_->setMinimumHeight(48);
    direita->addWidget(mensagem_);
    direita->addWidget(new QLabel(QStringLiteral("Amistosos marcados:")));
    marcados_ = new QListWidget;
    direita->addWidget(marcados_, 1);
    colunas->addLayout(direita, 1);
    v->addLayout(colunas, 1);

    ok_ = new QPushButton(QStringLiteral("Ok"));
    ok_->setDefault(true);
    auto* fechar = new QPushButton(QStringLiteral("Fechar"));
    auto* b = new QHBoxLayout;
    b->addStretch();
    b->addWidget(ok_);
    b->addWidget(fechar);
    v->addLayout(b);

    connect(datas_, &QListWidget::currentRowChanged, this, [this] {
        acabou_ = false;
        mensagem_->clear();
        Atualizar();
    });
    connect(adversario_, &QComboBox::currentIndexChanged, this, [this] {
        mensagem_->clear();
        Atualizar();
    });
    connect(local_, &QComboBox::currentIndexChanged, this, [this] { Atualizar(); });
    connect(ok_, &QPushButton::clicked, this, &TelaAmistoso::Ok);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);

    PreencherDatas();
    PreencherMarcados();
    Atualizar();
    resize(720, 480);
}

void TelaAmistoso::PreencherDatas() {
    const QSignalBlocker bloqueio(datas_);
    datas_->clear();
    for (int n : DatasParaAmistoso(jogo_, clube_, pretemporada_)) {
        auto* item = new QListWidgetItem(TextoDaData(jogo_.calendario[n - 1].data));
        item->setData(Qt::UserRole, n);
        datas_->addItem(item);
    }
    datas_->setCurrentRow(-1);
}

void TelaAmistoso::PreencherMarcados() {
    marcados_->clear();
    for (const TAmistoso& a : jogo_.amistosos) {
        if (a.jogado || (a.mandante != clube_ && a.visitante != clube_)) continue;
        marcados_->addItem(TextoDaData(a.data) + QStringLiteral("  ") +
                           NomeDoClube(jogo_, a.mandante) + QStringLiteral(" x ") +
                           NomeDoClube(jogo_, a.visitante));
    }
}

int TelaAmistoso::Data() const {
    const QListWidgetItem* item = datas_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

int TelaAmistoso::Adversario() const {
    const int i = adversario_->currentIndex();
    return i >= 0 && i < static_cast<int>(adversarios_.size()) ? adversarios_[i] : -1;
}

bool TelaAmistoso::EmCasa() const {
    return local_->currentIndex() == 1;
}

void TelaAmistoso::Atualizar() {
    const int a = Adversario();
    if (a >= 0) {
        const i32 cota = CotaDoAmistoso(jogo_, clube_, a, EmCasa());
        cota_->setText(cota > 0 ? QStringLiteral("Custo do amistoso: ") + ui::Dinheiro(cota)
                                : QStringLiteral("Amistoso sem custo"));
    } else {
        cota_->clear();
    }
    adversario_->setEnabled(!acabou_);
    // "Ok" answers on its own when the opponent is taken or the fee too
    // dear; it waits while a date or an opponent is missing.
    const Marcacao m = ConferirAmistoso(jogo_, clube_, a, Data(), EmCasa(), pretemporada_);
    const bool responde =
        m == Marcacao::Marcado || m == Marcacao::AdversarioOcupado || m == Marcacao::SemDinheiro;
    ok_->setEnabled(!acabou_ && responde);
    ok_->setToolTip(responde ? QString() : TextoRecusa(m));
}

bool TelaAmistoso::EscolherData(int indicedata) {
    for (int r = 0; r < datas_->count(); ++r)
        if (datas_->item(r)->data(Qt::UserRole).toInt() == indicedata) {
            datas_->setCurrentRow(r);
            return true;
        }
    return false;
}

bool TelaAmistoso::EscolherAdversario(int clube) {
    for (std::size_t i = 0; i < adversarios_.size(); ++i)
        if (adversarios_[i] == clube) {
            adversario_->setCurrentIndex(static_cast<int>(i));
            return true;
        }
    return false;
}

QString TelaAmistoso::TextoRecusa(Marcacao m) const {
    const int a = Adversario();
    switch (m) {
    case Marcacao::Marcado:
        return {};
    case Marcacao::AdversarioOcupado:
        return QStringLiteral("<b>Amistoso marcado</b><br>") +
               NomeDoClube(jogo_, a).toHtmlEscaped() + ' ' + ui::T(2210);
    case Marcacao::SemDinheiro:
        return ui::T(2211) + ' ' + ui::DinheiroExtenso(CotaDoAmistoso(jogo_, clube_, a, EmCasa()));
    case Marcacao::SemClube:
        return ui::T(ui::kTextoSemClube);
    case Marcacao::SemAdversario:
        return ui::T(2213);
    case Marcacao::DataIndisponivel:
        return ui::T(2214);
    }
    return {};
}

void TelaAmistoso::Ok() {
    const int data = Data(), a = Adversario();
    if (acabou_) return;
    if (const Marcacao m = ConferirAmistoso(jogo_, clube_, a, data, EmCasa(), pretemporada_);
        m != Marcacao::Marcado) {
        mensagem_->setText(TextoRecusa(m));
        return;
    }
    if (!confirmar || !confirmar(ui::T(2212))) return;
    if (MarcarAmistoso(jogo_, clube_, a, data, EmCasa(), pretemporada_) != Marcacao::Marcado)
        return;
    mensagem_->setText(QStringLiteral("Amistoso marcado contra ") +
                       NomeDoClube(jogo_, a).toHtmlEscaped() + '.');
    acabou_ = true;
    PreencherDatas();
    PreencherMarcados();
    Atualizar();
}

} // namespace management::telas
