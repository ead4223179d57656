#include "apoio/apoio.hpp"
#include "world/opcoes.hpp"

#include <gtest/gtest.h>

using namespace world;

namespace {
TOpcoes Ler(const apoio::PastaTemporaria& pasta, const std::string& conteudo) {
    pasta.Escrever("pitchlord.ini", conteudo);
    TOpcoes o{};
    leopcoes(o);
    return o;
}
} // namespace

TEST(Opcoes, AnEmptyFileGivesEveryFallback) {
    apoio::PastaTemporaria pasta;
    const TOpcoes o = Ler(pasta, "");
    EXPECT_EQ(o.opvelocidade, 800);
    EXPECT_EQ(ItemVelocidade(o.opvelocidade), -1); // no item shows 800 ms
    EXPECT_EQ(o.opnhvelocidade, 600);
    EXPECT_TRUE(o.opintervalo);
    EXPECT_FALSE(o.op_verpenalty);
    EXPECT_FALSE(o.opvertrocatecnicos);
    EXPECT_TRUE(o.opsom);
    EXPECT_FALSE(o.opcontrato);
    EXPECT_TRUE(o.opminutos);
    EXPECT_FALSE(o.opcornalista);
    EXPECT_FALSE(o.opnegrito);
    EXPECT_EQ(o.opsalvar, 0);
    EXPECT_EQ(o.opemails, 0);
    EXPECT_EQ(o.opver62, 0);
    for (int c : o.cores) EXPECT_EQ(c, kCorInvalida); // no colour at all is no good colour
    EXPECT_EQ(leopcao("opcoes", "opsom"), "nofound");
}

TEST(Opcoes, StoredValuesMapToTheirDelaysAndSwitches) {
    apoio::PastaTemporaria pasta;
    const TOpcoes o =
        Ler(pasta, "[OPCOES]\r\nopvelocidade=4\r\nopnhvelocidade=6\r\nopintervalo=0\r\n"
                   "op_verpenalty=2\r\nopvertrocatecnicos=2\r\nopsom=0\r\n"
                   "opcornalista=1\r\nopnegrito=1\r\nopsalvar=2\r\nopemails=3\r\n"
                   "opver41=1\r\ncor0=clRed\r\ncor1=$00FF8000\r\ncor2=4822164\r\n"
                   "cor3=clwhite\r\ncor4=$0000FF00\r\n");
    EXPECT_EQ(o.opvelocidade, 200);
    EXPECT_EQ(o.opnhvelocidade, 10);
    EXPECT_FALSE(o.opintervalo);
    EXPECT_FALSE(o.op_verpenalty);     // only 1 switches it on
    EXPECT_TRUE(o.opvertrocatecnicos); // anything but 0 does
    EXPECT_FALSE(o.opsom);
    EXPECT_TRUE(o.opcornalista);
    EXPECT_TRUE(o.opnegrito);
    EXPECT_EQ(o.opsalvar, 2);
    EXPECT_EQ(o.opemails, 3);
    EXPECT_EQ(o.opver41, 1);
    EXPECT_EQ(o.cores[0], 0x0000FF);
    EXPECT_EQ(o.cores[1], 0xFF8000);
    EXPECT_EQ(o.cores[2], 4822164);
    EXPECT_EQ(o.cores[3], 0xFFFFFF);
    EXPECT_EQ(o.cores[4], 0x00FF00);
}

TEST(Opcoes, OddNumbersFallBackAsTheGameDid) {
    apoio::PastaTemporaria pasta;
    TOpcoes o = Ler(pasta, "[opcoes]\r\nopvelocidade=3\r\nopnhvelocidade=4\r\nopsalvar=7\r\n");
    EXPECT_EQ(o.opvelocidade, 500);
    EXPECT_EQ(o.opnhvelocidade, 600);
    EXPECT_EQ(o.opsalvar, 0);
    o = Ler(pasta, "[opcoes]\r\nopvelocidade=9\r\nopnhvelocidade=-1\r\nopsalvar=x\r\n");
    EXPECT_EQ(o.opvelocidade, 500);
    EXPECT_EQ(o.opnhvelocidade, 600);
    EXPECT_EQ(o.opsalvar, 0);
}

TEST(Opcoes, OneBadColourTurnsAllFiveRed) {
    apoio::PastaTemporaria pasta;
    std::string t = "[opcoes]\r\n";
    for (int i = 0; i < 5; ++i)
        t += "cor" + std::to_string(i) + "=" + TextoCor(kCoresPadrao[i]) + "\r\n";
    TOpcoes o = Ler(pasta, t);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(o.cores[i], kCoresPadrao[i]);
    gravaopcao("opcoes", "cor2", "azulado");
    leopcoes(o);
    for (int c : o.cores) EXPECT_EQ(c, kCorInvalida);
}

TEST(Opcoes, WritingAnOptionKeepsTheOthersAndSpeedItemsMapToDelays) {
    apoio::PastaTemporaria pasta;
    Ler(pasta, "; mine\r\n[opcoes]\r\nop_verpenalty=1\r\n");
    gravaopcao("opcoes", "opvertrocatecnicos", "0");
    EXPECT_EQ(leopcao("opcoes", "op_verpenalty"), "1");
    EXPECT_EQ(leopcao("opcoes", "opvertrocatecnicos"), "0");
    EXPECT_EQ(
        pasta.Ler("pitchlord.ini").size(),
        std::string("; mine\r\n[opcoes]\r\nop_verpenalty=1\r\nopvertrocatecnicos=0\r\n").size());
    // The item a player picks is written; reading it back gives that item's delay.
    for (int item = 0; item < 6; ++item) {
        gravaopcao("opcoes", "opvelocidade", std::to_string(item));
        TOpcoes o{};
        leopcoes(o);
        EXPECT_EQ(o.opvelocidade, kVelocidades[item]) << item;
        EXPECT_EQ(ItemVelocidade(o.opvelocidade), item);
    }
    for (int item = 0; item < 7; ++item) {
        gravaopcao("opcoes", "opnhvelocidade", std::to_string(item));
        TOpcoes o{};
        leopcoes(o);
        EXPECT_EQ(o.opnhvelocidade, kVelocidadesSemHumanos[item]) << item;
    }
}
