// SPDX-License-Identifier: MIT
#include "PerfectMemoryPlayer.h"

namespace brivmemo::testing {
namespace {

bool onTableFaceDown(const FakeGameWindow &window, int place)
{
    const FakeCard &card = window.card(place);
    return card.visible && card.bitmapIndex == 0;
}

std::size_t slot(int number)
{
    return static_cast<std::size_t>(number);
}

} // namespace

int PerfectMemoryPlayer::playGame(FakeGameWindow &window, int maxMoves)
{
    forget();
    for (int moves = 0; moves < maxMoves; ++moves) {
        if (window.CartasViradas != 2)
            playMove(window);
        if (window.CartasViradas != 2)
            return -1;
        observe(window);
        window.fireTimer();
        if (!window.results().empty())
            return moves + 1;
    }
    return -1;
}

void PerfectMemoryPlayer::forget()
{
    faceAt_ = {};
    placesOf_ = {};
}

void PerfectMemoryPlayer::observe(const FakeGameWindow &window)
{
    for (const TControleCarta *turned : {window.Carta1, window.Carta2}) {
        if (turned == nullptr)
            continue;
        const int place = turned->Tag();
        const int face = window.card(place).bitmapIndex;
        if (face < 1 || face > Faces || faceAt_[slot(place)] != 0)
            continue;
        faceAt_[slot(place)] = face;
        auto &places = placesOf_[slot(face)];
        places[places[0] == 0 ? 0 : 1] = place;
    }
}

void PerfectMemoryPlayer::playMove(FakeGameWindow &window)
{
    for (int face = 1; face <= Faces; ++face) {
        const auto &places = placesOf_[slot(face)];
        if (places[1] != 0 && onTableFaceDown(window, places[0]) && onTableFaceDown(window, places[1])) {
            turn(window, places[0]);
            turn(window, places[1]);
            return;
        }
    }
    const int first = unknownPlace(window, 0);
    if (first == 0)
        return;
    turn(window, first);
    const int partner = knownPartner(first);
    turn(window, partner != 0 ? partner : unknownPlace(window, first));
}

void PerfectMemoryPlayer::turn(FakeGameWindow &window, int place)
{
    if (place == 0)
        return;
    window.click(place);
    observe(window);
}

int PerfectMemoryPlayer::knownPartner(int place) const
{
    const auto &places = placesOf_[slot(faceAt_[slot(place)])];
    return places[0] == place ? places[1] : places[0];
}

int PerfectMemoryPlayer::unknownPlace(const FakeGameWindow &window, int except) const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (place != except && faceAt_[slot(place)] == 0 && onTableFaceDown(window, place))
            return place;
    }
    return 0;
}

} // namespace brivmemo::testing
