#include "editor/telas/formularios.hpp"

#include "editor/telas/comum.hpp"
#include "ui/textos.hpp"
#include "world/paises.hpp"
#include "world/posicoes.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace editor::telas {

using world::i32;

namespace {

// A field a form does not show stays its child, hidden, so it goes with it.
void Guardar(QWidget* campo, QWidget* formulario) {
    campo->setParent(formulario);
    campo->hide();
}

QSpinBox* Numero(int minimo, int maximo, int atual) {
    auto* s = new QSpinBox;
    // An odd stored value is shown as it is rather than silently changed.
    s->setRange(std::min(minimo, atual), std::max(maximo, atual));
    s->setValue(atual);
    return s;
}

QLineEdit* Campo(const std::string& inicial, int maximo) {
    auto* c = new QLineEdit;
    PrepararCampo(c, inicial, maximo);
    c->setMinimumWidth(260);
    return c;
}

} // namespace

// --- Formulario --------------------------------------------------------------

Formulario::Formulario(const Servicos& servicos, QWidget* pai)
    : QDialog(pai), servicos_(servicos), ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setModal(true);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &Formulario::Confirmar);
}

void Formulario::Montar(QLayout* campos) {
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("cancelar"));
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    rodape->addWidget(ok_);
    rodape->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addSpacing(8);
    layout->addLayout(rodape);
}

void Formulario::Confirmar() {
    resultado_ = Aplicar();
    if (resultado_.Alterou()) {
        accept(); // a failed write is told by the screen, the change kept
        return;
    }
    if (servicos_.avisar) servicos_.avisar(ui::Q(Mensagem(resultado_)));
}

// --- CoresEEscudo --------------------------------------------------------------

CoresEEscudo::CoresEEscudo(bool selecao, i32 fundo_, i32 texto_, std::string escudo_,
                           const Servicos& servicos, QWidget* pai)
    : QObject(pai), fundo(fundo_), texto(texto_), escudo(std::move(escudo_)), selecao_(selecao),
      servicos_(servicos) {
    botaoFundo = new QPushButton(QStringLiteral("Cor de fundo..."), pai);
    botaoFundo->setObjectName(QStringLiteral("corfundo"));
    botaoTexto = new QPushButton(QStringLiteral("Cor do texto..."), pai);
    botaoTexto->setObjectName(QStringLiteral("cortexto"));
    botaoEscudo = new QPushButton(QStringLiteral("Escolher escudo..."), pai);
    botaoEscudo->setObjectName(QStringLiteral("escudo"));
    previa = new QLabel(pai);
    previa->setFixedSize(72, 72);
    previa->setAlignment(Qt::AlignCenter);
    previa->setFrameShape(QFrame::StyledPanel);
    amostra = new QLabel(pai);
    amostra->setAlignment(Qt::AlignCenter);
    amostra->setMinimumWidth(200);
    connect(botaoFundo, &QPushButton::clicked, this, [this] {
        if (!servicos_.escolhercor) return;
        const QColor c = servicos_.escolhercor(CorDoArquivo(fundo));
        if (c.isValid()) DefinirCores(CorParaArquivo(c), texto);
    });
    connect(botaoTexto, &QPushButton::clicked, this, [this] {
        if (!servicos_.escolhercor) return;
        const QColor c = servicos_.escolhercor(CorDoArquivo(texto));
        if (c.isValid()) DefinirCores(fundo, CorParaArquivo(c));
    });
    connect(botaoEscudo, &QPushButton::clicked, this, [this] {
        if (!servicos_.escolherescudo) return;
        if (const auto nome = servicos_.escolherescudo(selecao_, escudo)) DefinirEscudo(*nome);
    });
    DefinirCores(fundo, texto);
    DefinirEscudo(escudo);
}

void CoresEEscudo::DefinirCores(i32 novofundo, i32 novotexto) {
    fundo = novofundo;
    texto = novotexto;
    PintarBotaoCor(botaoFundo, fundo);
    PintarBotaoCor(botaoTexto, texto);
    // The name on the team's colours exactly as chosen: here the player sees
    // whether they read.
    amostra->setStyleSheet(
        QStringLiteral("QLabel { background-color: %1; color: %2; border: 1px solid #404040;"
                       " padding: 4px 10px; font-weight: bold; }")
            .arg(CorDoArquivo(fundo).name(), CorDoArquivo(texto).name()));
}

void CoresEEscudo::DefinirEscudo(const std::string& nome) {
    escudo = nome;
    const QPixmap p = FiguraEscudo(selecao_, escudo);
    previa->setPixmap(p.isNull() ? QPixmap()
                                 : p.scaled(previa->size() - QSize(6, 6), Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation));
    previa->setToolTip(escudo.empty() ? QStringLiteral("Sem escudo") : ui::Q(escudo));
}

void CoresEEscudo::AtualizarAmostra(const QString& nome) {
    amostra->setText(nome.isEmpty() ? QStringLiteral("—") : nome);
}

namespace {

QHBoxLayout* LinhaCores(CoresEEscudo* c) {
    auto* l = new QHBoxLayout;
    l->addWidget(c->botaoFundo);
    l->addWidget(c->botaoTexto);
    l->addStretch();
    return l;
}

QHBoxLayout* LinhaEscudo(CoresEEscudo* c) {
    auto* l = new QHBoxLayout;
    l->addWidget(c->previa);
    l->addWidget(c->botaoEscudo);
    l->addStretch();
    return l;
}

} // namespace

// --- FormClube -------------------------------------------------------------------

FormClube::FormClube(bool novo, const DadosClube& inicial, const Servicos& servicos,
                     Aplicador aplicar, QWidget* pai)
    : Formulario(servicos, pai), novo_(novo), inicial_(inicial), aplicar_(std::move(aplicar)) {
    setWindowTitle(novo ? QStringLiteral("Novo clube") : QStringLiteral("Editar clube"));
    setObjectName(QStringLiteral("formclube"));
    campoNomeCompleto = Campo(inicial.nomecompleto, 25);
    campoNome = Campo(inicial.nome, 25);
    campoTecnico = Campo(inicial.tecnico, 25);
    campoEstadio = Campo(inicial.estadio, 30);
    campoArquivo = Campo(novo ? inicial.arquivo : std::string(), 25);
    caixaPais = new QComboBox;
    PreencherPaises(caixaPais, inicial.pais);
    caixaNivel = Numero(0, kNivelMaximo, inicial.nivel);
    caixaEstado = new QComboBox;
    caixaEstado->setObjectName(QStringLiteral("estado"));
    PreencherEstados(caixaEstado, inicial.estado);
    figuraEstado = new QLabel;
    cores = new CoresEEscudo(false, inicial.corfundo, inicial.cortexto, inicial.escudo, servicos_,
                             this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nome completo:"), campoNomeCompleto);
    form->addRow(QStringLiteral("Nome curto:"), campoNome);
    form->addRow(QStringLiteral("Técnico:"), campoTecnico);
    form->addRow(QStringLiteral("Estádio:"), campoEstadio);
    if (novo) {
        auto* linha = new QHBoxLayout;
        linha->addWidget(campoArquivo);
        linha->addWidget(new QLabel(QStringLiteral(".b07")));
        form->addRow(QStringLiteral("Nome do arquivo:"), linha);
    } else {
        Guardar(campoArquivo, this);
    }
    form->addRow(QStringLiteral("País:"), caixaPais);
    form->addRow(QStringLiteral("Nível (0 a 25):"), caixaNivel);
    if (!novo) {
        auto* linha = new QHBoxLayout;
        linha->addWidget(caixaEstado);
        linha->addWidget(figuraEstado);
        linha->addStretch();
        form->addRow(QStringLiteral("Estado:"), linha);
        auto mostrar = [this] {
            figuraEstado->setPixmap(FiguraEstado(EstadoEscolhido(caixaEstado)));
        };
        connect(caixaEstado, &QComboBox::currentIndexChanged, this, mostrar);
        mostrar();
    } else {
        Guardar(caixaEstado, this);
        Guardar(figuraEstado, this);
    }
    form->addRow(QStringLiteral("Cores:"), LinhaCores(cores));
    form->addRow(QString(), cores->amostra);
    form->addRow(QStringLiteral("Escudo:"), LinhaEscudo(cores));
    connect(campoNome, &QLineEdit::textChanged, cores, &CoresEEscudo::AtualizarAmostra);
    cores->AtualizarAmostra(campoNome->text());
    Montar(form);
}

DadosClube FormClube::Dados() const {
    DadosClube d = inicial_;
    d.nomecompleto = TextoDoCampo(campoNomeCompleto, inicial_.nomecompleto, 25);
    d.nome = TextoDoCampo(campoNome, inicial_.nome, 25);
    d.tecnico = TextoDoCampo(campoTecnico, inicial_.tecnico, 25);
    d.estadio = TextoDoCampo(campoEstadio, inicial_.estadio, 30);
    if (novo_) d.arquivo = ui::ParaJogo(campoArquivo->text().trimmed(), 25);
    d.pais = PaisEscolhido(caixaPais);
    d.nivel = caixaNivel->value();
    d.estado = EstadoEscolhido(caixaEstado);
    d.corfundo = cores->fundo;
    d.cortexto = cores->texto;
    d.escudo = cores->escudo;
    return d;
}

// --- FormSelecao -------------------------------------------------------------------

FormSelecao::FormSelecao(bool novo, const DadosSelecao& inicial, const Servicos& servicos,
                         Aplicador aplicar, QWidget* pai)
    : Formulario(servicos, pai), novo_(novo), inicial_(inicial), aplicar_(std::move(aplicar)) {
    setWindowTitle(novo ? QStringLiteral("Nova seleção") : QStringLiteral("Editar seleção"));
    setObjectName(QStringLiteral("formselecao"));
    caixaPais = new QComboBox;
    PreencherPaises(caixaPais, inicial.pais);
    caixaPais->setEnabled(novo);
    campoTecnico = Campo(inicial.tecnico, 30);
    caixaNivel = Numero(1, kNivelMaximo, inicial.nivel);
    cores =
        new CoresEEscudo(true, inicial.corfundo, inicial.cortexto, inicial.escudo, servicos_, this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("País:"), caixaPais);
    form->addRow(QStringLiteral("Técnico:"), campoTecnico);
    form->addRow(QStringLiteral("Nível (1 a 25):"), caixaNivel);
    form->addRow(QStringLiteral("Cores:"), LinhaCores(cores));
    form->addRow(QString(), cores->amostra);
    form->addRow(QStringLiteral("Escudo:"), LinhaEscudo(cores));
    auto nome = [this] { cores->AtualizarAmostra(caixaPais->currentText()); };
    connect(caixaPais, &QComboBox::currentIndexChanged, this, nome);
    nome();
    Montar(form);
}

DadosSelecao FormSelecao::Dados() const {
    DadosSelecao d = inicial_;
    if (novo_) d.pais = PaisEscolhido(caixaPais);
    d.tecnico = TextoDoCampo(campoTecnico, inicial_.tecnico, 30);
    d.nivel = caixaNivel->value();
    d.corfundo = cores->fundo;
    d.cortexto = cores->texto;
    d.escudo = cores->escudo;
    return d;
}

// --- FormJogador -------------------------------------------------------------------

FormJogador::FormJogador(bool clube, const DadosJogador& inicial, const Servicos& servicos,
                         Aplicador aplicar, QWidget* pai)
    : Formulario(servicos, pai), clube_(clube), inicial_(inicial), aplicar_(std::move(aplicar)) {
    setWindowTitle(QStringLiteral("Jogador"));
    setObjectName(QStringLiteral("formjogador"));
    campoNome = Campo(inicial.nome, 35);
    caixaPosicao = new QComboBox;
    for (int p = 0; p <= 4; ++p) caixaPosicao->addItem(ui::Q(world::NomePosicao(p)), p);
    if (caixaPosicao->findData(inicial.posicao) < 0)
        caixaPosicao->addItem(QString::number(inicial.posicao), inicial.posicao);
    caixaPosicao->setCurrentIndex(caixaPosicao->findData(inicial.posicao));
    caixaPais = new QComboBox;
    PreencherPaises(caixaPais, inicial.pais);
    barraIdade = new QSlider(Qt::Horizontal);
    barraIdade->setRange(std::min(15, inicial.idade), std::max(45, inicial.idade));
    barraIdade->setValue(inicial.idade);
    barraIdade->setMinimumWidth(200);
    rotuloIdade = new QLabel;
    rotuloIdade->setMinimumWidth(30);
    auto idade = [this](int v) { rotuloIdade->setText(QString::number(v)); };
    connect(barraIdade, &QSlider::valueChanged, this, idade);
    idade(barraIdade->value());
    caixaEstrela = new QCheckBox(QStringLiteral("Craque"));
    caixaEstrela->setChecked(inicial.estrela);
    caixaTitular = new QCheckBox(QStringLiteral("Titular"));
    caixaTitular->setChecked(inicial.titular);
    caixaCaract1 = new QComboBox;
    caixaCaract2 = new QComboBox;
    PreencherCaracteristicas(inicial.posicao, false);
    for (auto [caixa, valor] :
         {std::pair{caixaCaract1, inicial.caract1}, std::pair{caixaCaract2, inicial.caract2}}) {
        int i = caixa->findData(valor);
        if (i < 0) { // not offered for the position: kept while untouched
            const std::string nome = world::NomeCaracteristica(valor);
            caixa->addItem(nome.empty() ? QString::number(valor) : ui::Q(nome), valor);
            i = caixa->count() - 1;
        }
        caixa->setCurrentIndex(i);
    }
    connect(caixaPosicao, &QComboBox::currentIndexChanged, this,
            [this] { PreencherCaracteristicas(caixaPosicao->currentData().toInt(), true); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nome:"), campoNome);
    form->addRow(QStringLiteral("Posição:"), caixaPosicao);
    if (clube)
        form->addRow(QStringLiteral("País:"), caixaPais);
    else
        Guardar(caixaPais, this);
    auto* linha = new QHBoxLayout;
    linha->addWidget(barraIdade);
    linha->addWidget(rotuloIdade);
    form->addRow(QStringLiteral("Idade:"), linha);
    // What the file says of his strength: in a game each adds 7 to the
    // club's base.
    auto* forca = new QHBoxLayout;
    forca->addWidget(caixaTitular);
    forca->addWidget(caixaEstrela);
    forca->addStretch();
    form->addRow(QStringLiteral("Força:"), forca);
    auto* nota =
        new QLabel(QStringLiteral("No jogo: força do clube, mais 0 a 5, +7 titular, +7 craque"));
    QFont pequena = nota->font();
    pequena.setPointSizeF(pequena.pointSizeF() * 0.9);
    nota->setFont(pequena);
    form->addRow(QString(), nota);
    form->addRow(QStringLiteral("Característica 1:"), caixaCaract1);
    form->addRow(QStringLiteral("Característica 2:"), caixaCaract2);
    Montar(form);
}

void FormJogador::PreencherCaracteristicas(int posicao, bool manter) {
    for (QComboBox* caixa : {caixaCaract1, caixaCaract2}) {
        const QVariant atual = caixa->currentData();
        caixa->clear();
        for (int c : CaracteristicasDaPosicao(posicao)) {
            QString nome = ui::Q(world::NomeCaracteristica(c));
            // The four goalkeeper codes share one name.
            if (posicao == 0) nome += QStringLiteral(" %1").arg(c + 1);
            caixa->addItem(nome, c);
        }
        const int i = manter && atual.isValid() ? caixa->findData(atual) : -1;
        caixa->setCurrentIndex(i >= 0 ? i : 0);
    }
}

DadosJogador FormJogador::Dados() const {
    DadosJogador d = inicial_;
    d.nome = TextoDoCampo(campoNome, inicial_.nome, 35);
    d.posicao = caixaPosicao->currentData().toInt();
    if (clube_) d.pais = PaisEscolhido(caixaPais);
    d.idade = barraIdade->value();
    d.estrela = caixaEstrela->isChecked();
    d.titular = caixaTitular->isChecked();
    d.caract1 = caixaCaract1->currentData().toInt();
    d.caract2 = caixaCaract2->currentData().toInt();
    return d;
}

} // namespace editor::telas
