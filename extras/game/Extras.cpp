// SPDX-License-Identifier: MIT
#include "Extras.h"

#include "AfterFirstPaint.h"
#include "CardFlipper.h"
#include "CardSetError.h"
#include "CardSetMenu.h"
#include "CardSetSwitcher.h"
#include "ErrorBox.h"
#include "ExtrasPreferences.h"
#include "GameEvents.h"
#include "GameSounds.h"
#include "GameStatistics.h"
#include "MessageBoxes.h"
#include "SoundEffects.h"
#include "StartupDialogGate.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QObject>
#include <memory>

namespace brivmemo::extras {

namespace {

class InstalledExtras final : public QObject {
public:
    explicit InstalledExtras(TForm1 &form)
        : QObject(&form)
        , switcher_(form)
        , startupDialog_(new StartupDialogGate(*this, form, *frmEscolhe))
        , events_(new GameEvents(form))
        , menu_(new CardSetMenu(*this, form, switcher_))
    {
        new CardFlipper(*this, form, menu_->extrasMenu(), *events_);
        new GameSounds(*this, form, menu_->extrasMenu(), *events_, std::make_unique<sound::SoundEffects>());
        new GameStatistics(*this, form, menu_->extrasMenu(), *events_, *startupDialog_);
        runAfterFirstPaint(form, guarded([this] { showKeptCardSet(); }));
    }

private:
    // A kept set that cannot be used leaves the game's own pictures and the kept choice as
    // they are, so the set is tried again at the next start.
    void showKeptCardSet()
    {
        const QString kept = keptCardSet();
        if (kept.isEmpty())
            return;
        const FoundCardSet set = locateCardSet(kept);
        try {
            switcher_.show(set);
        } catch (const cardset::CardSetError &error) {
            const QString text = cannotBeUsedText(cardSetDisplayName(set), error);
            startupDialog_->afterStartupDialog([text] { showErrorBox(text); });
        }
    }

    CardSetSwitcher switcher_;
    StartupDialogGate *startupDialog_;
    GameEvents *events_;
    CardSetMenu *menu_;
};

} // namespace

void installExtras(QWidget &mainWindow)
{
    new InstalledExtras(dynamic_cast<TForm1 &>(mainWindow));
}

} // namespace brivmemo::extras
