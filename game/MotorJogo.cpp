// SPDX-License-Identifier: MIT
#include "MotorJogo.h"

#include "SpeedsAndLevels.h"

#include <utility>

namespace brivmemo {
namespace {

constexpr int PontosPorPar = 10;
constexpr int PontosDoJogo = 200;

} // namespace

void TMotorJogo::Inic_Jogo()
{
    setLabelText(Rotulo::lblPtJg1, "0");
    setLabelColor(Rotulo::lblPtJg1, CorDaVez);
    setLabelColor(Rotulo::lblJogador1, CorDaVez);
    setLabelText(Rotulo::lblJogador1, nameText(Config.Nome1));
    setLabelColor(Rotulo::lblJogadas1, CorDaVez);
    setLabelText(Rotulo::lblJogadas1, "0");
    Jogador1 = TJogador {1, 0, 0, true};

    setLabelText(Rotulo::lblPtJg2, "0");
    setLabelColor(Rotulo::lblPtJg2, CorDeEspera);
    setLabelColor(Rotulo::lblJogador2, CorDeEspera);
    setLabelColor(Rotulo::lblJogadas2, CorDeEspera);
    setLabelText(Rotulo::lblJogadas2, "0");
    Jogador2.Pontos = 0;
    Jogador2.Erros = 0;
    Jogador2.Vez = false;

    JogadorAtual = &Jogador1;
    Carta1 = nullptr;
    Carta2 = nullptr;
    setTimerInterval(0);
    CartasViradas = 0;
    Limpa_Baralho();
    Inic_Tabuleiro();
    BuffComp = Tabuleiro;
    Inic_BuffComp();

    if (TipoJogo == 1) {
        Jogador2.Tipo = 1;
        setLabelText(Rotulo::lblJogador2, nameText(Config.Nome2));
    } else {
        Jogador2.Tipo = 2;
        showComputerAsPlayer2();
    }
    for (const Barra barra : {Barra::pgbJg1, Barra::pgbJg2}) {
        setBarMaximum(barra, PontosDoJogo);
        setBarPosition(barra, 0);
    }
    observer().gameDealt();
}

void TMotorJogo::image1Click(TControleCarta &Sender)
{
    Mostra_Carta(Sender);
}

void TMotorJogo::Mostra_Carta(TControleCarta &Carta)
{
    const int lugar = Carta.Tag();
    if (lugar < 1 || lugar > NumLugares || !Tabuleiro.Cartas[lugar].Fechada || Ocupado
        || JogadorAtual == nullptr || JogadorAtual->Tipo != 1)
        return;
    turnFaceUp(Carta);
    BuffComp.Cartas[lugar].Livre = false;
    if (CartasViradas == 1) {
        Carta1 = &Carta;
    } else if (CartasViradas == 2) {
        Ocupado = true;
        Carta2 = &Carta;
        startMoveTimer();
    }
}

void TMotorJogo::Vira_Carta(TControleCarta &Carta)
{
    setCardImage(Carta, 0);
    Tabuleiro.Cartas[Carta.Tag()].Fechada = true;
    --CartasViradas;
    observer().cardTurnedDown(Carta.Tag());
}

void TMotorJogo::Esconde_Carta(TControleCarta &Carta)
{
    setCardImage(Carta, 0);
    Tabuleiro.Cartas[Carta.Tag()].Fechada = true;
    setCardVisible(Carta, false);
    observer().cardRemoved(Carta.Tag());
}

void TMotorJogo::Testa_Cartas()
{
    const int jogador = JogadorAtual == &Jogador1 ? 1 : 2;
    const bool par = Tabuleiro.Cartas[Carta1->Tag()].Valor == Tabuleiro.Cartas[Carta2->Tag()].Valor;
    if (par) {
        for (TControleCarta *carta : {Carta1, Carta2}) {
            Esconde_Carta(*carta);
            BuffComp.Cartas[carta->Tag()].Retirada = true;
        }
        JogadorAtual->Pontos += PontosPorPar;
        Tabuleiro.Total -= 2;
        setBarPosition(Barra::pgbJg1, Jogador1.Pontos);
        setBarPosition(Barra::pgbJg2, Jogador2.Pontos);
    } else if (Jogador1.Vez) {
        ++Jogador1.Erros;
        Jogador1.Vez = false;
        Jogador2.Vez = true;
        JogadorAtual = &Jogador2;
        showTurn(Jogador2);
    } else {
        ++Jogador2.Erros;
        Jogador1.Vez = true;
        Jogador2.Vez = false;
        JogadorAtual = &Jogador1;
        showTurn(Jogador1);
    }
    observer().moveScored(par, jogador);
}

void TMotorJogo::tmMarcaJogadaTimer()
{
    // Only the end of a move may run here; a stray event (the timer firing in a nested
    // message loop after the move was settled, or after a new game) must not score again.
    if (CartasViradas != 2 || Carta1 == nullptr || Carta2 == nullptr) {
        setTimerInterval(0);
        return;
    }
    Vira_Carta(*Carta1);
    Vira_Carta(*Carta2);
    setTimerInterval(0);
    Testa_Cartas();
    showScores();

    if (Tab_Vazio(Tabuleiro)) {
        observer().gameOver();
        showResult(resultado());
        Ocupado = true;
        setTimerInterval(0);
        return;
    }
    Ocupado = false;
    if (JogadorAtual->Tipo == 2) {
        Ocupado = true;
        switch (playingLevel(*this)) {
        case ComandoNivel::mnInter:
            Joga_Computador();
            break;
        case ComandoNivel::mnPrin:
            Joga_Computador_Facil();
            break;
        case ComandoNivel::mnMagico:
            Joga_Computador_Magico();
            break;
        }
    }
}

void TMotorJogo::showTurn(const TJogador &jogador)
{
    const bool vez1 = &jogador == &Jogador1;
    const TColor cor1 = vez1 ? CorDaVez : CorDeEspera;
    const TColor cor2 = vez1 ? CorDeEspera : CorDaVez;
    setLabelColor(Rotulo::lblJogador1, cor1);
    setLabelColor(Rotulo::lblPtJg1, cor1);
    setLabelColor(Rotulo::lblJogadas1, cor1);
    setLabelColor(Rotulo::lblJogador2, cor2);
    setLabelColor(Rotulo::lblPtJg2, cor2);
    setLabelColor(Rotulo::lblJogadas2, cor2);
}

void TMotorJogo::showScores()
{
    setLabelText(Rotulo::lblPtJg1, std::to_string(Jogador1.Pontos));
    setLabelText(Rotulo::lblPtJg2, std::to_string(Jogador2.Pontos));
    setLabelText(Rotulo::lblJogadas1, std::to_string(Jogador1.Erros));
    setLabelText(Rotulo::lblJogadas2, std::to_string(Jogador2.Erros));
}

TResultado TMotorJogo::resultado() const
{
    if (Jogador1.Pontos == Jogador2.Pontos)
        return {Resultado::Empate, {}, {}};
    const bool venceu1 = Jogador1.Pontos > Jogador2.Pontos;
    if (Jogador2.Tipo == 2)
        return {venceu1 ? Resultado::ComputadorVencido : Resultado::ComputadorVenceu, {}, {}};
    std::string nome1 = labelText(Rotulo::lblJogador1);
    std::string nome2 = labelText(Rotulo::lblJogador2);
    if (!venceu1)
        std::swap(nome1, nome2);
    return {Resultado::JogadorVenceu, std::move(nome1), std::move(nome2)};
}

} // namespace brivmemo
