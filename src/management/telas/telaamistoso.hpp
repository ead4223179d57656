#pragma once
// "Marcar amistoso": a free date, an opponent, the venue; the fee shown before
// "Ok", the confirmation, and the booked friendlies of the club below.
#include "management/amistosos.hpp"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace management::telas {

class TelaAmistoso : public QDialog {
    Q_OBJECT
public:
    // `pretemporada`: dates up to the first league or state-championship date.
    TelaAmistoso(world::Jogo& jogo, int clube, bool pretemporada, QWidget* pai = nullptr);

    // The confirmation "O dinheiro será descontado imediatamente. Confirmar
    // o amistoso?"; a box with "Sim" / "Não" unless replaced (tests).
    std::function<bool(const QString&)> confirmar;

    QListWidget* listaDatas() const { return datas_; }
    QComboBox* caixaAdversario() const { return adversario_; }
    QComboBox* caixaLocal() const { return local_; }
    QPushButton* botaoOk() const { return ok_; }
    QLabel* mensagem() const { return mensagem_; }
    QLabel* rotuloCota() const { return cota_; }
    QListWidget* listaMarcados() const { return marcados_; }

    // Selects by value (tests and the keyboard): a date index, a club.
    bool EscolherData(int indicedata);
    bool EscolherAdversario(int clube);
    void Ok();

private:
    void PreencherDatas();
    void PreencherMarcados();
    void Atualizar();
    int Data() const;
    int Adversario() const;
    bool EmCasa() const;
    // What the label says when "Ok" books nothing.
    QString TextoRecusa(Marcacao m) const;

    world::Jogo& jogo_;
    int clube_;
    bool pretemporada_;
    std::vector<int> adversarios_;
    QListWidget* datas_ = nullptr;
    QComboBox* adversario_ = nullptr;
    QComboBox* local_ = nullptr;
    QLabel* cota_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* mensagem_ = nullptr;
    QListWidget* marcados_ = nullptr;
    bool acabou_ = false; // booked: "Ok" and the opponent wait for another date
};

} // namespace management::telas
