// SPDX-License-Identifier: MIT
#include "UHelp.h"

#include "WindowFont.h"

TfrmAjuda *frmAjuda = nullptr;

TfrmAjuda::TfrmAjuda(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAjuda"));
    setWindowTitle(QStringLiteral("Help"));
    setFont(brivmemo::windowFont());
    resize(473, 442);
}

void TfrmAjuda::ShowModal()
{
    exec();
}
