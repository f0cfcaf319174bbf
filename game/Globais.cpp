// SPDX-License-Identifier: MIT
#include "Globais.h"

#include <stdexcept>
#include <string>

namespace brivmemo {

TConfig Config;
std::int32_t TipoJogo = 0;
TJogador Jogador1;
TJogador Jogador2;
bool Ocupado = false;
bool PrimeiraVez = true;

void TCartas::outOfRange(int lugar)
{
    throw std::out_of_range("no card place " + std::to_string(lugar));
}

void resetGlobais()
{
    Config = TConfig {};
    TipoJogo = 0;
    Jogador1 = TJogador {};
    Jogador2 = TJogador {};
    Ocupado = false;
    PrimeiraVez = true;
}

} // namespace brivmemo
