// SPDX-License-Identifier: MIT
#include "MonkeyInvariants.h"

#include "MMCheck.h"
#include "Timer.h"
#include "memo.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <array>

namespace brivmemo::test {
namespace {

constexpr int Faces = 20;
constexpr int PointsPerPair = 10;
constexpr int PointsPerGame = 200;

std::string levelMarks(const TForm1 &form)
{
    const std::array<const QAction *, 3> main {form.mnPrin, form.mnInter, form.mnMagico};
    const std::array<const QAction *, 3> popup {form.PopPrin, form.PopInter, form.PopMagico};
    int checkedMain = 0;
    int checkedPopup = 0;
    for (std::size_t level = 0; level < main.size(); ++level) {
        checkedMain += main[level]->isChecked() ? 1 : 0;
        checkedPopup += popup[level]->isChecked() ? 1 : 0;
        if (main[level]->isChecked() != popup[level]->isChecked())
            return "the menus disagree on " + main[level]->objectName().toStdString();
    }
    if (checkedMain != 1 || checkedPopup != 1)
        return std::to_string(checkedMain) + " levels checked in the main menu, "
            + std::to_string(checkedPopup) + " in the context menu";
    return {};
}

std::string deal(const TForm1 &form)
{
    std::array<int, Faces + 1> places {};
    for (int place = 1; place <= NumLugares; ++place) {
        const int face = form.Tabuleiro.Cartas[place].Valor;
        if (face < 1 || face > Faces)
            return "place " + std::to_string(place) + " holds face " + std::to_string(face);
        ++places[static_cast<std::size_t>(face)];
    }
    for (int face = 1; face <= Faces; ++face) {
        if (places[static_cast<std::size_t>(face)] != 2)
            return "face " + std::to_string(face) + " lies on "
                + std::to_string(places[static_cast<std::size_t>(face)]) + " places";
    }
    return {};
}

// Pairs leave together: the memory of taken cards holds both cards of a face or neither.
int pairsTaken(const TForm1 &form, std::string &broken)
{
    std::array<int, Faces + 1> taken {};
    for (int place = 1; place <= NumLugares; ++place) {
        if (form.BuffComp.Cartas[place].Retirada)
            ++taken[static_cast<std::size_t>(form.Tabuleiro.Cartas[place].Valor)];
    }
    int pairs = 0;
    for (int face = 1; face <= Faces; ++face) {
        const int cards = taken[static_cast<std::size_t>(face)];
        if (cards == 1)
            broken = "one card of face " + std::to_string(face) + " was taken without its partner";
        pairs += cards / 2;
    }
    return pairs;
}

std::string scores(const TForm1 &form)
{
    std::string broken;
    const int pairs = pairsTaken(form, broken);
    if (!broken.empty())
        return broken;
    if (form.Tabuleiro.Total != NumLugares - 2 * pairs)
        return "Total is " + std::to_string(form.Tabuleiro.Total) + " with " + std::to_string(pairs)
            + " pairs taken";
    const int points = Jogador1.Pontos + Jogador2.Pontos;
    if (Jogador1.Pontos < 0 || Jogador2.Pontos < 0 || Jogador1.Pontos % PointsPerPair != 0
        || Jogador2.Pontos % PointsPerPair != 0)
        return "points " + std::to_string(Jogador1.Pontos) + " and " + std::to_string(Jogador2.Pontos)
            + " are not whole pairs";
    if (points != PointsPerPair * pairs)
        return std::to_string(points) + " points for " + std::to_string(pairs) + " pairs taken";
    const int pairsLeft = form.Tabuleiro.Total / 2;
    if (points != PointsPerGame - PointsPerPair * pairsLeft)
        return std::to_string(points) + " points with " + std::to_string(pairsLeft) + " pairs left";
    return {};
}

std::string move(const TForm1 &form)
{
    if (form.CartasViradas < 0 || form.CartasViradas > 2)
        return "CartasViradas is " + std::to_string(form.CartasViradas);
    if (form.tmMarcaJogada->isActive() && (form.CartasViradas != 2 || !Ocupado))
        return "the move timer runs with " + std::to_string(form.CartasViradas) + " cards up and the board "
            + (Ocupado ? "locked" : "free");
    if (form.JogadorAtual != (Jogador1.Vez ? &Jogador1 : &Jogador2) || Jogador1.Vez == Jogador2.Vez)
        return "the player to move is not the one whose turn it is";
    return {};
}

std::string display(const TForm1 &form)
{
    for (int place = 1; place <= NumLugares; ++place) {
        const int picture = form.image(place).BitmapIndex();
        if (picture != 0 && picture != form.Tabuleiro.Cartas[place].Valor)
            return "place " + std::to_string(place) + " shows face " + std::to_string(picture)
                + " of another place";
        // Taken pairs leave the table; only the command that turns every card brings them back.
        if (form.image(place).isHidden() && !form.BuffComp.Cartas[place].Retirada)
            return "place " + std::to_string(place) + " is hidden while its card is on the table";
    }
    const std::array<std::pair<const TJogador *, std::pair<const QLabel *, const QProgressBar *>>, 2>
        players {{{&Jogador1, {form.lblPtJg1, form.pgbJg1}}, {&Jogador2, {form.lblPtJg2, form.pgbJg2}}}};
    for (const auto &[player, shown] : players) {
        if (shown.first->text() != QString::number(player->Pontos) || shown.second->value() != player->Pontos)
            return shown.first->objectName().toStdString() + " shows " + shown.first->text().toStdString()
                + " and its bar " + std::to_string(shown.second->value()) + " for "
                + std::to_string(player->Pontos) + " points";
    }
    return {};
}

} // namespace

std::string brokenInvariant(const TForm1 &form)
{
    for (auto *const rule : {levelMarks, deal, scores, move, display}) {
        std::string broken = rule(form);
        if (!broken.empty())
            return broken;
    }
    return {};
}

} // namespace brivmemo::test
