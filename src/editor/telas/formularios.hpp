#pragma once
// The editor's forms: a club, a national team, a player. "OK" hands the
// values to the screen, which applies them; a refusal (a missing field, a
// duplicate) is told and the form stays open with what was typed.
#include "editor/editor.hpp"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace editor::telas {

// What a form needs from its screen: the message box, the colour and badge
// pickers (which tests answer themselves).
struct Servicos {
    std::function<void(const QString&)> avisar;
    std::function<QColor(const QColor&)> escolhercor;
    // The chosen badge name, or nothing when the picker was cancelled.
    std::function<std::optional<std::string>(bool selecao, const std::string& atual)>
        escolherescudo;
};

class Formulario : public QDialog {
    Q_OBJECT
public:
    QPushButton* botaoOk() const { return ok_; }
    // What the screen answered to the last "OK".
    const Resultado& UltimoResultado() const { return resultado_; }

protected:
    Formulario(const Servicos& servicos, QWidget* pai);
    // The form's rows above the buttons.
    void Montar(QLayout* campos);
    // Applies the values; true closes the form.
    virtual Resultado Aplicar() = 0;

    Servicos servicos_;

private:
    void Confirmar();
    QPushButton* ok_;
    Resultado resultado_;
};

// Background and text colours with their buttons, and the badge with its
// preview; shared by the club and the national-team forms.
class CoresEEscudo : public QObject {
    Q_OBJECT
public:
    CoresEEscudo(bool selecao, world::i32 fundo, world::i32 texto, std::string escudo,
                 const Servicos& servicos, QWidget* pai);
    QPushButton *botaoFundo, *botaoTexto, *botaoEscudo;
    QLabel *previa, *amostra;
    world::i32 fundo, texto;
    std::string escudo;
    void DefinirCores(world::i32 novofundo, world::i32 novotexto);
    void DefinirEscudo(const std::string& nome);
    void AtualizarAmostra(const QString& nome);

private:
    bool selecao_;
    Servicos servicos_;
};

class FormClube : public Formulario {
    Q_OBJECT
public:
    using Aplicador = std::function<Resultado(const DadosClube&)>;
    // `novo`: the new-club form (with the file name); else the edit form
    // (with the state).
    FormClube(bool novo, const DadosClube& inicial, const Servicos& servicos, Aplicador aplicar,
              QWidget* pai = nullptr);
    DadosClube Dados() const;

    QLineEdit *campoNomeCompleto, *campoNome, *campoTecnico, *campoEstadio, *campoArquivo;
    QComboBox *caixaPais, *caixaEstado; // the state by name (item data: 0..26)
    QSpinBox* caixaNivel;
    QLabel* figuraEstado;
    CoresEEscudo* cores;

protected:
    Resultado Aplicar() override { return aplicar_(Dados()); }

private:
    bool novo_;
    DadosClube inicial_;
    Aplicador aplicar_;
};

class FormSelecao : public Formulario {
    Q_OBJECT
public:
    using Aplicador = std::function<Resultado(const DadosSelecao&)>;
    // `novo`: with the country picker; else the team's country stays.
    FormSelecao(bool novo, const DadosSelecao& inicial, const Servicos& servicos, Aplicador aplicar,
                QWidget* pai = nullptr);
    DadosSelecao Dados() const;

    QComboBox* caixaPais;
    QLineEdit* campoTecnico;
    QSpinBox* caixaNivel;
    CoresEEscudo* cores;

protected:
    Resultado Aplicar() override { return aplicar_(Dados()); }

private:
    bool novo_;
    DadosSelecao inicial_;
    Aplicador aplicar_;
};

class FormJogador : public Formulario {
    Q_OBJECT
public:
    using Aplicador = std::function<Resultado(const DadosJogador&)>;
    // `clube`: with the nationality picker (a national team's players are of
    // its country).
    FormJogador(bool clube, const DadosJogador& inicial, const Servicos& servicos,
                Aplicador aplicar, QWidget* pai = nullptr);
    DadosJogador Dados() const;

    QLineEdit* campoNome;
    QComboBox *caixaPosicao, *caixaPais, *caixaCaract1, *caixaCaract2;
    QSlider* barraIdade;
    QLabel* rotuloIdade;
    QCheckBox *caixaEstrela, *caixaTitular;

protected:
    Resultado Aplicar() override { return aplicar_(Dados()); }

private:
    // The characteristic lists of a position; `manter` keeps the current
    // choices where the new lists still offer them.
    void PreencherCaracteristicas(int posicao, bool manter);

    bool clube_;
    DadosJogador inicial_;
    Aplicador aplicar_;
};

} // namespace editor::telas
