// SPDX-License-Identifier: MIT
#include "CardFlipper.h"

#include "GameEvents.h"
#include "KeptSwitchItem.h"
#include "MMBitmapList.h"
#include "memo.h"

#include <QMenu>

namespace brivmemo::extras {

namespace {

constexpr int CardBack = 0;

} // namespace

CardFlipper::CardFlipper(
    QObject &owner, TForm1 &form, QMenu &extrasMenu, const GameEvents &events, AnimationClock &clock)
    : QObject(&owner)
    , form_(form)
    , clock_(clock)
{
    extrasMenu.addSeparator();
    item_ = addKeptSwitchItem(
        extrasMenu, tr("&Flip Cards"), QStringLiteral("FlipCards"), true, [this](bool on) {
            if (!on)
                endAll();
        });
    connect(&events, &GameEvents::turnedUp, this,
        [this](int place) { start(place, CardBack, CardFlipOverlay::Motion::Flip); });
    connect(&events, &GameEvents::turnedDown, this,
        [this](int place) { start(place, face(place), CardFlipOverlay::Motion::Flip); });
    connect(&events, &GameEvents::removed, this,
        [this](int place) { start(place, face(place), CardFlipOverlay::Motion::Fade); });
    connect(&events, &GameEvents::dealt, this, &CardFlipper::endAll);
    connect(&events, &GameEvents::allShown, this, &CardFlipper::endAll);
    pictures_.OnNotify = [this](TMMObserver *, TObject *) { endAll(); };
    form.MMBitmapList1->AddObserver(&pictures_);
}

CardFlipper::~CardFlipper() = default;

void CardFlipper::start(int place, int shownBefore, CardFlipOverlay::Motion motion)
{
    if (!item_->isChecked())
        return;
    end(place);
    running_.at(static_cast<std::size_t>(place))
        = new CardFlipOverlay(form_.image(place), shownBefore, motion, clock_);
}

void CardFlipper::end(int place)
{
    if (CardFlipOverlay *overlay = running_.at(static_cast<std::size_t>(place)))
        overlay->end();
}

void CardFlipper::endAll()
{
    for (int place = 1; place <= NumLugares; ++place)
        end(place);
}

int CardFlipper::face(int place) const
{
    return form_.Tabuleiro.Cartas[place].Valor;
}

} // namespace brivmemo::extras
