// SPDX-License-Identifier: MIT
#include "GreedyPlayer.h"

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

int GreedyPlayer::playGame(FakeGameWindow &window, int maxMoves)
{
    forget();
    for (int moves = 0; moves < maxMoves; ++moves) {
        if (window.CartasViradas != 2)
            playMove(window);
        if (window.CartasViradas != 2)
            return -1;
        endMove(window);
        if (!window.results().empty())
            return moves + 1;
    }
    return -1;
}

void GreedyPlayer::forget()
{
    faceAt_ = {};
    placesOf_ = {};
}

void GreedyPlayer::observe(const FakeGameWindow &window)
{
    for (const TControleCarta *turned : {window.Carta1, window.Carta2}) {
        if (turned == nullptr)
            continue;
        const int place = turned->Tag();
        const int face = window.card(place).bitmapIndex;
        if (face < 1 || face > Faces || faceAt_[slot(place)] != Unknown)
            continue;
        faceAt_[slot(place)] = face;
        auto &places = placesOf_[slot(face)];
        places[places[0] == 0 ? 0 : 1] = place;
    }
}

void GreedyPlayer::playMove(FakeGameWindow &window)
{
    for (const auto &places : placesOf_) {
        if (places[0] != 0 && places[1] != 0 && onTableFaceDown(window, places[0])
            && onTableFaceDown(window, places[1])) {
            turn(window, places[0]);
            turn(window, places[1]);
            return;
        }
    }
    const int first = chooseUnknown(window);
    if (first == 0)
        return;
    turn(window, first);
    const int partner = knownPartner(first);
    turn(window, partner != 0 ? partner : chooseUnknown(window));
}

void GreedyPlayer::endMove(FakeGameWindow &window)
{
    observe(window);
    const std::array turned = {window.Carta1->Tag(), window.Carta2->Tag()};
    window.fireTimer();
    for (const int place : turned) {
        if (!window.card(place).visible) {
            forgetCard(place);
            faceAt_[slot(place)] = Gone;
        }
    }
    forgetAfterMove();
}

bool GreedyPlayer::remembers(int place) const
{
    return faceAt_[slot(place)] > 0;
}

void GreedyPlayer::forgetCard(int place)
{
    auto &places = placesOf_[slot(faceAt_[slot(place)])];
    places[places[0] == place ? 0 : 1] = 0;
    faceAt_[slot(place)] = Unknown;
}

void GreedyPlayer::turn(FakeGameWindow &window, int place)
{
    window.click(place);
    observe(window);
}

int GreedyPlayer::knownPartner(int place) const
{
    const auto &places = placesOf_[slot(faceAt_[slot(place)])];
    return places[0] == place ? places[1] : places[0];
}

int GreedyPlayer::unknownCount(const FakeGameWindow &window) const
{
    int count = 0;
    for (int place = 1; place <= NumLugares; ++place)
        count += isUnknown(window, place) ? 1 : 0;
    return count;
}

int GreedyPlayer::unknownPlace(const FakeGameWindow &window, int index) const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (isUnknown(window, place) && index-- == 0)
            return place;
    }
    return 0;
}

bool GreedyPlayer::isUnknown(const FakeGameWindow &window, int place) const
{
    return faceAt_[slot(place)] == Unknown && onTableFaceDown(window, place);
}

} // namespace brivmemo::testing
