#include "plataforma/datas.hpp"

#include <gtest/gtest.h>

using namespace plataforma;

TEST(Datas, DayCountsStartOn30December1899) {
    EXPECT_EQ(CodificarData(1899, 12, 30), 0);
    EXPECT_EQ(CodificarData(1900, 1, 1), 2);
    EXPECT_EQ(CodificarData(2007, 1, 1), 39083);
    EXPECT_EQ(CodificarData(1899, 12, 29), -1);
    EXPECT_EQ(DecodificarData(39083), (DataCivil{2007, 1, 1}));
    EXPECT_EQ(DecodificarData(39083.75), (DataCivil{2007, 1, 1})); // time of day dropped
}

TEST(Datas, WeekdaysCountFromSunday) {
    EXPECT_EQ(DiaDaSemana(0), 7);                         // Saturday
    EXPECT_EQ(DiaDaSemana(CodificarData(2007, 1, 7)), 1); // a Sunday
    EXPECT_EQ(DiaDaSemana(CodificarData(2006, 6, 9)), 6); // a Friday
    EXPECT_EQ(DiaDaSemana(-1), 6);
}

TEST(Datas, CalendarArithmetic) {
    for (std::int32_t d = -800; d < 80000; d += 37) {
        const DataCivil c = DecodificarData(d);
        ASSERT_TRUE(DataValida(c.ano, c.mes, c.dia));
        ASSERT_EQ(CodificarData(c.ano, c.mes, c.dia), d);
    }
    EXPECT_TRUE(AnoBissexto(2008));
    EXPECT_FALSE(AnoBissexto(2100));
    EXPECT_TRUE(AnoBissexto(2000));
    EXPECT_FALSE(DataValida(2007, 2, 29));
    EXPECT_EQ(SomarMeses(CodificarData(2008, 1, 31), 1), CodificarData(2008, 2, 29));
    EXPECT_EQ(SomarMeses(CodificarData(2007, 11, 15), 3), CodificarData(2008, 2, 15));
    EXPECT_EQ(SomarMeses(CodificarData(2007, 3, 31), -1), CodificarData(2007, 2, 28));
    EXPECT_EQ(DiaInteiro(1e300), 3000000); // garbage dates from a file stay harmless
}
