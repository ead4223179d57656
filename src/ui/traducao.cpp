#include "ui/traducao.hpp"

#include "ui/textos.hpp"

#include <QCoreApplication>
#include <QTranslator>
#include <QVariant>

#include <cstring>

namespace ui {

namespace {

struct Texto {
    const char* original;
    int numero;            // language text, 0 = the built-in Portuguese
    const char* portugues; // UTF-8
};

// The standard buttons. "&" marks the accelerator in Qt's own texts.
constexpr Texto kBotoes[] = {
    {"OK", 0, "OK"},
    {"&Yes", 816, "&Sim"},
    {"&No", 817, "&Não"},
    {"Yes to &All", 0, "Sim para &todos"},
    {"N&o to All", 0, "Nã&o para todos"},
    {"Cancel", 354, "Cancelar"},
    {"Close", 268, "Fechar"},
    {"Save", 500, "Salvar"},
    {"Save All", 0, "Salvar todos"},
    {"Open", 0, "Abrir"},
    {"Discard", 0, "Descartar"},
    {"Don't Save", 0, "Não salvar"},
    {"Apply", 0, "Aplicar"},
    {"Reset", 0, "Redefinir"},
    {"Restore Defaults", 0, "Restaurar padrões"},
    {"Help", 0, "Ajuda"},
    {"Abort", 0, "Abortar"},
    {"Retry", 0, "Tentar de novo"},
    {"Ignore", 0, "Ignorar"},
    {"Show Details...", 0, "Mostrar detalhes..."},
    {"Hide Details...", 0, "Ocultar detalhes..."},
};

// The editing menu of text boxes.
constexpr Texto kEdicao[] = {
    {"&Undo", 0, "&Desfazer"},
    {"&Redo", 0, "&Refazer"},
    {"Cu&t", 0, "Recor&tar"},
    {"&Copy", 0, "&Copiar"},
    {"&Paste", 0, "Co&lar"},
    {"Delete", 0, "Excluir"},
    {"Select All", 0, "Selecionar tudo"},
};

QString Buscar(const Texto* inicio, const Texto* fim, const char* original) {
    for (const Texto* t = inicio; t != fim; ++t) {
        if (std::strcmp(t->original, original) != 0) continue;
        if (t->numero > 0) {
            // Accelerators stay off the language file's texts.
            const QString s = T(t->numero);
            if (!s.isEmpty() && s != QStringLiteral("Error")) return s;
        }
        return QString::fromUtf8(t->portugues);
    }
    return {};
}

class Tradutor : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* contexto, const char* original, const char* /*desambiguacao*/,
                      int /*n*/) const override {
        if (!contexto || !original) return {};
        if (std::strcmp(contexto, "QPlatformTheme") == 0 ||
            std::strcmp(contexto, "QDialogButtonBox") == 0 ||
            std::strcmp(contexto, "QMessageBox") == 0)
            return Buscar(std::begin(kBotoes), std::end(kBotoes), original);
        if (std::strcmp(contexto, "QLineEdit") == 0 ||
            std::strcmp(contexto, "QWidgetTextControl") == 0)
            return Buscar(std::begin(kEdicao), std::end(kEdicao), original);
        return {};
    }
};

} // namespace

void InstalarTraducaoQt(QCoreApplication& app) {
    // One translator for the process, installed once in each application.
    static Tradutor tradutor;
    if (app.property("pitchlord_traducao").toBool()) return;
    app.setProperty("pitchlord_traducao", true);
    QCoreApplication::installTranslator(&tradutor);
}

} // namespace ui
