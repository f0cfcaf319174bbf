// SPDX-License-Identifier: MIT
// A headless window for the game engine, as the main window will be: forty card controls,
// six labels, two bars, the level commands and one timer. The timer fires only when the test
// says so and only while it runs, as Qt's does; the modal result box gives it that chance too.
#pragma once

#include "MotorJogo.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace brivmemo::testing {

class FakeCard final : public TControleCarta {
public:
    explicit FakeCard(int tag)
        : tag_(tag)
    { }
    int Tag() const override { return tag_; }

    int bitmapIndex = 0;
    bool visible = true;

private:
    int tag_;
};

class FakeGameWindow final : public TMotorJogo {
public:
    // Cards with Tags 1..40 in order, or with the given Tags in the given order.
    FakeGameWindow();
    explicit FakeGameWindow(const std::vector<int> &tags);

    std::span<TControleCarta *const> cardControls() const override;
    void setCardImage(TControleCarta &card, int bitmapIndex) override;
    void setCardVisible(TControleCarta &card, bool visible) override;
    void setLabelText(Rotulo label, std::string_view text) override;
    std::string labelText(Rotulo label) const override;
    void setLabelColor(Rotulo label, TColor color) override;
    // The English name, as a window without translations shows it.
    void showComputerAsPlayer2() override;
    void setBarMaximum(Barra bar, int maximum) override;
    void setBarPosition(Barra bar, int position) override;
    void setTimerInterval(int milliseconds) override;
    bool isLevelChecked(ComandoNivel level) const override;
    void showResult(const TResultado &resultado) override;

    // The first card with this Tag, 1..40.
    FakeCard &card(int tag) { return cardWithTag(tag); }
    const FakeCard &card(int tag) const { return cardWithTag(tag); }
    void click(int tag);

    // Runs the timer event if the timer is running; says whether it ran.
    bool fireTimer();
    int timerInterval() const { return timerInterval_; }
    // How many times the timer was started or given a new interval.
    int timerStarts() const { return timerStarts_; }

    void checkLevel(ComandoNivel level) { level_ = level; }
    TColor labelColor(Rotulo label) const;
    int barMaximum(Barra bar) const;
    int barPosition(Barra bar) const;
    const std::vector<TResultado> &results() const { return results_; }
    void clearResults() { results_.clear(); }

    // Runs inside the modal result box, before the timer gets its chance to fire there.
    std::function<void()> whileResultShown;

private:
    FakeCard &cardWithTag(int tag) const
    {
        FakeCard *found
            = tag >= 1 && tag <= NumLugares ? firstWithTag_[static_cast<std::size_t>(tag)] : nullptr;
        if (found == nullptr)
            noCardWithTag(tag);
        return *found;
    }
    [[noreturn]] static void noCardWithTag(int tag);

    std::vector<FakeCard> cards_;
    std::vector<TControleCarta *> controls_;
    std::array<FakeCard *, NumLugares + 1> firstWithTag_ {};
    std::array<std::string, 6> labelTexts_ {};
    std::array<TColor, 6> labelColors_ {};
    std::array<int, 2> barMaxima_ {};
    std::array<int, 2> barPositions_ {};
    int timerInterval_ = 0;
    int timerStarts_ = 0;
    ComandoNivel level_ = ComandoNivel::mnInter;
    std::vector<TResultado> results_;
};

} // namespace brivmemo::testing
