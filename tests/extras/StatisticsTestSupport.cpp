// SPDX-License-Identifier: MIT
#include "StatisticsTestSupport.h"

#include "GameWindowsFixture.h"
#include "Globais.h"
#include "MMCheck.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QPushButton>
#include <ostream>

namespace brivmemo::statistics {

void PrintTo(const GameRecord &game, std::ostream *out)
{
    *out << game.endedUtc.toString(Qt::ISODate).toStdString() << " kind " << static_cast<int>(game.kind)
         << " level " << static_cast<int>(game.level) << " seconds " << game.seconds << " winner "
         << game.winner;
    for (const PlayerFigures &player : game.players) {
        *out << " [" << player.name.toStdString() << (player.computer ? " (computer)" : "") << " points "
             << player.points << " mistakes " << player.mistakes << " moves " << player.moves << ']';
    }
}

} // namespace brivmemo::statistics

namespace brivmemo::test {

void chooseGame(TForm1 &form, statistics::Level level)
{
    const bool computer = level != statistics::Level::None;
    showAndActivate(form, [computer](QWidget &) {
        (computer ? frmEscolhe->rabComputador : frmEscolhe->rabHumano)->SetChecked(true);
        frmEscolhe->cmdOK->click();
    });
    setNameText(Config.Nome1, "Ana");
    setNameText(Config.Nome2, "Bruno");
    switch (level) {
    case statistics::Level::None:
        form.Novo1Click();
        break;
    case statistics::Level::Beginner:
        form.mnPrinClick();
        break;
    case statistics::Level::Intermediate:
        form.mnInterClick();
        break;
    case statistics::Level::Wizard:
        form.mnMagicoClick();
        break;
    }
}

} // namespace brivmemo::test
