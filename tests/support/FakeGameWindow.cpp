// SPDX-License-Identifier: MIT
#include "FakeGameWindow.h"

#include <stdexcept>
#include <string>

namespace brivmemo::testing {
namespace {

std::size_t indexOf(Rotulo label)
{
    return static_cast<std::size_t>(label);
}

std::size_t indexOf(Barra bar)
{
    return static_cast<std::size_t>(bar);
}

std::vector<int> placesInOrder()
{
    std::vector<int> tags;
    for (int tag = 1; tag <= NumLugares; ++tag)
        tags.push_back(tag);
    return tags;
}

} // namespace

FakeGameWindow::FakeGameWindow()
    : FakeGameWindow(placesInOrder())
{ }

FakeGameWindow::FakeGameWindow(const std::vector<int> &tags)
{
    cards_.reserve(tags.size());
    for (const int tag : tags)
        cards_.emplace_back(tag);
    for (FakeCard &card : cards_) {
        controls_.push_back(&card);
        const int tag = card.Tag();
        if (tag >= 1 && tag <= NumLugares && firstWithTag_[static_cast<std::size_t>(tag)] == nullptr)
            firstWithTag_[static_cast<std::size_t>(tag)] = &card;
    }
}

std::span<TControleCarta *const> FakeGameWindow::cardControls() const
{
    return controls_;
}

void FakeGameWindow::setCardImage(TControleCarta &card, int bitmapIndex)
{
    static_cast<FakeCard &>(card).bitmapIndex = bitmapIndex;
}

void FakeGameWindow::setCardVisible(TControleCarta &card, bool visible)
{
    static_cast<FakeCard &>(card).visible = visible;
}

void FakeGameWindow::setLabelText(Rotulo label, std::string_view text)
{
    labelTexts_[indexOf(label)] = text;
}

std::string FakeGameWindow::labelText(Rotulo label) const
{
    return labelTexts_[indexOf(label)];
}

void FakeGameWindow::setLabelColor(Rotulo label, TColor color)
{
    labelColors_[indexOf(label)] = color;
}

void FakeGameWindow::setBarMaximum(Barra bar, int maximum)
{
    barMaxima_[indexOf(bar)] = maximum;
}

void FakeGameWindow::setBarPosition(Barra bar, int position)
{
    barPositions_[indexOf(bar)] = position;
}

void FakeGameWindow::setTimerInterval(int milliseconds)
{
    if (milliseconds == timerInterval_)
        return;
    timerInterval_ = milliseconds;
    if (milliseconds > 0)
        ++timerStarts_;
}

bool FakeGameWindow::isLevelChecked(ComandoNivel level) const
{
    return level == level_;
}

void FakeGameWindow::showComputerAsPlayer2()
{
    setLabelText(Rotulo::lblJogador2, "Computer");
}

void FakeGameWindow::showResult(const TResultado &resultado)
{
    results_.push_back(resultado);
    if (whileResultShown)
        whileResultShown();
    fireTimer();
}

void FakeGameWindow::noCardWithTag(int tag)
{
    throw std::out_of_range("no card with Tag " + std::to_string(tag));
}

void FakeGameWindow::click(int tag)
{
    FakeCard &target = card(tag);
    if (target.visible)
        image1Click(target);
}

bool FakeGameWindow::fireTimer()
{
    if (timerInterval_ <= 0)
        return false;
    tmMarcaJogadaTimer();
    return true;
}

TColor FakeGameWindow::labelColor(Rotulo label) const
{
    return labelColors_[indexOf(label)];
}

int FakeGameWindow::barMaximum(Barra bar) const
{
    return barMaxima_[indexOf(bar)];
}

int FakeGameWindow::barPosition(Barra bar) const
{
    return barPositions_[indexOf(bar)];
}

} // namespace brivmemo::testing
