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
    // Data folders are looked up from the working folder; the settings file
    // sits beside the program.
    plataforma::DefinirRaiz(QDir::currentPath().toStdString());
    plataforma::DefinirPastaPrograma(QCoreApplication::applicationDirPath().toStdString());
    const QStringList args = app.arguments();
    const int i = args.indexOf(QStringLiteral("--dados"));
    if (i >= 0 && i + 1 < args.size()) plataforma::DefinirRaiz(args[i + 1].toStdString());
    world::IniciarIdioma();
    // Saves killed midway in an earlier run left their temporary files.
    plataforma::LimparTemporarios(persistence::PastaSav());

    shell::JanelaPrincipal janela;
    janela.show();
    return app.exec();
}
