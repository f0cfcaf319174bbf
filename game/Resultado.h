// SPDX-License-Identifier: MIT
// Which result a finished game tells, and the names it tells it with. The engine decides the
// result; the window words it in the player's language.
#pragma once

#include <string>

namespace brivmemo {

enum class Resultado {
    // Equal points, against a person or the computer.
    Empate,
    // Player 1 has more points than the computer.
    ComputadorVencido,
    // The computer has more points than player 1.
    ComputadorVenceu,
    // One person has more points than the other: vencedor won, perdedor lost.
    JogadorVenceu,
};

struct TResultado {
    Resultado tipo = Resultado::Empate;
    // The names as the player labels show them; empty unless two people played.
    std::string vencedor;
    std::string perdedor;

    friend bool operator==(const TResultado &, const TResultado &) = default;
};

} // namespace brivmemo
