#include "shell/menuprincipal.hpp"

#include "shell/seletoridioma.hpp"
#include "ui/fundo.hpp"
#include "ui/textos.hpp"
#include "ui/textosnomeados.hpp"
#include "world/idioma.hpp"

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

// A menu entry: yellow, white under the pointer, clicked like a button.
class RotuloMenu : public QLabel {
    Q_OBJECT
public:
    explicit RotuloMenu(QWidget* pai) : QLabel(pai) {
        setCursor(Qt::PointingHandCursor);
        setAlignment(Qt::AlignCenter);
        QFont f = font();
        f.setPointSize(18);
        f.setBold(true);
        setFont(f);
        Pintar(false);
    }
    bool Destacado() const { return destacado_; }

signals:
    void clicado();

protected:
    void enterEvent(QEnterEvent*) override { Pintar(true); }
    void leaveEvent(QEvent*) override { Pintar(false); }
    void mouseReleaseEvent(QMouseEvent*) override { emit clicado(); }

private:
    void Pintar(bool branco) {
        destacado_ = branco;
        setStyleSheet(!isEnabled() ? "color: #8a8a6a;"
                      : branco     ? "color: white;"
                                   : "color: #f0d000;");
    }
    void changeEvent(QEvent* e) override {
        QLabel::changeEvent(e);
        if (e->type() == QEvent::EnabledChange) Pintar(false);
    }
    bool destacado_ = false;
};

MenuPrincipal::MenuPrincipal(QWidget* pai) : QWidget(pai) {
    // A dark green pitch, or the setup background tiled when it exists.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x0b, 0x3d, 0x1c));
    setPalette(pal);
    setAutoFillBackground(true);
    ui::PintarFundo(this, ui::kFundoConfiguracao);
    auto* titulo = new QLabel(QStringLiteral("Pitchlord 2007"), this);
    QFont f = titulo->font();
    f.setPointSize(30);
    f.setBold(true);
    titulo->setFont(f);
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setStyleSheet(QStringLiteral("color: white;"));

    novo_ = new RotuloMenu(this);
    carregar_ = new RotuloMenu(this);
    editor_ = new RotuloMenu(this);
    sobre_ = new RotuloMenu(this);
    sair_ = new RotuloMenu(this);
    connect(novo_, &RotuloMenu::clicado, this, &MenuPrincipal::novoJogo);
    connect(carregar_, &RotuloMenu::clicado, this, &MenuPrincipal::carregarJogo);
    connect(editor_, &RotuloMenu::clicado, this, [this] {
        if (editor_->isEnabled()) emit editor();
    });
    connect(sobre_, &RotuloMenu::clicado, this, &MenuPrincipal::sobre);
    connect(sair_, &RotuloMenu::clicado, this, &MenuPrincipal::sair);

    legendaidioma_ = new QLabel(this);
    legendaidioma_->setStyleSheet(QStringLiteral("color: white;"));
    idiomas_ = new SeletorIdioma(this);
    connect(idiomas_, &SeletorIdioma::idiomaTrocado, this, [this] {
        Traduzir();
        emit idiomaTrocado();
    });
    carregando_ = new QLabel(this);
    carregando_->setStyleSheet(QStringLiteral("color: white;"));
    carregando_->setAlignment(Qt::AlignCenter);
    carregando_->hide();

    auto* coluna = new QVBoxLayout(this);
    coluna->addStretch(2);
    coluna->addWidget(titulo);
    coluna->addSpacing(30);
    for (QLabel* l :
         {static_cast<QLabel*>(novo_), static_cast<QLabel*>(carregar_),
          static_cast<QLabel*>(editor_), static_cast<QLabel*>(sobre_), static_cast<QLabel*>(sair_)})
        coluna->addWidget(l);
    coluna->addSpacing(20);
    coluna->addWidget(carregando_);
    coluna->addStretch(3);
    auto* linha = new QHBoxLayout;
    linha->addStretch();
    linha->addWidget(legendaidioma_);
    linha->addWidget(idiomas_);
    coluna->addLayout(linha);
    Traduzir();
}

void MenuPrincipal::Traduzir() {
    novo_->setText(ui::T(1));
    carregar_->setText(ui::T(2));
    editor_->setText(ui::T(ui::kTextoEditorDeTimes));
    sair_->setText(ui::T(ui::kTextoSair));
    sobre_->setText(ui::T(ui::kTextoSobreOJogo));
    legendaidioma_->setText(ui::T(7));
    carregando_->setText(ui::T(ui::kTextoCarregando));
}

void MenuPrincipal::MostrarCarregando(bool sim) {
    carregando_->setVisible(sim);
}

void MostrarSobre(QWidget* pai) {
    QDialog caixa(pai);
    caixa.setWindowTitle(ui::T(ui::kTextoSobreOJogo));
    auto* coluna = new QVBoxLayout(&caixa);
    auto* nome = new QLabel(QStringLiteral("Pitchlord 2007"), &caixa);
    QFont f = nome->font();
    f.setPointSize(16);
    f.setBold(true);
    nome->setFont(f);
    nome->setAlignment(Qt::AlignCenter);
    coluna->addWidget(nome);
    auto* fechar = new QPushButton(ui::T(ui::kTextoFechar), &caixa);
    QObject::connect(fechar, &QPushButton::clicked, &caixa, &QDialog::accept);
    coluna->addWidget(fechar);
    caixa.exec(); // Escape closes a QDialog
}

} // namespace shell

#include "menuprincipal.moc"
