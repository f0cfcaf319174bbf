// SPDX-License-Identifier: MIT
#include "GameWindows.h"

#include "About.h"
#include "ApplicationTitle.h"
#include "MaximisingRefusal.h"
#include "MessageBoxes.h"
#include "ProgramCursors.h"
#include "TransientParent.h"
#include "UHelp.h"
#include "Uescolhe.h"
#include "Uopcoes.h"
#include "memo.h"

#include <QApplication>
#include <QDialog>
#include <QStyle>
#include <QStyleFactory>
#include <initializer_list>

void setUpApplication()
{
    brivmemo::setApplicationTitle(QStringLiteral("Brivosta Vire"));
    // The menu entry's id, so that a Wayland shell ties the windows to the entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVMEMO_APP_ID));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    brivmemo::registerProgramCursors();
}

TGameWindows::TGameWindows()
{
    form1_ = std::make_unique<TForm1>();
    Form1 = form1_.get();
    frmEscolhe_ = std::make_unique<TfrmEscolhe>();
    frmEscolhe = frmEscolhe_.get();
    frmOpcoes_ = std::make_unique<TfrmOpcoes>();
    frmOpcoes = frmOpcoes_.get();
    f_sobre_ = std::make_unique<Tf_sobre>();
    f_sobre = f_sobre_.get();
    frmAjuda_ = std::make_unique<TfrmAjuda>();
    frmAjuda = frmAjuda_.get();

    // The windows keep the sizes they are designed with, also where the window system offers
    // to maximise them; the dialogs and the boxes belong to the main window.
    brivmemo::refuseMaximising(*form1_);
    for (QDialog *const dialog :
        std::initializer_list<QDialog *> {frmEscolhe, frmOpcoes, f_sobre, frmAjuda}) {
        brivmemo::refuseMaximising(*dialog);
        brivmemo::keepTransientFor(*dialog, *form1_);
    }
    brivmemo::setMessageBoxOwner(form1_.get());
}

TGameWindows::~TGameWindows()
{
    frmAjuda = nullptr;
    frmAjuda_.reset();
    f_sobre = nullptr;
    f_sobre_.reset();
    frmOpcoes = nullptr;
    frmOpcoes_.reset();
    frmEscolhe = nullptr;
    frmEscolhe_.reset();
    Form1 = nullptr;
    form1_.reset();
}
