// SPDX-License-Identifier: MIT
// The state the whole game shares: the settings, the game type, the two players and the
// board lock, with the records of a card place and of a board and the deal sequence.
#pragma once

#include "Config.h"
#include "SettingsFile.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace brivmemo {

constexpr int NumLugares = 40;

struct TJogador {
    std::int32_t Tipo = 0; // 1 human, 2 computer
    std::int32_t Pontos = 0;
    std::int32_t Erros = 0;
    bool Vez = false;

    bool operator==(const TJogador &) const = default;
};

struct TCarta {
    std::int32_t Valor = 0;
    bool Livre = false;
    bool Fechada = false;
    bool Retirada = false;

    bool operator==(const TCarta &) const = default;
};

// The forty places of a board, numbered 1..40 like the Tag of their card controls.
class TCartas {
public:
    // Throws std::out_of_range for a place outside 1..40.
    TCarta &operator[](int lugar) { return cartas_[index(lugar)]; }
    const TCarta &operator[](int lugar) const { return cartas_[index(lugar)]; }

    auto begin() { return cartas_.begin(); }
    auto end() { return cartas_.end(); }
    auto begin() const { return cartas_.begin(); }
    auto end() const { return cartas_.end(); }

    bool operator==(const TCartas &) const = default;

private:
    static std::size_t index(int lugar)
    {
        if (lugar < 1 || lugar > NumLugares)
            outOfRange(lugar);
        return static_cast<std::size_t>(lugar - 1);
    }
    [[noreturn]] static void outOfRange(int lugar);

    std::array<TCarta, NumLugares> cartas_ {};
};

struct TTabuleiro {
    TCartas Cartas;
    std::int32_t Total = 0;

    bool operator==(const TTabuleiro &) const = default;
};

// The deal sequence: faces 1..20, then 1..20 again.
constexpr std::array<std::uint8_t, NumLugares> Baralho = [] {
    std::array<std::uint8_t, NumLugares> faces {};
    for (int i = 0; i < NumLugares; ++i)
        faces[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i % 20 + 1);
    return faces;
}();

extern TConfig Config;
extern std::int32_t TipoJogo; // 1 two people, any other value against the computer
extern TJogador Jogador1;
extern TJogador Jogador2;
extern bool Ocupado;
extern bool PrimeiraVez;

// Puts the shared state back as it is when the program starts; for tests.
void resetGlobais();

} // namespace brivmemo
