#pragma once
// The players of the team chosen in the editor, grouped by position. A club's
// players can be dragged (onto the national teams).
#include "editor/editor.hpp"

#include <QTableWidget>

#include <optional>
#include <vector>

namespace editor::telas {

class GradeJogadores : public QTableWidget {
public:
    explicit GradeJogadores(QWidget* pai = nullptr);

    void Mostrar(const Editor& ed, std::optional<Equipe> e);
    int VagaDaFila(int fila) const;
    int FilaDaVaga(int vaga) const;

    // What a dragged player carries: his club and slot.
    static constexpr const char* kMime = "application/x-pitchlord-jogador";
    static QMimeData* MimeDoJogador(int clube, int vaga);
    static bool LerMime(const QMimeData* mime, int& clube, int& vaga);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTableWidgetItem*>& itens) const override;

private:
    std::optional<Equipe> equipe_;
    std::vector<int> vagas_; // the slot each row shows
};

} // namespace editor::telas
