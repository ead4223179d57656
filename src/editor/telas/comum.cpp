#include "editor/telas/comum.hpp"

#include "editor/editor.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "world/idioma.hpp"
#include "world/paises.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace editor::telas {

bool Celula::operator<(const QTableWidgetItem& outra) const {
    const QVariant a = data(kPapelChave), b = outra.data(kPapelChave);
    if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
    return QString::localeAwareCompare(text(), outra.text()) < 0;
}

Celula* NovaCelula(const QString& texto, const QVariant& chave) {
    auto* c = new Celula(texto);
    if (chave.isValid()) c->setData(kPapelChave, chave);
    c->setFlags(c->flags() & ~Qt::ItemIsEditable);
    return c;
}

QColor CorDoArquivo(world::i32 cor) {
    const auto c = static_cast<std::uint32_t>(cor);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

world::i32 CorParaArquivo(const QColor& cor) {
    return static_cast<world::i32>(static_cast<std::uint32_t>(cor.red()) |
                                   (static_cast<std::uint32_t>(cor.green()) << 8) |
                                   (static_cast<std::uint32_t>(cor.blue()) << 16));
}

void PintarBotaoCor(QPushButton* botao, world::i32 cor) {
    QPixmap p(48, 16);
    p.fill(CorDoArquivo(cor));
    QPainter pintor(&p);
    pintor.setPen(Qt::black);
    pintor.drawRect(0, 0, p.width() - 1, p.height() - 1);
    botao->setIcon(QIcon(p));
    botao->setIconSize(p.size());
}

QPixmap FiguraEscudo(bool selecao, const std::string& escudo) {
    const std::string pasta = selecao ? "teams\\selecoes\\" : "teams\\logos\\";
    if (!escudo.empty()) {
        // Badge names are Windows-1252 like everything in the files.
        const std::string nome = ui::Q(escudo).toStdString();
        for (const char* ext : {".gif", ".bmp"}) {
            const QPixmap p = ui::Figura(pasta + nome + ext);
            if (!p.isNull()) return p;
        }
    }
    if (selecao) return {};
    return ui::Figura("teams\\logos\\nullescudo.gif");
}

QPixmap FiguraEstado(int estado) {
    QPixmap p(44, 30);
    const QColor cor = QColor::fromHsv((estado * 360 / 27) % 360, 150, 200);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBrush(cor);
    pintor.setPen(QPen(Qt::black, 1));
    pintor.drawRoundedRect(QRectF(0.5, 0.5, p.width() - 1, p.height() - 1), 4, 4);
    return p;
}

namespace {

// `atual` chosen in a picker of codes; an odd one is offered as it stands.
void Selecionar(QComboBox* caixa, int atual) {
    int i = caixa->findData(atual);
    if (i < 0) {
        caixa->addItem(QString::number(atual), atual);
        i = caixa->count() - 1;
    }
    caixa->setCurrentIndex(i);
}

int CodigoEscolhido(const QComboBox* caixa) {
    return caixa->currentData().isValid() ? caixa->currentData().toInt() : 0;
}

} // namespace

void PreencherEstados(QComboBox* caixa, int atual) {
    caixa->clear();
    for (int e = 0; e < kEstados; ++e) caixa->addItem(ui::Q(world::nomeestado(e)), e);
    Selecionar(caixa, atual);
}

int EstadoEscolhido(const QComboBox* caixa) {
    return CodigoEscolhido(caixa);
}

void PreencherPaises(QComboBox* caixa, int atual) {
    caixa->clear();
    for (int p : world::PaisesEmOrdemAlfabetica()) caixa->addItem(ui::Q(world::NomePais(p)), p);
    Selecionar(caixa, atual);
}

int PaisEscolhido(const QComboBox* caixa) {
    return CodigoEscolhido(caixa);
}

std::string TextoDoCampo(const QLineEdit* campo, const std::string& inicial, std::size_t maximo) {
    if (campo->text() == ui::Q(inicial)) return inicial;
    return ui::ParaJogo(campo->text(), maximo);
}

void PrepararCampo(QLineEdit* campo, const std::string& inicial, int maximo) {
    campo->setMaxLength(std::max(maximo, static_cast<int>(inicial.size())));
    campo->setText(ui::Q(inicial));
}

} // namespace editor::telas
