// SPDX-License-Identifier: MIT
// Everything the engine does to its window, as one abstract interface: the main window
// implements it with its real controls, the tests with a fake. The engine knows a card
// control only through TControleCarta, which the window provides for each of its cards.
#pragma once

#include "Colors.h"
#include "Resultado.h"

#include <span>
#include <string>
#include <string_view>

namespace brivmemo {

// A card control as the engine sees it. The window owns it and keeps it for as long as the
// engine may refer to it.
class TControleCarta {
public:
    virtual ~TControleCarta() = default;
    // The card's place on the table, 1..40.
    virtual int Tag() const = 0;
};

enum class Rotulo { lblJogador1, lblPtJg1, lblJogadas1, lblJogador2, lblPtJg2, lblJogadas2 };

enum class Barra { pgbJg1, pgbJg2 };

enum class ComandoNivel { mnPrin, mnInter, mnMagico };

// The colours of the player labels: whose turn it is, and the other player.
constexpr TColor CorDaVez = clRed;
constexpr TColor CorDeEspera = clBlack;

class TJanelaJogo {
public:
    virtual ~TJanelaJogo() = default;

    // Every card control once, with its Tag, in the order of the table's children.
    virtual std::span<TControleCarta *const> cardControls() const = 0;
    // 0 shows the card back, 1..20 a face.
    virtual void setCardImage(TControleCarta &card, int bitmapIndex) = 0;
    // A hidden card is not drawn and takes no clicks.
    virtual void setCardVisible(TControleCarta &card, bool visible) = 0;

    virtual void setLabelText(Rotulo label, std::string_view text) = 0;
    virtual std::string labelText(Rotulo label) const = 0;
    virtual void setLabelColor(Rotulo label, TColor color) = 0;
    // lblJogador2 names the computer, in the player's language.
    virtual void showComputerAsPlayer2() = 0;

    virtual void setBarMaximum(Barra bar, int maximum) = 0;
    virtual void setBarPosition(Barra bar, int position) = 0;

    // Above 0, tmMarcaJogadaTimer runs that many milliseconds later and every such period
    // after; 0 stops the timer; setting the interval it already has changes nothing.
    virtual void setTimerInterval(int milliseconds) = 0;

    // Exactly one level command is checked.
    virtual bool isLevelChecked(ComandoNivel level) const = 0;

    // Tells the result in a modal message box with the application title as caption, no icon
    // and one OK button; returns when it is dismissed. The timer keeps running while it is open.
    virtual void showResult(const TResultado &resultado) = 0;
};

} // namespace brivmemo
