#include "editor/telas/gradejogadores.hpp"

#include "editor/telas/comum.hpp"
#include "editor/telas/telaeditor.hpp"
#include "ui/textos.hpp"
#include "world/opcoes.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <QHeaderView>
#include <QMimeData>
#include <QPainter>

namespace editor::telas {

namespace {

using T = TelaEditor;

const char* const kTitulos[T::kColunasJogador] = {
    "N.", "", "Nome", "", "Posição", "Nacionalidade", "Idade", "Características"};

QPixmap FiguraTitular() {
    QPixmap p(14, 14);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBrush(QColor(40, 150, 60));
    pintor.setPen(QColor(20, 90, 30));
    pintor.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    return p;
}

} // namespace

GradeJogadores::GradeJogadores(QWidget* pai) : QTableWidget(pai) {
    setObjectName(QStringLiteral("jogadores"));
    setColumnCount(T::kColunasJogador);
    QStringList titulos;
    for (const char* t : kTitulos) titulos << QString::fromUtf8(t);
    setHorizontalHeaderLabels(titulos);
    horizontalHeaderItem(T::kColStatus)->setToolTip(QStringLiteral("Titular"));
    horizontalHeaderItem(T::kColEstrela)->setToolTip(QStringLiteral("Craque"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDragEnabled(true);
    setDefaultDropAction(Qt::CopyAction);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    QHeaderView* h = horizontalHeader();
    h->setSectionResizeMode(QHeaderView::ResizeToContents);
    h->setSectionResizeMode(T::kColNome, QHeaderView::Stretch);
    h->setMinimumSectionSize(24);
}

void GradeJogadores::Mostrar(const Editor& ed, std::optional<Equipe> e) {
    equipe_ = e;
    vagas_.clear();
    clearContents();
    if (!e || !Existe(ed, *e)) {
        setRowCount(0);
        return;
    }
    const std::vector<LinhaJogador> linhas = JogadoresDe(ed, *e);
    setRowCount(static_cast<int>(linhas.size()));
    static const QPixmap titular = FiguraTitular();
    // Club players leave by dragging; a national team's stay where they are.
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                (e->selecao ? Qt::NoItemFlags : Qt::ItemIsDragEnabled);
    for (int f = 0; f < static_cast<int>(linhas.size()); ++f) {
        const LinhaJogador& l = linhas[static_cast<std::size_t>(f)];
        const DadosJogador& d = l.dados;
        vagas_.push_back(l.vaga);
        auto celula = [&](int coluna, const QString& texto) {
            auto* it = new QTableWidgetItem(texto);
            it->setFlags(flags);
            setItem(f, coluna, it);
            return it;
        };
        celula(T::kColNumero, QString::number(f + 1))->setTextAlignment(Qt::AlignCenter);
        auto* status = celula(T::kColStatus, {});
        if (l.titular) {
            status->setData(Qt::DecorationRole, titular);
            status->setToolTip(QStringLiteral("Titular"));
        }
        celula(T::kColNome, ui::Q(d.nome));
        auto* estrela = celula(T::kColEstrela, d.estrela ? QStringLiteral("★") : QString());
        estrela->setForeground(QColor(200, 150, 0));
        estrela->setTextAlignment(Qt::AlignCenter);
        if (d.estrela) estrela->setToolTip(QStringLiteral("Craque"));
        auto* posicao = celula(T::kColPosicao, ui::Q(world::NomePosicao(d.posicao)));
        // Each position on its colour of the squad lists, so the groups stand out.
        if (d.posicao >= 0 && d.posicao <= 4) {
            const QColor cor =
                CorDoArquivo(world::kCoresPadrao[static_cast<std::size_t>(d.posicao)]);
            posicao->setBackground(cor);
            posicao->setForeground(cor.lightness() > 140 ? Qt::black : Qt::white);
        }
        celula(T::kColPais, ui::Q(world::NomePais(d.pais)));
        celula(T::kColIdade, QString::number(d.idade))->setTextAlignment(Qt::AlignCenter);
        celula(T::kColCaract, ui::Q(world::TextoCaracteristicas(d.caract1, d.caract2)));
    }
}

int GradeJogadores::VagaDaFila(int fila) const {
    return fila >= 0 && fila < static_cast<int>(vagas_.size())
               ? vagas_[static_cast<std::size_t>(fila)]
               : -1;
}

int GradeJogadores::FilaDaVaga(int vaga) const {
    for (std::size_t f = 0; f < vagas_.size(); ++f)
        if (vagas_[f] == vaga) return static_cast<int>(f);
    return -1;
}

QMimeData* GradeJogadores::MimeDoJogador(int clube, int vaga) {
    auto* m = new QMimeData;
    m->setData(QString::fromLatin1(kMime), QStringLiteral("%1:%2").arg(clube).arg(vaga).toLatin1());
    return m;
}

bool GradeJogadores::LerMime(const QMimeData* mime, int& clube, int& vaga) {
    if (!mime || !mime->hasFormat(QString::fromLatin1(kMime))) return false;
    const QList<QByteArray> partes = mime->data(QString::fromLatin1(kMime)).split(':');
    if (partes.size() != 2) return false;
    bool ok1 = false, ok2 = false;
    clube = partes[0].toInt(&ok1);
    vaga = partes[1].toInt(&ok2);
    return ok1 && ok2;
}

QStringList GradeJogadores::mimeTypes() const {
    return {QString::fromLatin1(kMime)};
}

QMimeData* GradeJogadores::mimeData(const QList<QTableWidgetItem*>& itens) const {
    if (!equipe_ || equipe_->selecao || itens.isEmpty()) return nullptr;
    const int vaga = VagaDaFila(itens.first()->row());
    return vaga < 0 ? nullptr : MimeDoJogador(equipe_->indice, vaga);
}

} // namespace editor::telas
