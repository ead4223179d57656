#pragma once
// The match sounds: four short wave files under their aliases, played only
// while the sounds option is on. A missing file, a missing sound device or a
// failing back end leaves the game silent, never in trouble.
#include <QObject>

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

namespace ui {

class Som : public QObject {
    Q_OBJECT
public:
    explicit Som(QObject* pai = nullptr);
    ~Som() override;

    // "gol", "fimjogo", "penalty" or "contusao"; `ligado` is the sounds option.
    void Tocar(const std::string& alias, bool ligado);
    // Whether the alias's file was found at start-up.
    bool Tem(const std::string& alias) const;
    int Tocados() const { return tocados_; } // plays asked of the back end

private:
    std::map<std::string, std::string> arquivos_;  // alias -> file found
    std::map<std::string, QSoundEffect*> efeitos_; // made on first use
    int tocados_ = 0;
};

} // namespace ui
