// SPDX-License-Identifier: MIT
#include "FlippingTable.h"

#include "CardFlipper.h"
#include "DevicePixels.h"
#include "GameEvents.h"
#include "GameWindowsFixture.h"
#include "MMCheck.h"
#include "Random.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace brivmemo::test {

FlippingTable::FlippingTable(
    extras::AnimationClock &clock, bool flipping, bool againstComputer, std::uint32_t seed)
    : events_(new extras::GameEvents(form()))
{
    auto *menu = new QMenu(&form());
    new extras::CardFlipper(form(), form(), *menu, *events_, clock);
    flipItem_ = menu->actions().constLast();
    flipItem_->setChecked(flipping);
    showAndActivate(form(), [againstComputer](QWidget &) {
        (againstComputer ? frmEscolhe->rabComputador : frmEscolhe->rabHumano)->SetChecked(true);
        frmEscolhe->cmdOK->click();
    });
    setRandomSeed(seed);
    form().mnInterClick();
}

std::vector<extras::CardFlipOverlay *> FlippingTable::shownOverlays() const
{
    std::vector<extras::CardFlipOverlay *> shown;
    for (extras::CardFlipOverlay *overlay : form().findChildren<extras::CardFlipOverlay *>()) {
        if (overlay->isVisible())
            shown.push_back(overlay);
    }
    return shown;
}

void FlippingTable::clickThroughWindow(int place) const
{
    const TMMBitmapListImage &card = form().image(place);
    QTest::mouseClick(
        form().windowHandle(), Qt::LeftButton, Qt::NoModifier, card.mapTo(&form(), card.rect().center()));
}

QImage FlippingTable::shownAt(int place) const
{
    return form()
        .PnBaralho->grab(form().image(place).geometry())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage paintedAt(QWidget &widget, qreal ratio)
{
    QImage painted(deviceSize(widget.size(), ratio), QImage::Format_RGB32);
    painted.setDevicePixelRatio(ratio);
    painted.fill(Qt::magenta);
    widget.render(&painted);
    return painted;
}

} // namespace brivmemo::test
