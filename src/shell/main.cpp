// The desktop game.
#include "persistence/jogosalvo.hpp"
#include "plataforma/arquivos.hpp"
#include "plataforma/caminhos.hpp"
#include "shell/janelaprincipal.hpp"
#include "ui/traducao.hpp"
#include "world/idioma.hpp"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::InstalarTraducaoQt(app);
    // The world from --dados, the working folder or the program's own; the
    // settings and saves beside the program, or in the player's folders when
    // the game is installed.
    plataforma::Origem origem;
    origem.atual = QDir::currentPath().toStdString();
    origem.programa = QCoreApplication::applicationDirPath().toStdString();
    origem.programagravavel = plataforma::PastaGravavel(origem.programa);
    const QStringList args = app.arguments();
    const int i = args.indexOf(QStringLiteral("--dados"));
    if (i >= 0 && i + 1 < args.size()) origem.dados = args[i + 1].toStdString();
    plataforma::UsarPastas(plataforma::EscolherPastas(origem));
    world::IniciarIdioma();
    // Saves killed midway in an earlier run left their temporary files.
    plataforma::LimparTemporarios(persistence::PastaSav());

    shell::JanelaPrincipal janela;
    janela.show();
    return app.exec();
}
