#pragma once
// "Propor novo contrato": the coach offers one of his players a new salary
// for 12 to 96 more weeks; the player signs, refuses with a demand the
// coach accepts or refuses (then the player goes to auction), or finds the
// offer out of all reason.
#include "management/contratos.hpp"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace management::telas {

class TelaContrato : public QDialog {
    Q_OBJECT
public:
    TelaContrato(world::Jogo& jogo, int jogador, InteracaoMercado& ia, QWidget* pai = nullptr);

    QLineEdit* campoSalario() const { return salario_; }
    QPushButton* botaoMais() const { return mais_; }
    QPushButton* botaoMenos() const { return menos_; }
    QComboBox* caixaSemanas() const { return semanas_; }
    // "até dd/mm/aaaa": where the contract offered would end.
    QLabel* rotuloNovoFim() const { return novofim_; }
    QPushButton* botaoOferecer() const { return oferecer_; }
    QPushButton* botaoAceita() const { return aceita_; }
    QPushButton* botaoRecusa() const { return recusa_; }
    QLabel* mensagem() const { return mensagem_; }
    // The player signed a new contract or left in the auction.
    bool mudou() const { return mudou_; }

private:
    world::i32 Valor() const;
    void MudarValor(world::i32 v);
    void Atualizar();
    void Oferecer();
    void AceitarExigencia();
    void RecusarExigencia();

    world::Jogo& jogo_;
    int jogador_;
    InteracaoMercado& ia_;
    QLabel* atual_ = nullptr;
    QLabel* termino_ = nullptr;
    QLineEdit* salario_ = nullptr;
    QPushButton* mais_ = nullptr;
    QPushButton* menos_ = nullptr;
    QComboBox* semanas_ = nullptr;
    QLabel* novofim_ = nullptr;
    QPushButton* oferecer_ = nullptr;
    QWidget* exigencia_ = nullptr;
    QPushButton* aceita_ = nullptr;
    QPushButton* recusa_ = nullptr;
    QLabel* mensagem_ = nullptr;
    world::i32 exigido_ = 0;
    bool mudou_ = false;
};

} // namespace management::telas
