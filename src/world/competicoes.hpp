#pragma once
// Competition codes, shared by the calendar, the fixtures, the per-club and
// per-player counters and the champions lists.

namespace world {

enum Competicao : int {
    kSemEvento = -1,
    kAmistoso = 0, // on a calendar date: a free date
    kLiga = 1,
    kCopaNacional = 2,
    kEstadual = 3,
    kContinental1 = 4,
    kMundialDeClubes = 5,
    kContinental2 = 6,
    kCopaDoMundo = 7,
    kCopaAmerica = 8,
    kEurocopa = 9,
};

// The national-team tournaments: World Cup, Copa America, Euro.
constexpr bool EhTorneioDeSelecoes(int codigo) {
    return codigo >= kCopaDoMundo && codigo <= kEurocopa;
}

} // namespace world
