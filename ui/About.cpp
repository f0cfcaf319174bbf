// SPDX-License-Identifier: MIT
#include "About.h"

#include "WindowFont.h"

Tf_sobre *f_sobre = nullptr;

Tf_sobre::Tf_sobre(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("f_sobre"));
    setWindowTitle(QStringLiteral("About Brivosta Memory Game"));
    setFont(brivmemo::windowFont());
    setFixedSize(334, 304);
}

void Tf_sobre::ShowModal()
{
    exec();
}
