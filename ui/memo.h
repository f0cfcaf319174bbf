// SPDX-License-Identifier: MIT
// The main window: the green table of forty cards, the two player boxes, the main menu and
// the context menu. It is the game engine's window: it inherits the engine, whose routines
// become its methods, and gives the engine its real controls.
#pragma once

#include "CartaNaMesa.h"
#include "MotorJogo.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;

namespace brivmemo {
class TComponentStateHolder;
class TMMBitmapList;
class TTimer;
} // namespace brivmemo

class TForm1 : public QMainWindow, public brivmemo::TMotorJogo {
    Q_OBJECT

public:
    // Builds the controls and the menus, then runs FormCreate; an error there is shown and
    // the window is built all the same.
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The engine's window operations.
    std::span<brivmemo::TControleCarta *const> cardControls() const override;
    void setCardImage(brivmemo::TControleCarta &card, int bitmapIndex) override;
    void setCardVisible(brivmemo::TControleCarta &card, bool visible) override;
    void setLabelText(brivmemo::Rotulo label, std::string_view text) override;
    std::string labelText(brivmemo::Rotulo label) const override;
    void setLabelColor(brivmemo::Rotulo label, brivmemo::TColor color) override;
    void showComputerAsPlayer2() override;
    void setBarMaximum(brivmemo::Barra bar, int maximum) override;
    void setBarPosition(brivmemo::Barra bar, int position) override;
    void setTimerInterval(int milliseconds) override;
    bool isLevelChecked(brivmemo::ComandoNivel level) const override;
    void showResult(const brivmemo::TResultado &resultado) override;

    // Reads the settings, then seeds the random generator, also when the reading failed.
    void FormCreate();
    // Runs once, after the window is first shown: settings into the options dialog and the
    // level marks, a first deal, then the game-type dialog.
    void FormActivate();
    void Novo1Click();
    void mnPrinClick();
    void mnInterClick();
    void mnMagicoClick();
    void mnOpcoesClick();
    void mnTipoJogoClick();
    void mnMostraTodosClick();
    // Asks the window to close, which asks for confirmation.
    void mnSairClick();
    void AjudadoMemo1Click();
    void mnSobreClick();

    // The card of place 1..40.
    brivmemo::TMMBitmapListImage &image(int place) const;

    QWidget *PnBaralho = nullptr;
    QGroupBox *grbJg1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblJogador1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *lblJogadas1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblPtJg1 = nullptr;
    QProgressBar *pgbJg1 = nullptr;
    QGroupBox *grbJg2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblJogador2 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *lblJogadas2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblPtJg2 = nullptr;
    QProgressBar *pgbJg2 = nullptr;
    brivmemo::TMMBitmapList *MMBitmapList1 = nullptr;
    brivmemo::TTimer *tmMarcaJogada = nullptr;

    QMenu *mnJogo = nullptr;
    QAction *Novo1 = nullptr;
    QAction *mnPrin = nullptr;
    QAction *mnInter = nullptr;
    QAction *mnMagico = nullptr;
    QAction *mnOpcoes = nullptr;
    QAction *mnTipoJogo = nullptr;
    QAction *mnMostraTodos = nullptr;
    QAction *mnSair = nullptr;
    QMenu *mnAjuda = nullptr;
    QAction *AjudadoMemo1 = nullptr;
    QAction *mnSobre = nullptr;

    QMenu *PopupMenu1 = nullptr;
    QAction *Novo2 = nullptr;
    QAction *PopPrin = nullptr;
    QAction *PopInter = nullptr;
    QAction *PopMagico = nullptr;
    QAction *Opes1 = nullptr;
    QAction *TipodeJogo1 = nullptr;
    QAction *Mostrartodascartas1 = nullptr;
    QAction *Sair1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void createTable();
    // The green panel and its forty cards; returns the cards, which show the list.
    std::vector<brivmemo::TComponentStateHolder *> createCards();
    void createPlayerBoxes();
    void createMainMenu();
    void createContextMenu();
    QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int left, int top);
    std::function<void()> handler(void (TForm1::*method)());
    QAction *addLevelItem(QMenu &menu, const char *name, const QString &caption, void (TForm1::*method)());
    QLabel *rotulo(brivmemo::Rotulo label) const;
    QProgressBar *barra(brivmemo::Barra bar) const;
    static TCartaNaMesa &carta(brivmemo::TControleCarta &card);
    static QString resultText(const brivmemo::TResultado &resultado);

    // Checks the level in both menus and unchecks the others, then deals a new game.
    void chooseLevel(brivmemo::ComandoNivel level);
    void setLevelMarks(brivmemo::ComandoNivel level);
    // Confirms, stores the level and writes the settings; the window closes only when all
    // of that succeeds.
    void FormClose(QCloseEvent &event);

    std::vector<std::unique_ptr<TCartaNaMesa>> cartas_;
    std::vector<brivmemo::TControleCarta *> controles_;
    bool activationScheduled_ = false;
};

extern TForm1 *Form1;
